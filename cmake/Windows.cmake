# Windows build: Quillorn.exe and everything that tests it under Wine.
enable_language(RC)

# ANSI program: no UNICODE, Shift-JIS literals, A functions throughout.
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 STRICT NOMINMAX)
add_compile_options(${QUILLORN_CHARSET_FLAGS} -Wall -Wno-unknown-pragmas)
add_link_options(-static)
# The program's version, defined here once: the build writes it into
# res/version.h, from which the title screen's version string and the
# executable's version resource are both made.
set(QUILLORN_VERSION 2.01)
if(NOT QUILLORN_VERSION MATCHES "^([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "QUILLORN_VERSION must be MAJOR.MINOR, not ${QUILLORN_VERSION}")
endif()
set(major "${CMAKE_MATCH_1}")
set(minor "${CMAKE_MATCH_2}")
# The version resource holds numbers: 2.01 is 2, 1.
string(REGEX REPLACE "^0+([0-9])" "\\1" QUILLORN_VERSION_MAJOR "${major}")
string(REGEX REPLACE "^0+([0-9])" "\\1" QUILLORN_VERSION_MINOR "${minor}")
configure_file(${PROJECT_SOURCE_DIR}/res/version.h.in ${CMAKE_BINARY_DIR}/generated/res/version.h @ONLY)

# windres reads UTF-8 scripts (#pragma code_page(65001)) and needs the same include root.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${PROJECT_SOURCE_DIR} -I${CMAKE_BINARY_DIR}/generated -c 65001")

# The common controls and the common dialogs are needed only once a settings
# dialog or the colour picker opens. Their libraries are loaded then, on the
# first call, rather than with the program: under Wine each one, with what it
# imports in turn, weighs on every start-up. The delay-load import libraries
# are made here from the functions the program calls.
find_program(QUILLORN_DLLTOOL ${QUILLORN_MINGW_PREFIX}-dlltool REQUIRED)
function(quillorn_delay_loaded var dll)   # exports...
  set(def ${CMAKE_BINARY_DIR}/generated/${dll}.def)
  set(lib ${CMAKE_BINARY_DIR}/generated/lib${dll}_delay.a)
  list(JOIN ARGN "\n" exports)
  file(WRITE ${def} "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
  execute_process(COMMAND ${QUILLORN_DLLTOOL} --input-def ${def} --output-delaylib ${lib}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot make the delay-load library of ${dll}")
  endif()
  set(${var} ${lib} PARENT_SCOPE)
endfunction()
quillorn_delay_loaded(comctl32_delayed comctl32 InitCommonControlsEx)
quillorn_delay_loaded(comdlg32_delayed comdlg32 ChooseColorA)

set(win32_libs user32 gdi32 ${comctl32_delayed} ${comdlg32_delayed} shell32 advapi32 ole32)

# The framework: our small application-framework classes over Win32.
file(GLOB framework_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/framework/*.cpp)
add_library(quillorn_framework STATIC ${framework_sources})
target_include_directories(quillorn_framework PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quillorn_framework PUBLIC quillorn_core ${win32_libs})

# The program's windows and dialogs. The application object itself lives in
# app/ClipHistoryApp.cpp and is compiled into the executable only, so that
# test programs can link the rest without a second application.
set(program_dirs app storage history mainwnd quickselect controls dialogs decoration)
set(program_sources)
foreach(dir ${program_dirs})
  file(GLOB s CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
  list(APPEND program_sources ${s})
endforeach()
list(REMOVE_ITEM program_sources ${PROJECT_SOURCE_DIR}/app/ClipHistoryApp.cpp)
add_library(quillorn_program STATIC ${program_sources})
target_link_libraries(quillorn_program PUBLIC quillorn_framework)

add_executable(Quillorn WIN32 app/ClipHistoryApp.cpp res/Quillorn.rc res/fileinfo.rc)
target_link_libraries(Quillorn PRIVATE quillorn_program)
# The exe users get carries no symbols.
target_link_options(Quillorn PRIVATE $<$<CONFIG:Release>:-s>)

# The floor that the start-up benchmark measures the program against.
add_executable(bare_dialog WIN32 bench/bare_dialog.cpp bench/bare_dialog.rc)
target_link_libraries(bare_dialog PRIVATE user32)

# GoogleTest for Windows, built from the sources the distribution installs.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (the distribution's googletest package)")
set(gtest_src ${GTEST_SOURCE_DIR}/googletest)
add_library(gtest_win STATIC ${gtest_src}/src/gtest-all.cc ${gtest_src}/src/gtest_main.cc)
target_include_directories(gtest_win SYSTEM PUBLIC ${gtest_src}/include PRIVATE ${gtest_src})
target_compile_options(gtest_win PRIVATE -w)

# Two Wine beds (each its own Xvfb display and prefix) that the Win32 and
# end-to-end tests share: started side by side before the first of them,
# stopped after the last. The tests are dealt to the beds in turn, and each
# bed is locked while a test runs in it, so `ctest -j2` runs two tests at
# once, never two in one bed.
set(QUILLORN_BED ${CMAKE_BINARY_DIR}/winebed)
set(QUILLORN_BEDS ${QUILLORN_BED} ${CMAKE_BINARY_DIR}/winebed2)
set_property(GLOBAL PROPERTY quillorn_next_bed 0)
function(quillorn_use_wine_bed test)
  get_property(index GLOBAL PROPERTY quillorn_next_bed)
  list(GET QUILLORN_BEDS ${index} bed)
  get_filename_component(lock ${bed} NAME)
  math(EXPR next "(${index} + 1) % 2")
  set_property(GLOBAL PROPERTY quillorn_next_bed ${next})
  set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED winebed RESOURCE_LOCK ${lock})
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT "QUILLORN_BED=${bed}")
endfunction()
add_test(NAME winebed_start COMMAND ${PROJECT_SOURCE_DIR}/scripts/winebed.sh start ${QUILLORN_BEDS})
add_test(NAME winebed_stop COMMAND ${PROJECT_SOURCE_DIR}/scripts/winebed.sh stop ${QUILLORN_BEDS})
set_tests_properties(winebed_start PROPERTIES FIXTURES_SETUP winebed TIMEOUT 300)
set_tests_properties(winebed_stop PROPERTIES FIXTURES_CLEANUP winebed TIMEOUT 60)

add_subdirectory(tests/driver)
add_subdirectory(tests/win32)
add_subdirectory(tests/e2e)

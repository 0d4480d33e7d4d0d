# Windows build: Quillorn.exe and everything that tests it under Wine.
enable_language(RC)

# ANSI program: no UNICODE, Shift-JIS literals, A functions throughout.
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 STRICT NOMINMAX)
add_compile_options(${QUILLORN_CHARSET_FLAGS} -Wall -Wno-unknown-pragmas)
add_link_options(-static)
# windres reads UTF-8 scripts (#pragma code_page(65001)) and needs the same include root.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${PROJECT_SOURCE_DIR} -c 65001")

set(win32_libs user32 gdi32 comctl32 comdlg32 shell32 advapi32 ole32)

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

add_executable(Quillorn WIN32 app/ClipHistoryApp.cpp res/Quillorn.rc)
target_link_libraries(Quillorn PRIVATE quillorn_program)

# The floor that the start-up benchmark measures the program against.
add_executable(bare_dialog WIN32 bench/bare_dialog.cpp bench/bare_dialog.rc)
target_link_libraries(bare_dialog PRIVATE user32)

# GoogleTest for Windows, built from the sources the distribution installs.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (the distribution's googletest package)")
set(gtest_src ${GTEST_SOURCE_DIR}/googletest)
add_library(gtest_win STATIC ${gtest_src}/src/gtest-all.cc ${gtest_src}/src/gtest_main.cc)
target_include_directories(gtest_win SYSTEM PUBLIC ${gtest_src}/include PRIVATE ${gtest_src})
target_compile_options(gtest_win PRIVATE -w)

# The Wine bed (Xvfb + private prefix) that the Win32 and end-to-end tests share:
# started before the first of them, stopped after the last.
set(QUILLORN_BED ${CMAKE_BINARY_DIR}/winebed)
add_test(NAME winebed_start COMMAND ${PROJECT_SOURCE_DIR}/scripts/winebed.sh start ${QUILLORN_BED})
add_test(NAME winebed_stop COMMAND ${PROJECT_SOURCE_DIR}/scripts/winebed.sh stop ${QUILLORN_BED})
set_tests_properties(winebed_start PROPERTIES FIXTURES_SETUP winebed TIMEOUT 180)
set_tests_properties(winebed_stop PROPERTIES FIXTURES_CLEANUP winebed TIMEOUT 60)

add_subdirectory(tests/driver)
add_subdirectory(tests/win32)
add_subdirectory(tests/e2e)

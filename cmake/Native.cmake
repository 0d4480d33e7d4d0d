# Native build: unit tests of the core (with sanitizers unless turned off),
# fuzz targets with clang, benchmarks.
option(QUILLORN_SANITIZE "Build the core and its tests with ASan and UBSan" ON)
option(QUILLORN_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(QUILLORN_SANITIZE OR QUILLORN_FUZZ)
  set(san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(quillorn_core PUBLIC ${san})
  target_link_options(quillorn_core PUBLIC ${san})
endif()

if(QUILLORN_FUZZ)
  file(GLOB fuzzers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/*_fuzz.cpp)
  foreach(src ${fuzzers})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE quillorn_core)
    # A short bounded run on every test pass; longer runs are done by hand.
    # New inputs go to the build folder; the committed seeds are only read.
    set(work_corpus ${CMAKE_BINARY_DIR}/corpus/${name})
    file(MAKE_DIRECTORY ${work_corpus})
    add_test(NAME ${name}
             COMMAND ${name} -max_total_time=8 -timeout=5 -rss_limit_mb=1024
                     ${work_corpus} ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
  endforeach()
  return()
endif()

find_package(GTest REQUIRED)
file(GLOB core_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/core/*.cpp)
add_executable(core_tests ${core_tests})
target_link_libraries(core_tests PRIVATE quillorn_core GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60)

# The user package's sample phrase file, in the Shift-JIS with CR LF the
# package holds, for the tests that read it with the program's parser.
set(sample_phrases ${CMAKE_BINARY_DIR}/package/QuickSelect.txt)
add_custom_command(OUTPUT ${sample_phrases}
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/to-windows-text.sh ${PROJECT_SOURCE_DIR}/package/QuickSelect.txt ${sample_phrases}
  DEPENDS ${PROJECT_SOURCE_DIR}/package/QuickSelect.txt ${PROJECT_SOURCE_DIR}/scripts/to-windows-text.sh)
add_custom_target(sample_phrases DEPENDS ${sample_phrases})
add_dependencies(core_tests sample_phrases)
target_compile_definitions(core_tests PRIVATE QUILLORN_SAMPLE_PHRASES="${sample_phrases}")

find_package(benchmark QUIET)
file(GLOB benches CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/*_bench.cpp)
# Benchmarks only make sense without sanitizers: scripts/bench.sh builds them.
if(benchmark_FOUND AND benches AND NOT QUILLORN_SANITIZE)
  foreach(src ${benches})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE quillorn_core benchmark::benchmark)
  endforeach()
  add_executable(make_history bench/make_history.cpp)
  target_link_libraries(make_history PRIVATE quillorn_core)
endif()

include(GoogleTest)

# velox_add_test(NAME SOURCES file... LIBS target...)
# One GoogleTest executable, registered with CTest test by test. Tests run
# headless (offscreen Qt platform) with a private prefix per test program.
function(velox_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock velox_test_main velox_warnings)
  # Where the test data lives, compiled in (the test main sets the offscreen
  # platform itself).
  target_compile_definitions(${name} PRIVATE
    VELOX_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    VELOX_JET_SAMPLES="${PROJECT_SOURCE_DIR}/tests/data/jet-samples")
  # Each test carries its program's name as a label: `ctest -L` picks the
  # tests of some programs (CI runs those that cross threads under TSan).
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 300 LABELS ${name})
endfunction()

# velox_add_bench(NAME SOURCES file... LIBS target...)
function(velox_add_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark velox_warnings)
endfunction()

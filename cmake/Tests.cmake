# The GoogleTest suites: core, batch tool (and its no-converter twin), editor and renderer.
enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

# A suite of its own executable: test sources, the shared support files, what it links.
function(tarveno_suite name)
  cmake_parse_arguments(S "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${S_SOURCES} tests/support/test_paths.cpp)
  target_include_directories(${name} PRIVATE tests)
  target_link_libraries(${name} PRIVATE ${S_LIBS})
  target_compile_definitions(${name} PRIVATE TARVENO_DATA_DIR="${CMAKE_SOURCE_DIR}/data")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

file(GLOB_RECURSE TARVENO_CORE_TESTS CONFIGURE_DEPENDS tests/core/*.cpp)
tarveno_suite(tarveno_core_tests SOURCES ${TARVENO_CORE_TESTS} LIBS tarveno_core GTest::gtest GTest::gtest_main)

file(GLOB_RECURSE TARVENO_CLI_TESTS CONFIGURE_DEPENDS tests/cli/*.cpp)
list(FILTER TARVENO_CLI_TESTS EXCLUDE REGEX ".*/without_converter_test\\.cpp$")
if(NOT TARVENO_BUILD_GUI)
  # Without the renderer the tool has no render command, and its tests read the pictures with
  # QtGui: they are built with the renderer only (the fixture runs skip its cases by themselves).
  list(FILTER TARVENO_CLI_TESTS EXCLUDE REGEX ".*/render_test\\.cpp$")
endif()
tarveno_suite(tarveno_cli_tests SOURCES ${TARVENO_CLI_TESTS} LIBS tarveno_cli_lib GTest::gtest GTest::gtest_main)
target_compile_definitions(tarveno_cli_tests PRIVATE TARVENO_CLI_EXE="$<TARGET_FILE:tarveno-cli>")
add_dependencies(tarveno_cli_tests tarveno-cli)
# A program of its own: it replaces iconv_open for the whole process.
tarveno_suite(tarveno_noconv_tests SOURCES tests/cli/without_converter_test.cpp
  LIBS tarveno_cli_lib GTest::gtest GTest::gtest_main)

if(TARVENO_BUILD_GUI)
  find_package(Qt6 ${TARVENO_QT_MINIMUM} REQUIRED COMPONENTS Test)
  file(GLOB_RECURSE TARVENO_GUI_TESTS CONFIGURE_DEPENDS tests/gui/*.cpp tests/gui/*.h tests/render/*.cpp)
  tarveno_suite(tarveno_gui_tests
    SOURCES ${TARVENO_GUI_TESTS} tests/support/gui_main.cpp tests/support/scripted_prompts.cpp
            tests/support/scripted_prompts.h
    LIBS tarveno_gui Qt6::Test GTest::gtest)
  set_target_properties(tarveno_gui_tests PROPERTIES AUTOMOC ON)
endif()

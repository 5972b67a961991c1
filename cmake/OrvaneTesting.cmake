# orvane_add_test(NAME <target> SOURCES ... LIBS ... [LABEL Unit|Integration|Slow] [QT])
#
# One test executable per area. Each test executable gets its own temporary
# folder and XDG folders, the staged install directory and Qt's offscreen
# platform. GoogleTest executables set these up in their own main() (so they
# also hold when a test binary is run by hand); Qt Test executables get them
# through CTest. Labels carry time-outs.
include(GoogleTest)

set(ORVANE_TEST_TMP_ROOT ${CMAKE_BINARY_DIR}/test-tmp)

function(orvane_add_test)
  cmake_parse_arguments(T "QT" "NAME;LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT T_LABEL)
    set(T_LABEL Unit)
  endif()
  if(T_LABEL STREQUAL "Unit")
    set(timeout 60)
  elseif(T_LABEL STREQUAL "Integration")
    set(timeout 180)
  else()
    set(timeout 600)
  endif()
  set(tmp ${ORVANE_TEST_TMP_ROOT}/${T_NAME})
  file(MAKE_DIRECTORY ${tmp})
  if(T_QT)
    add_executable(${T_NAME} ${T_SOURCES})
  else()
    add_executable(${T_NAME} ${T_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/TestMain.cpp)
  endif()
  orvane_target_defaults(${T_NAME})
  target_compile_definitions(${T_NAME} PRIVATE
    ORVANE_TEST_INSTALL_DIR="${ORVANE_STAGE_INSTALL_DIR}"
    ORVANE_TEST_STAGE_BIN="${ORVANE_STAGE_BIN}"
    ORVANE_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
    ORVANE_TEST_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    ORVANE_TEST_TMP_DIR="${tmp}")
  if(T_QT)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test orvane_test_support)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES
      LABELS ${T_LABEL} TIMEOUT ${timeout}
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ORVANE_INSTALL_DIR=${ORVANE_STAGE_INSTALL_DIR};TMPDIR=${tmp};XDG_CONFIG_HOME=${tmp}/config;XDG_DATA_HOME=${tmp}/data;XDG_RUNTIME_DIR=${tmp}/run")
  else()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} orvane_test_support GTest::gtest GTest::gmock)
    gtest_discover_tests(${T_NAME}
      DISCOVERY_TIMEOUT 60
      PROPERTIES LABELS ${T_LABEL} TIMEOUT ${timeout})
  endif()
  # Tests load plug-ins and run staged programs: build those first.
  if(TARGET orvane_staged)
    add_dependencies(${T_NAME} orvane_staged)
  endif()
endfunction()

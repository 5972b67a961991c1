# orvane_add_test(NAME <target> SOURCES ... LIBS ... [LABEL Unit|Integration|Slow] [QT]
#                 [THREADS])
#
# One test executable per area. Each test executable gets its own temporary
# folder and XDG folders, the staged install directory and Qt's offscreen
# platform. GoogleTest executables set these up in their own main() (so they
# also hold when a test binary is run by hand); Qt Test executables get them
# through CTest. Labels carry time-outs.
#
# THREADS marks the tests of code that runs on more than one thread (the
# link, the simulator, the transfers): they also get the label "Threads",
# and the target orvane_thread_tests builds them. QT tests (the widgets on
# the offscreen platform, where Qt runs threads of its own and the panel
# operations run on a worker) also get the label "Gui", and the target
# orvane_gui_tests builds them. A ThreadSanitizer build
# (scripts/test-tsan.sh) builds and runs just those two groups:
#   cmake --build build/tsan --target orvane_thread_tests orvane_gui_tests
#   ctest --test-dir build/tsan -L 'Threads|Gui'
# Every test of a ThreadSanitizer build reads tests/tsan-suppressions.txt,
# which names races inside Qt (not instrumented) and nothing of ours.
include(GoogleTest)

set(ORVANE_TEST_TMP_ROOT ${CMAKE_BINARY_DIR}/test-tmp)
set(ORVANE_THREAD_TEST_LABEL Threads)
set(ORVANE_GUI_TEST_LABEL Gui)
add_custom_target(orvane_thread_tests)
add_custom_target(orvane_gui_tests)
if(ORVANE_SANITIZER STREQUAL "thread")
  # Sanitizer options are separated by colons. die_after_fork=0: QProcess
  # (the simulated panel, the virtual panel window) starts its child from
  # a process that already runs threads, and the sanitizer would otherwise
  # end that child before it reaches exec; it hides no report.
  set(ORVANE_TSAN_ENVIRONMENT "TSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/tsan-suppressions.txt:halt_on_error=1:second_deadlock_stack=1:die_after_fork=0")
else()
  set(ORVANE_TSAN_ENVIRONMENT "")
endif()

function(orvane_add_test)
  cmake_parse_arguments(T "QT;THREADS" "NAME;LABEL" "SOURCES;LIBS" ${ARGN})
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
    set(labels ${T_LABEL} ${ORVANE_GUI_TEST_LABEL})
    if(T_THREADS)
      list(APPEND labels ${ORVANE_THREAD_TEST_LABEL})
    endif()
    add_dependencies(orvane_gui_tests ${T_NAME})
    set(environment ${ORVANE_TSAN_ENVIRONMENT})
    list(APPEND environment "QT_QPA_PLATFORM=offscreen;ORVANE_STANDIN_IMAGES=1;ORVANE_INSTALL_DIR=${ORVANE_STAGE_INSTALL_DIR};ORVANE_STAGE_BIN=${ORVANE_STAGE_BIN};ORVANE_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data;ORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};TMPDIR=${tmp};XDG_CONFIG_HOME=${tmp}/config;XDG_DATA_HOME=${tmp}/data;XDG_RUNTIME_DIR=${tmp}/run")
    set_tests_properties(${T_NAME} PROPERTIES
      LABELS "${labels}" TIMEOUT ${timeout} ENVIRONMENT "${environment}")
  else()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} orvane_test_support GTest::gtest GTest::gmock)
    gtest_discover_tests(${T_NAME}
      DISCOVERY_TIMEOUT 60
      PROPERTIES LABELS ${T_LABEL} TIMEOUT ${timeout})
  endif()
  if(T_THREADS AND NOT T_QT)
    orvane_mark_thread_test(${T_NAME} ${T_LABEL})
  elseif(T_THREADS)
    add_dependencies(orvane_thread_tests ${T_NAME})
  endif()
  # Tests load plug-ins and run staged programs: build those first.
  if(TARGET orvane_staged)
    add_dependencies(${T_NAME} orvane_staged)
  endif()
endfunction()

# Adds the label "Threads" (and, in a ThreadSanitizer build, the
# suppressions) to every test of a GoogleTest executable. Its tests are only
# known once it is built, so a CTest include file that runs after the
# discovered list sets them: a list-valued LABELS cannot pass through
# gtest_discover_tests' PROPERTIES.
function(orvane_mark_thread_test target label)
  add_dependencies(orvane_thread_tests ${target})
  set(properties "LABELS [==[${label};${ORVANE_THREAD_TEST_LABEL}]==]")
  if(ORVANE_TSAN_ENVIRONMENT)
    string(APPEND properties " ENVIRONMENT [==[${ORVANE_TSAN_ENVIRONMENT}]==]")
  endif()
  set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_threads.cmake)
  file(WRITE ${include_file}
    "if(DEFINED ${target}_TESTS)\n"
    "  set_tests_properties(\${${target}_TESTS} PROPERTIES ${properties})\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()

# Compiler options every target of ours gets: warnings, sanitizers, visibility.
find_package(Threads REQUIRED)

set(ORVANE_SANITIZER_FLAGS "")
if(ORVANE_SANITIZER STREQUAL "address")
  set(ORVANE_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
elseif(ORVANE_SANITIZER STREQUAL "thread")
  set(ORVANE_SANITIZER_FLAGS -fsanitize=thread -fno-omit-frame-pointer)
elseif(NOT ORVANE_SANITIZER STREQUAL "")
  message(FATAL_ERROR "ORVANE_SANITIZER must be empty, 'address' or 'thread'")
endif()
if(ORVANE_SANITIZER_FLAGS)
  # Applied globally so that every object, plug-ins included, shares one runtime.
  add_compile_options(${ORVANE_SANITIZER_FLAGS})
  add_link_options(${ORVANE_SANITIZER_FLAGS})
endif()

if(ORVANE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ORVANE_FUZZ needs clang (CC=clang CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

function(orvane_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(ORVANE_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A libFuzzer target: built only when ORVANE_FUZZ is on. The target
# orvane_fuzzers builds them all.
function(orvane_add_fuzzer name)
  if(NOT ORVANE_FUZZ)
    return()
  endif()
  cmake_parse_arguments(FZ "PLUGINS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${FZ_SOURCES})
  target_link_libraries(${name} PRIVATE ${FZ_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  orvane_target_defaults(${name})
  # PLUGINS: the target runs on the staged install directory, Corvel and
  # every PLC driver plug-in built before it.
  if(FZ_PLUGINS)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
    target_compile_definitions(${name} PRIVATE
      ORVANE_FUZZ_INSTALL_DIR="${ORVANE_STAGE_INSTALL_DIR}")
    get_property(drivers GLOBAL PROPERTY ORVANE_PLC_DRIVERS)
    add_dependencies(${name} corvel ${drivers})
  endif()
  if(NOT TARGET orvane_fuzzers)
    add_custom_target(orvane_fuzzers)
  endif()
  add_dependencies(orvane_fuzzers ${name})
endfunction()

# The staging tree mirrors an installation, so every program runs from the
# build tree without installing:
#   stage/bin/                 orvane, orvane-cli, orvane-panelsim
#   stage/lib/orvane/          the install directory: libcorvel, libverlin
#   stage/lib/orvane/dll/      the PLC driver plug-ins and their help files
#   stage/lib/orvane/driver/   the panel maker's driver images (none: see its README)
#   stage/share/orvane/standin/ stand-in driver images for the simulated panel
set(ORVANE_STAGE_DIR ${CMAKE_BINARY_DIR}/stage)
set(ORVANE_STAGE_BIN ${ORVANE_STAGE_DIR}/bin)
set(ORVANE_INSTALL_SUBDIR lib/orvane)
set(ORVANE_STAGE_INSTALL_DIR ${ORVANE_STAGE_DIR}/${ORVANE_INSTALL_SUBDIR})
set(ORVANE_STAGE_PLUGIN_DIR ${ORVANE_STAGE_INSTALL_DIR}/dll)
set(ORVANE_STAGE_DRIVER_DIR ${ORVANE_STAGE_INSTALL_DIR}/driver)
set(ORVANE_STANDIN_SUBDIR share/orvane/standin)
set(ORVANE_STAGE_STANDIN_DIR ${ORVANE_STAGE_DIR}/${ORVANE_STANDIN_SUBDIR})
file(MAKE_DIRECTORY ${ORVANE_STAGE_BIN} ${ORVANE_STAGE_PLUGIN_DIR} ${ORVANE_STAGE_DRIVER_DIR}
     ${ORVANE_STAGE_STANDIN_DIR})

# A program of ours: staged in bin/.
function(orvane_stage_program target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ORVANE_STAGE_BIN})
  install(TARGETS ${target} RUNTIME DESTINATION bin)
endfunction()

# A shared library that lives in the install directory itself (Corvel, Verlin).
function(orvane_stage_install_library target)
  set_target_properties(${target} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${ORVANE_STAGE_INSTALL_DIR})
  install(TARGETS ${target} LIBRARY DESTINATION ${ORVANE_INSTALL_SUBDIR})
endfunction()

# A PLC driver plug-in: a module named after its deliverable (Brisko.so), with
# hidden visibility so only the contract's exports leave it, and a run path
# that finds Corvel one folder up.
function(orvane_add_plugin target)
  cmake_parse_arguments(PL "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${target} MODULE ${PL_SOURCES})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${target}
    LIBRARY_OUTPUT_DIRECTORY ${ORVANE_STAGE_PLUGIN_DIR}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    BUILD_RPATH "$ORIGIN/.."
    INSTALL_RPATH "$ORIGIN/..")
  target_link_libraries(${target} PRIVATE ${PL_LIBS})
  if(NOT ORVANE_SANITIZER AND NOT ORVANE_FUZZ)
    # Every symbol a plug-in needs must come from its own link line.
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
  orvane_target_defaults(${target})
  install(TARGETS ${target} LIBRARY DESTINATION ${ORVANE_INSTALL_SUBDIR}/dll)
endfunction()

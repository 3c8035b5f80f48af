# Gives a Windows executable the project's version resource (fixed file
# version = PROJECT_VERSION, e.g. 0.0.7.1). Does nothing on other platforms,
# where the version is compiled in instead.
function(orvo_add_version_resource target description)
  if(NOT WIN32)
    return()
  endif()
  string(REPLACE "." "," ORVO_RC_VERSION_COMMAS "${PROJECT_VERSION}")
  set(ORVO_RC_DESCRIPTION "${description}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

# Windows resources of the programs: the version block (fixed file version =
# PROJECT_VERSION, e.g. 0.0.7.1, which the analytics envelope reports), the
# icon and the application manifest. Does nothing on other platforms, where
# the version is compiled in instead.
#
# The icon is drawn by tools/artgen when the window's artwork is (qml/), into
# ORVO_PROGRAM_ICON; the target "programicon" stands for it. Without Qt
# (the back-end tests) there is no artwork and no icon.
set(ORVO_PROGRAM_ICON ${PROJECT_BINARY_DIR}/programicon/OrvoCheck.ico)

function(orvo_add_windows_resources target description)
  if(NOT WIN32)
    return()
  endif()
  string(REPLACE "." "," ORVO_RC_VERSION_COMMAS "${PROJECT_VERSION}")
  set(ORVO_RC_DESCRIPTION "${description}")
  set(ORVO_RC_INTERNAL_NAME "${target}")
  set(ORVO_RC_FILE_NAME "${target}${CMAKE_EXECUTABLE_SUFFIX}")
  # SOURCE_DATE_EPOCH, when set, fixes the year for a reproducible build.
  string(TIMESTAMP ORVO_RC_YEAR "%Y" UTC)
  set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/program.manifest.in ${manifest} @ONLY)
  set(ORVO_RC_MANIFEST "${manifest}")
  set(ORVO_RC_ICON "")
  if(ORVO_WITH_QT)
    set(ORVO_RC_ICON "IDI_ICON1 ICON \"${ORVO_PROGRAM_ICON}\"")
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/version.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${manifest}")
  target_sources(${target} PRIVATE ${rc})
  if(ORVO_WITH_QT)
    set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS "${ORVO_PROGRAM_ICON}")
    add_dependencies(${target} programicon)
  endif()
endfunction()

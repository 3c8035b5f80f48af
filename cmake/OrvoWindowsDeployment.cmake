# The Windows program as people get it: a folder laid out as windeployqt lays
# it out (the programs and every DLL they load at the top, platforms/,
# imageformats/, the QML modules under qml/, comp/ beside the programs), all
# in the install component "win32", zipped as OrvoCheck-<version>-win32.zip
# by scripts/windows-program.sh. Included by the top level after the targets.

# Qt's prefix, from where its CMake package was found.
get_filename_component(ORVO_QT_PREFIX "${Qt5Core_DIR}/../../.." ABSOLUTE)

install(TARGETS OrvoCheck orvocheck-report RUNTIME DESTINATION . COMPONENT win32)
install(FILES ${PROJECT_SOURCE_DIR}/comp/compDefault.json DESTINATION comp COMPONENT win32)
# Qt finds its prefix from where Qt5Core.dll is (one level up from bin/);
# here the DLLs sit beside the program, so the prefix is the program's folder
# and the QML modules are in its qml/.
file(WRITE ${PROJECT_BINARY_DIR}/qt.conf "[Paths]\nPrefix=.\n")
install(FILES ${PROJECT_BINARY_DIR}/qt.conf DESTINATION . COMPONENT win32)
install(FILES $<TARGET_FILE:Qt5::QWindowsIntegrationPlugin> DESTINATION platforms
        COMPONENT win32)
# The consent box's tick is an SVG image; the rest of the artwork is PNG,
# which Qt reads without a plugin.
install(FILES $<TARGET_FILE:Qt5::QSvgPlugin> DESTINATION imageformats COMPONENT win32)

# Where the compiler's runtime DLLs are: libstdc++ and libgcc beside the
# compiler's own libraries, winpthread in the target's system folder.
set(ORVO_WIN_RUNTIME_DIRS "${ORVO_QT_PREFIX}/bin")
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
    message(FATAL_ERROR "The compiler does not know where ${dll} is")
  endif()
  get_filename_component(dir "${found}" DIRECTORY)
  list(APPEND ORVO_WIN_RUNTIME_DIRS "${dir}")
  get_filename_component(found "${found}" REALPATH)
  list(APPEND ORVO_WIN_RUNTIME_FILES "${found}")
endforeach()

# README.txt and licenses/ (needs ORVO_WIN_RUNTIME_FILES).
include(OrvoWindowsTexts)

# The QML modules and the DLLs are found when the component is installed:
# qmlimportscanner reads the documents, and the programs' and plugins'
# import tables say which DLLs they load.
set(ORVO_QML_SOURCE_DIR ${PROJECT_SOURCE_DIR}/qml)
# What qmlimportscanner finds but Qt never loads for these documents: QtQml's
# qmldir names QtQml.Models and QtQml.WorkerScript as dependencies for the
# tools only, and only parts of Controls 1 the window does not use import the
# rest (TreeView, the Flat style). The run under Wine fails on a deployed DLL
# that is never loaded and on a loaded one that is missing
# (tests/windows_program/check_zip.py): it says when this list is out of date.
set(ORVO_QML_MODULES_UNUSED QtQml.Models QtQml.WorkerScript QtQuick.Extras
    QtQuick.Extras.Private QtQuick.Extras.Private.CppUtils)
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/deploy_runtime.cmake.in
               ${PROJECT_BINARY_DIR}/deploy_runtime.cmake @ONLY)
install(SCRIPT ${PROJECT_BINARY_DIR}/deploy_runtime.cmake COMPONENT win32)

# scripts/windows-program.sh installs the component into a folder of this
# name and zips it with cmake/windows/pack_zip.py, which, unlike CPack, gives
# the same zip for the same files.
set(ORVO_WIN_PACKAGE_NAME OrvoCheck-${PROJECT_VERSION}-win32 CACHE INTERNAL
    "Name of the Windows zip and of its top folder")

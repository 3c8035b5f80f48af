# The texts of the Windows zip: README.txt, and under licenses/ the licence
# of every third-party part it ships, taken from the Debian packages and the
# sources the build used (Qt's notices from Debian's packages of the same Qt
# release), with the offer of Qt's source. Included by
# OrvoWindowsDeployment.cmake, which has found the runtime DLLs
# (ORVO_WIN_RUNTIME_FILES: libstdc++, winpthread).

# The readme and licences/, in Windows' line ends (Notepad before Windows 10
# shows anything else as one line). Debian's notices name the full licence
# texts by where a Debian system keeps them, /usr/share/common-licenses/,
# which a Windows user does not have: each text named is shipped as
# licenses/<name>.txt and the notice names it there instead. The longest
# names are replaced first, so that "GPL" never eats the start of "GPL-3".
function(orvo_windows_text source destination)
  if(NOT EXISTS "${source}")
    message(FATAL_ERROR "No ${source} for ${destination} in the Windows zip")
  endif()
  file(READ "${source}" text)
  string(REGEX MATCHALL "/usr/share/common-licenses/[A-Za-z0-9+_-]+(\\.[0-9]+)*" named "${text}")
  list(REMOVE_DUPLICATES named)
  list(SORT named ORDER DESCENDING)
  foreach(path ${named})
    if(NOT EXISTS "${path}")
      message(FATAL_ERROR "${source} names ${path}, which is not on this machine")
    endif()
    # GPL, LGPL and GFDL are links to the newest version.
    get_filename_component(licence "${path}" REALPATH)
    get_filename_component(licence "${licence}" NAME)
    if(NOT EXISTS "${PROJECT_BINARY_DIR}/win32-texts/licenses/${licence}.txt")
      orvo_windows_text("${path}" "licenses/${licence}.txt")
    endif()
    string(REPLACE "${path}" "licenses\\${licence}.txt" text "${text}")
  endforeach()
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE "${PROJECT_BINARY_DIR}/win32-texts/${destination}" "${text}")
endfunction()
# The Debian copyright file of the package that holds <file>.
function(orvo_package_copyright file destination)
  execute_process(COMMAND ${ORVO_DPKG_QUERY} -S "${file}" OUTPUT_VARIABLE owner RESULT_VARIABLE rc)
  string(REGEX REPLACE "[:,].*" "" owner "${owner}")
  if(NOT rc EQUAL 0 OR owner STREQUAL "")
    message(FATAL_ERROR "No Debian package holds ${file}, whose licence the Windows zip needs")
  endif()
  orvo_windows_text(/usr/share/doc/${owner}/copyright "${destination}")
endfunction()
file(REMOVE_RECURSE "${PROJECT_BINARY_DIR}/win32-texts")
string(REGEX REPLACE "^[a-z]+://([^/:]+).*$" "\\1" ORVO_CONTENT_HOST "${ORVO_CONTENT_URL}")
foreach(text README.txt qt-source-offer.txt)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/${text}.in ${PROJECT_BINARY_DIR}/${text} @ONLY)
endforeach()
orvo_windows_text(${PROJECT_BINARY_DIR}/README.txt README.txt)
install(DIRECTORY ${PROJECT_BINARY_DIR}/win32-texts/ DESTINATION . COMPONENT win32)
find_program(ORVO_DPKG_QUERY dpkg-query)
if(NOT ORVO_DPKG_QUERY)
  message(WARNING "No dpkg-query: the Windows zip gets no licence texts, which it must have")
  return()
endif()
# Qt: the LGPL (which adds to the GPL), the offer of its source, and the
# notices of Debian's packages of the Qt release the DLLs were built from.
orvo_windows_text(${PROJECT_BINARY_DIR}/qt-source-offer.txt licenses/Qt/source-offer.txt)
orvo_windows_text(/usr/share/common-licenses/LGPL-3 licenses/LGPL-3.txt)
orvo_windows_text(/usr/share/common-licenses/GPL-3 licenses/GPL-3.txt)
foreach(pair qtbase:libqt5core5a qtdeclarative:libqt5qml5 qtsvg:libqt5svg5
             qtquickcontrols:qml-module-qtquick-controls)
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 module)
  list(GET pair 1 package)
  orvo_windows_text(/usr/share/doc/${package}/copyright licenses/Qt/${module}-copyright.txt)
endforeach()
# The compiler's runtime DLLs and the static libraries linked in.
list(GET ORVO_WIN_RUNTIME_FILES 0 libstdcxx)
list(GET ORVO_WIN_RUNTIME_FILES 1 winpthread)
orvo_package_copyright("${libstdcxx}" licenses/GCC-runtime/copyright.txt)
orvo_package_copyright("${winpthread}" licenses/winpthreads/copyright.txt)
orvo_package_copyright("${ZLIB_LIBRARY_RELEASE}" licenses/zlib/copyright.txt)
# The Roboto font, compiled into OrvoCheck.exe (qml/CMakeLists.txt).
orvo_package_copyright("${ORVO_ROBOTO_DIR}/Roboto-Regular.ttf" licenses/Roboto/copyright.txt)
orvo_windows_text(${ORVO_WIN_DEPS_PREFIX}/share/licenses/SQLite/LICENSE.md licenses/SQLite/LICENSE.txt)
orvo_windows_text(${ORVO_WIN_DEPS_PREFIX}/share/licenses/JsonCpp/LICENSE licenses/JsonCpp/LICENSE.txt)
orvo_windows_text(${ORVO_WIN_DEPS_PREFIX}/share/licenses/libsodium/copyright licenses/libsodium/copyright.txt)

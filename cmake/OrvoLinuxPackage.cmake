# The Debian package's fixed places and the build's commit time. Included
# before the subfolders: the engine compiles in where the installed
# programs live (checker/installed_layout.h), and every generated file
# takes its time stamps from the commit, so that two builds of one commit
# give the same package (packaging/ writes it).
set(ORVO_INSTALLED_BINDIR "")
set(ORVO_INSTALLED_DATADIR "")
if(NOT ORVO_WITH_QT OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux" OR CMAKE_CROSSCOMPILING)
  return()
endif()

set(ORVO_PACKAGE_PREFIX /usr CACHE PATH "Where the Debian package installs OrvoCheck")
set(ORVO_INSTALLED_BINDIR ${ORVO_PACKAGE_PREFIX}/bin)
set(ORVO_INSTALLED_DATADIR ${ORVO_PACKAGE_PREFIX}/share/orvocheck)

# The commit's time, as the Windows zip takes it; 0 outside a git checkout
# unless SOURCE_DATE_EPOCH is given.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ORVO_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                  OUTPUT_VARIABLE ORVO_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE git_result ERROR_QUIET)
  if(NOT git_result EQUAL 0 OR NOT ORVO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(STATUS "Not a git checkout and no SOURCE_DATE_EPOCH: package times are 1970's")
    set(ORVO_SOURCE_DATE_EPOCH 0)
  endif()
endif()
# rcc writes each resource's modification time into the program, and a
# fresh clone's files carry the time of the clone; help2man dates the page.
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
             "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${ORVO_SOURCE_DATE_EPOCH}")
# Read-only relocations, as Debian's hardening asks of a packaged program.
add_link_options(LINKER:-z,relro LINKER:-z,now)

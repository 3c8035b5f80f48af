# Shared part of the mingw-w64 toolchain files. Expects ORVO_MINGW_TRIPLE.
#   ORVO_WIN_DEPS_PREFIX  where SQLite, JsonCpp, libsodium and GoogleTest for the target
#                         were installed (cmake/windows-deps)
#   ORVO_QT_WIN_PREFIX    Qt 5.15 built for the target (scripts/windows-program.sh)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 6.1)

# The -posix compilers: the default win32 thread model has no std::thread
# or std::mutex.
set(CMAKE_C_COMPILER ${ORVO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVO_MINGW_TRIPLE}-windres)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVO_MINGW_TRIPLE ORVO_WIN_DEPS_PREFIX
     ORVO_QT_WIN_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/${ORVO_MINGW_TRIPLE})
if(ORVO_WIN_DEPS_PREFIX)
  list(PREPEND CMAKE_FIND_ROOT_PATH ${ORVO_WIN_DEPS_PREFIX})
endif()
if(ORVO_QT_WIN_PREFIX)
  list(PREPEND CMAKE_FIND_ROOT_PATH ${ORVO_QT_WIN_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static: the programs run without any DLL of the tool chain or of zlib
# beside them. With Qt, whose DLLs use the compiler's runtime DLLs, the
# program shares those instead of carrying a second copy.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
set(ZLIB_USE_STATIC_LIBS ON)
# No link time in the PE header or the export table: two links of the same
# objects give the same file.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
if(NOT ORVO_QT_WIN_PREFIX)
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -static -static-libgcc -static-libstdc++")
endif()

# Test programs run under Wine and are judged by their own output.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-test-runner.sh)

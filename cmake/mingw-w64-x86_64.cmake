# Cross-build for 64-bit Windows with MinGW-w64. The -posix compilers are the
# ones whose runtime has std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUILLORN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${QUILLORN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLORN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${QUILLORN_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUILLORN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# ctest runs the Windows test programs through Wine (see scripts/wine-run).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)

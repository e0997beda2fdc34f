# Shared by the mingw-w64 toolchain files; ZEMBRIX_MINGW_PREFIX names the target triple.
# The -posix compilers are used because the win32-threads build of libstdc++ has no
# std::mutex or std::thread.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${ZEMBRIX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZEMBRIX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${ZEMBRIX_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZEMBRIX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# No DLL may have to sit beside the exe on a bare Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Release builds ship without symbols: a third of the size, and less to map at start.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

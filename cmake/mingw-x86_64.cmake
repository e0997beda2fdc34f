# Cross-compiles a 64-bit twin of the program from the same sources. Machines whose kernel runs
# no 32-bit processes can still run 64-bit Wine, so the end-to-end tests use this build there.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZEMBRIX_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

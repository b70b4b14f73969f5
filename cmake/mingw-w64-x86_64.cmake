# Cross-compiles 64-bit Windows binaries with Debian's mingw-w64 (posix threads) and runs them under Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BRIVANE_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

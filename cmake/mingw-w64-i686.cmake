# Cross-compiles 32-bit Windows binaries with Debian's mingw-w64 (posix threads) and runs them under Wine's
# WoW64 (the i386 wine32 beside wine64).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(BRIVANE_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# 32-bit Windows: its tests need the 32-bit Wine (Debian's wine32), which the test command does not install.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZC_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# 32-bit Windows: the product. Its tests run under Debian's wine32.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZC_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# 32-bit Windows: built, not run (Debian's wine64 alone runs no 32-bit programs).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZC_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

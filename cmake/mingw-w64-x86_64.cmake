# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix thread model, which GoogleTest needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZC_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${ZC_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZC_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${ZC_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZC_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)


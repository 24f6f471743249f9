# Cross-compiling for Windows with Debian's mingw-w64 (posix thread model, which GoogleTest needs);
# included by the toolchain file of each target, which sets ZC_TRIPLE and the processor first.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${ZC_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZC_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${ZC_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZC_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

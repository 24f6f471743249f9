# Native build of the platform-free sources, for sanitizers, fuzzers and benchmarks.
option(ZC_SANITIZE "Build the native tests with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
set(ZC_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(-Wall -Wextra)

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# 64-bit Windows with Debian's mingw-w64:
#   cmake -S . -B build-windows/x86_64 --toolchain cmake/toolchains/x86_64-w64-mingw32.cmake
set(ANOD_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# 32-bit Windows with Debian's mingw-w64:
#   cmake -S . -B build-windows/i686 --toolchain cmake/toolchains/i686-w64-mingw32.cmake
set(ANOD_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

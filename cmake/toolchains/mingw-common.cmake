# Shared by the two mingw-w64 toolchains; ANOD_MINGW_TRIPLET names the target.
# Debian's "-posix" compilers use winpthreads, which std::thread and
# std::mutex need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${ANOD_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ANOD_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ANOD_MINGW_TRIPLET}-windres)

# The libraries scripts/windows-libs builds (libjpeg-turbo, GoogleTest).
if(NOT ANOD_WINDOWS_CACHE)
  if(DEFINED ENV{ANOD_WINDOWS_CACHE})
    set(ANOD_WINDOWS_CACHE $ENV{ANOD_WINDOWS_CACHE})
  elseif(DEFINED ENV{XDG_CACHE_HOME})
    set(ANOD_WINDOWS_CACHE $ENV{XDG_CACHE_HOME}/anodisation/windows)
  else()
    set(ANOD_WINDOWS_CACHE $ENV{HOME}/.cache/anodisation/windows)
  endif()
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${ANOD_MINGW_TRIPLET} ${ANOD_WINDOWS_CACHE}/${ANOD_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs that need nothing but the system's DLLs: the compiler's runtime
# (libgcc, libstdc++) and winpthreads are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

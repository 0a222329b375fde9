# The Windows build, cross-compiled with mingw-w64 (cmake/toolchains). Its
# test programs run under Wine: 64-bit ones with wine64, in a Wine prefix of
# the build folder's own; 32-bit ones only where this machine can run 32-bit
# programs at all (Wine's 32-bit loader and the kernel's 32-bit support).
# Elsewhere they are built and linked, and not registered with ctest.

if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    find_program(ANOD_WINE_LOADER NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
    find_program(ANOD_WINE_LOADER NAMES wine64)
  else()
    find_program(ANOD_WINE_LOADER NAMES wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
  endif()
  set(wine_runs OFF)
  if(ANOD_WINE_LOADER)
    execute_process(COMMAND ${ANOD_WINE_LOADER} --version
                    RESULT_VARIABLE wine_status OUTPUT_QUIET ERROR_QUIET)
    if(wine_status EQUAL 0)
      set(wine_runs ON)
    endif()
  endif()
  # scripts/windows-test reads it.
  set(ANOD_WINE_RUNS ${wine_runs} CACHE INTERNAL "Wine runs this build's programs")
  if(ANOD_WINE_RUNS)
    # No Mono or Gecko prompt when the prefix is created; no debug chatter.
    set(CMAKE_CROSSCOMPILING_EMULATOR
        env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
            ${ANOD_WINE_LOADER})
  else()
    math(EXPR bits "${CMAKE_SIZEOF_VOID_P} * 8")
    message(STATUS "Windows tests: built, not run (this machine cannot run "
                   "${bits}-bit Windows programs under Wine)")
  endif()
endif()

# Tests are listed when ctest runs them, under the emulator, never at build
# time: a build without a usable Wine still links every test program.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# What Windows reads from a program file besides its code, for each of the
# two programs (cmake/windows/):
#   the application manifest: system DPI awareness, common controls 6, the
#     supported systems;
#   the version resource: the product, a French description, PROJECT_VERSION,
#     the licence;
#   the icon in the sizes Explorer and the Start menu ask for (16, 24, 32, 48
#     and 256 pixels), put together by icotool from the desktop's icons that
#     the art generator draws (pictures/art/desktop).
#
#   anod_windows_program(anodisation "Calculs de surfaces pour anodisation de l'aluminium")
find_program(ANOD_ICOTOOL icotool REQUIRED)

set(ANOD_PROGRAM_ICON ${PROJECT_BINARY_DIR}/anodisation.ico)
set(icon_pngs)
foreach(size 16 24 32 48)
  list(APPEND icon_pngs ${PROJECT_SOURCE_DIR}/pictures/art/desktop/anodisation-${size}.png)
endforeach()
# The 256-pixel image stays a PNG inside the file (--raw), as Windows expects
# of that size: 7 KB instead of 256 KB of bitmap.
set(icon_256 ${PROJECT_SOURCE_DIR}/pictures/art/desktop/anodisation-256.png)
add_custom_command(
  OUTPUT ${ANOD_PROGRAM_ICON}
  COMMAND ${ANOD_ICOTOOL} --create --output=${ANOD_PROGRAM_ICON} ${icon_pngs} --raw=${icon_256}
  DEPENDS ${icon_pngs} ${icon_256}
  COMMENT "Putting the programs' icon together"
  VERBATIM)
add_custom_target(anod_program_icon DEPENDS ${ANOD_PROGRAM_ICON})

set(ANOD_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
set(ANOD_VERSION_QUAD "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")

# The manifest alone: the programs, and the test programs that drive their
# windows, so that those get the same controls (common controls 6) and the
# same DPI as the program.
function(anod_windows_manifest target description)
  set(ANOD_PROGRAM_NAME ${target})
  set(ANOD_PROGRAM_FILE ${target}.exe)
  set(ANOD_PROGRAM_DESCRIPTION "${description}")
  set(ANOD_PROGRAM_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_manifest.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/program.manifest.in ${ANOD_PROGRAM_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/manifest.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${ANOD_PROGRAM_MANIFEST})
endfunction()

function(anod_windows_program target description)
  anod_windows_manifest(${target} "${description}")
  set(ANOD_PROGRAM_NAME ${target})
  set(ANOD_PROGRAM_FILE ${target}.exe)
  set(ANOD_PROGRAM_DESCRIPTION "${description}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/program.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES
    COMPILE_OPTIONS "-c65001"
    OBJECT_DEPENDS ${ANOD_PROGRAM_ICON})
  add_dependencies(${target} anod_program_icon)
  if(BUILD_TESTING)
    add_test(NAME ${target}_resources
             COMMAND ${PROJECT_SOURCE_DIR}/tests/app/win32_program_resources.sh $<TARGET_FILE:${target}>
                     ${CMAKE_OBJDUMP} ${PROJECT_VERSION} "${description}")
  endif()
endfunction()

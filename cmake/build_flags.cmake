# The compiler and linker flags of the project's own code, on one interface
# target that every target of the project links (anod_link_build_flags, at
# the end of the top CMakeLists.txt). Code built from elsewhere gets none of
# them: GoogleTest and libjpeg-turbo for Windows are built by
# scripts/windows-libs with their own flags, so our -Werror never meets
# their warnings.
add_library(anod_build_flags INTERFACE)

# C and C++ only: the Windows resource compiler shares the targets.
set(anod_code $<COMPILE_LANGUAGE:C,CXX>)
target_compile_options(anod_build_flags INTERFACE "$<${anod_code}:-Wall;-Wextra>")
if(ANOD_WERROR)
  target_compile_options(anod_build_flags INTERFACE "$<${anod_code}:-Werror>")
endif()

# Objects name the checkout's files relative to it ("core/surface.cpp", the
# build folder "build/core"), in their debug information and __FILE__, so
# that a clone at another path (CI's) builds the same objects and the
# compiler cache serves them: ccache leaves the working directory out of its
# key when a prefix map covers it. A debugger started in the checkout finds
# the files from there.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(anod_build_flags INTERFACE
    "$<${anod_code}:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>")
endif()

if(ANOD_SANITIZE)
  target_compile_options(anod_build_flags INTERFACE
    "$<${anod_code}:-fsanitize=address,undefined;-fno-omit-frame-pointer;-fno-sanitize-recover=undefined>")
  target_link_options(anod_build_flags INTERFACE -fsanitize=address,undefined)
endif()

if(ANOD_FUZZ)
  # Everything the fuzz targets link is instrumented for coverage and checked
  # by the sanitizers; the targets themselves add -fsanitize=fuzzer.
  target_compile_options(anod_build_flags INTERFACE
    "$<${anod_code}:-fsanitize=fuzzer-no-link,address,undefined;-fno-omit-frame-pointer>")
  target_link_options(anod_build_flags INTERFACE -fsanitize=address,undefined)
endif()

# Links anod_build_flags into every library and program defined in DIR and
# the folders below it; interface libraries and custom targets compile
# nothing.
function(anod_link_build_flags dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      target_link_libraries(${target} PRIVATE anod_build_flags)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    anod_link_build_flags(${subdir})
  endforeach()
endfunction()

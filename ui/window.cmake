# The main window: its layout source compiled at build time into a byte
# stream carried as a C++ array, the reader that builds it, the window's model.

# The byte stream's values, writer and cursor, with the reader's messages.
add_library(anod_window_description_stream STATIC
  ${CMAKE_CURRENT_LIST_DIR}/description_stream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/read_messages.cpp
)
target_include_directories(anod_window_description_stream PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(anod_window_description_stream PUBLIC anod_core)

# The build-time compiler of the readable layout; pictures are written by the
# pictures module's value writer.
add_library(anod_window_layout_compiler STATIC ${CMAKE_CURRENT_LIST_DIR}/layout_compiler.cpp)
target_link_libraries(anod_window_layout_compiler PUBLIC anod_window_description_stream PRIVATE anod_pictures)

add_executable(anod-layout-compiler ${CMAKE_CURRENT_LIST_DIR}/layout_compiler_main.cpp)
target_link_libraries(anod-layout-compiler PRIVATE anod_window_layout_compiler)

set(ANOD_FORM1_SOURCE ${CMAKE_CURRENT_LIST_DIR}/form1.layout)
set(ANOD_FORM1_STREAM ${CMAKE_CURRENT_BINARY_DIR}/form1.anw)
set(ANOD_ART_DIR ${PROJECT_SOURCE_DIR}/pictures/art)
# A cross build that cannot run its own programs (32-bit Windows where Wine
# runs only 64-bit ones) takes the stream another build compiled: its bytes
# are the same on every platform.
set(ANOD_FORM1_STREAM_FROM "" CACHE FILEPATH "A compiled form1.anw to use instead of compiling the layout")
if(ANOD_FORM1_STREAM_FROM)
  add_custom_command(
    OUTPUT ${ANOD_FORM1_STREAM}
    COMMAND ${CMAKE_COMMAND} -E copy ${ANOD_FORM1_STREAM_FROM} ${ANOD_FORM1_STREAM}
    DEPENDS ${ANOD_FORM1_STREAM_FROM}
    COMMENT "Taking the main window's compiled layout from ${ANOD_FORM1_STREAM_FROM}"
    VERBATIM)
else()
  add_custom_command(
    OUTPUT ${ANOD_FORM1_STREAM}
    COMMAND anod-layout-compiler ${ANOD_FORM1_SOURCE} ${ANOD_FORM1_STREAM}
    DEPENDS anod-layout-compiler ${ANOD_FORM1_SOURCE}
            ${ANOD_ART_DIR}/cylinder.jpg ${ANOD_ART_DIR}/box.jpg ${ANOD_ART_DIR}/sphere.jpg
            ${ANOD_ART_DIR}/pyramid.jpg ${ANOD_ART_DIR}/degreasing.jpg ${ANOD_ART_DIR}/electrolysis.jpg
            ${ANOD_ART_DIR}/colouring.jpg ${ANOD_ART_DIR}/fixing.jpg ${ANOD_ART_DIR}/icon.ico
    COMMENT "Compiling the main window's layout"
    VERBATIM)
endif()

set(ANOD_FORM1_SOURCE_CPP ${CMAKE_CURRENT_BINARY_DIR}/form1_description.cpp)
add_custom_command(
  OUTPUT ${ANOD_FORM1_SOURCE_CPP}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${ANOD_FORM1_STREAM} -DOUTPUT=${ANOD_FORM1_SOURCE_CPP}
          -DHEADER=ui/form1_description.h -DFUNCTION=anod::Form1Description
          -P ${PROJECT_SOURCE_DIR}/cmake/embed_bytes.cmake
  DEPENDS ${ANOD_FORM1_STREAM} ${PROJECT_SOURCE_DIR}/cmake/embed_bytes.cmake
  COMMENT "Carrying the main window's description as a C++ array"
  VERBATIM)

# The window's model: built from the description, with its rules; no toolkit.
add_library(anod_window STATIC
  ${ANOD_FORM1_SOURCE_CPP}
  ${CMAKE_CURRENT_LIST_DIR}/property_values.cpp
  ${CMAKE_CURRENT_LIST_DIR}/description_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scaling.cpp
  ${CMAKE_CURRENT_LIST_DIR}/first_placement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_scroll.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_looks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawn_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawn_host.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windowed_models.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vivid_control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_builder.cpp
)
target_include_directories(anod_window PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(anod_window PUBLIC anod_window_description_stream anod_pictures anod_widgets)

# The main window: its layout source compiled at build time into a byte
# stream carried as a resource, the reader that builds it, the controls.

# The byte stream's values, writer and cursor, with the reader's messages.
add_library(anod_description_stream STATIC
  ${CMAKE_CURRENT_LIST_DIR}/description_stream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/read_messages.cpp
)
target_include_directories(anod_description_stream PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(anod_description_stream PUBLIC anod_core)

# The build-time compiler of the readable layout; pictures are written by the
# pictures module's value writer.
add_library(anod_layout_compiler_lib STATIC ${CMAKE_CURRENT_LIST_DIR}/layout_compiler.cpp)
target_link_libraries(anod_layout_compiler_lib PUBLIC anod_description_stream PRIVATE anod_pictures)

add_executable(anod_layout_compiler ${CMAKE_CURRENT_LIST_DIR}/layout_compiler_main.cpp)
target_link_libraries(anod_layout_compiler PRIVATE anod_layout_compiler_lib)

set(ANOD_FORM1_SOURCE ${CMAKE_CURRENT_LIST_DIR}/form1.layout)
set(ANOD_FORM1_STREAM ${CMAKE_CURRENT_BINARY_DIR}/form1.anw)
set(ANOD_ART_DIR ${PROJECT_SOURCE_DIR}/pictures/art)
add_custom_command(
  OUTPUT ${ANOD_FORM1_STREAM}
  COMMAND anod_layout_compiler ${ANOD_FORM1_SOURCE} ${ANOD_FORM1_STREAM}
  DEPENDS anod_layout_compiler ${ANOD_FORM1_SOURCE}
          ${ANOD_ART_DIR}/cylinder.jpg ${ANOD_ART_DIR}/box.jpg ${ANOD_ART_DIR}/sphere.jpg
          ${ANOD_ART_DIR}/pyramid.jpg ${ANOD_ART_DIR}/degreasing.jpg ${ANOD_ART_DIR}/electrolysis.jpg
          ${ANOD_ART_DIR}/colouring.jpg ${ANOD_ART_DIR}/fixing.jpg ${ANOD_ART_DIR}/icon.ico
  COMMENT "Compiling the main window's layout"
  VERBATIM)

add_library(anod_window STATIC
  ${CMAKE_CURRENT_LIST_DIR}/property_values.cpp
  ${CMAKE_CURRENT_LIST_DIR}/description_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scaling.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_looks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawn_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windowed_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_kinds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vivid_control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form1_description.cpp
)
target_include_directories(anod_window PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(anod_window PUBLIC anod_description_stream anod_platform_qt anod_pictures anod_widgets Qt6::Widgets)
set_source_files_properties(${ANOD_FORM1_STREAM} PROPERTIES QT_RESOURCE_ALIAS form1.anw)
qt_add_resources(anod_window anod_form1_description
  PREFIX /anodisation
  BASE ${CMAKE_CURRENT_BINARY_DIR}
  NO_COMPRESS
  FILES ${ANOD_FORM1_STREAM})

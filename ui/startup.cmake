# The program around the main window: the application object and its title,
# start-up, the wiring of the compute buttons, shutdown and error reporting.
add_library(anod_startup STATIC
  accessibility.cpp
  application.cpp
  application_title.cpp
  failure_report.cpp
  session_end.cpp
  startup.cpp
)
target_include_directories(anod_startup PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(anod_startup PUBLIC anod_window anod_widgets anod_platform_qt anod_core Qt6::Widgets ${CMAKE_DL_LIBS})

# The program around the main window, without a toolkit: the application
# title, the failure report and its routes, the wiring of the compute
# buttons to the calculators, the show request, the main window's life in
# start-up, the accessible names and the session's end signals. Each
# toolkit implements the service interfaces (message_box_service.h,
# window_services.h, screen_service.h, calculator_window.h) in its shell.
add_library(anod_program STATIC
  ${CMAKE_CURRENT_LIST_DIR}/application_title.cpp
  ${CMAKE_CURRENT_LIST_DIR}/failure_route.cpp
  ${CMAKE_CURRENT_LIST_DIR}/failure_report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calculator_wiring.cpp
  ${CMAKE_CURRENT_LIST_DIR}/show_request.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/accessible_names.cpp
)
if(WIN32)
  # The module of a code address, from its Win32 module handle.
  target_sources(anod_program PRIVATE ${CMAKE_CURRENT_LIST_DIR}/win32/code_place.cpp)
else()
  target_sources(anod_program PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/code_place.cpp
    ${CMAKE_CURRENT_LIST_DIR}/session_end_signals.cpp)
endif()
target_include_directories(anod_program PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(anod_program PUBLIC anod_core ${CMAKE_DL_LIBS})

# The window index (calc/WINDOWS.md) and the guide that links it.
#
# One window-title lister per program, linked with the same window libraries as the program,
# prints each registered window with its English title; scripts/make-window-index joins the
# lists with the files the windows register in. The test rebuilds the index into the build
# tree and fails, naming the command that refreshes it, when the committed one differs.
set(window_index_source ${CMAKE_SOURCE_DIR}/scripts/window-titles.cpp)
add_executable(window_titles ${window_index_source})
target_link_libraries(window_titles PRIVATE test_support)
spirelta_link_windows(window_titles shell ${SPIRELTA_CALC_LIBS})
add_executable(helidraw_window_titles ${window_index_source})
target_link_libraries(helidraw_window_titles PRIVATE test_support)
spirelta_link_windows(helidraw_window_titles cad)

set(window_index_command
    ${CMAKE_SOURCE_DIR}/scripts/make-window-index
    --lister SpireltaSpringV2024=$<TARGET_FILE:window_titles>
    --lister Helidraw=$<TARGET_FILE:helidraw_window_titles>)
add_custom_target(window_index
  COMMAND ${window_index_command} --output ${CMAKE_SOURCE_DIR}/calc/WINDOWS.md
  DEPENDS window_titles helidraw_window_titles
  COMMENT "Refreshing calc/WINDOWS.md"
  VERBATIM)
add_test(NAME window_index
         COMMAND ${window_index_command} --output ${CMAKE_CURRENT_BINARY_DIR}/WINDOWS.md
                 --expect ${CMAKE_SOURCE_DIR}/calc/WINDOWS.md)
# Every path the calculator guide names in backticks exists.
add_test(NAME guide_paths COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-guide-paths ${CMAKE_SOURCE_DIR}/calc/README.md)

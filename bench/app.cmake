# Typing into the main window: validation and the refresh of every display
# when a box is left.
add_executable(form_typing_bench ${CMAKE_CURRENT_LIST_DIR}/form_typing_bench.cpp)
target_link_libraries(form_typing_bench PRIVATE umbrafex_app benchmark::benchmark)

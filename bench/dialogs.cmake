# The location dialog with every city: opening it and one key in its search box.
add_executable(location_dialog_bench ${CMAKE_CURRENT_LIST_DIR}/location_dialog_bench.cpp)
target_link_libraries(location_dialog_bench PRIVATE umbrafex_dialogs benchmark::benchmark Qt6::Widgets)

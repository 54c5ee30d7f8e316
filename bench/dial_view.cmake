# The dial view: a latitude character typed to the repainted picture, and one
# step of the time slider.
add_executable(dial_view_bench ${CMAKE_CURRENT_LIST_DIR}/dial_view_bench.cpp)
target_link_libraries(dial_view_bench PRIVATE umbrafex_app benchmark::benchmark)

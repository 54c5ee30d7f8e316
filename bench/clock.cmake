# Desktop sundial: one redraw at 500 x 500 px (the track bar's drag path), and
# the memory of a day of minute steps in free mode.
add_executable(clock_bench ${CMAKE_CURRENT_LIST_DIR}/clock_bench.cpp)
target_link_libraries(clock_bench PRIVATE umbrafex_clock benchmark::benchmark)

# The engine's sun positions against the bare formulas and against libnova.
add_executable(engine_bench ${CMAKE_CURRENT_LIST_DIR}/engine_bench.cpp)
target_link_libraries(engine_bench PRIVATE umbrafex_engine benchmark::benchmark nova)

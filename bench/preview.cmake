# Export and preview: the one-page A4 PDF as a whole process against a
# program that only opens the same PDF page and draws one line, and one A4
# page rendered at the preview's 200 % zoom.
add_executable(bench_pdf_floor ${CMAKE_CURRENT_LIST_DIR}/export_pdf_floor.cpp)
target_link_libraries(bench_pdf_floor PRIVATE Qt6::Gui)
# The honest floor: the same page, recorded once and replayed in a bare Qt
# program (scripts/bench-export).
add_executable(bench_record_export_page ${CMAKE_CURRENT_LIST_DIR}/record_export_page.cpp)
target_link_libraries(bench_record_export_page PRIVATE umbrafex_print)
add_executable(bench_export_replay_floor ${CMAKE_CURRENT_LIST_DIR}/export_page_replay_floor.cpp)
target_link_libraries(bench_export_replay_floor PRIVATE Qt6::Gui)

add_executable(preview_render_bench ${CMAKE_CURRENT_LIST_DIR}/preview_render_bench.cpp)
target_link_libraries(preview_render_bench PRIVATE umbrafex_preview benchmark::benchmark)

# Start-up: the floor program the desktop program's start is compared with.
add_executable(bench_startup_floor ${CMAKE_CURRENT_LIST_DIR}/startup_floor.cpp)
target_link_libraries(bench_startup_floor PRIVATE Qt6::Widgets)

# The preview window: zoom or page change and scrolling at A3 200 %.
add_executable(preview_window_bench ${CMAKE_CURRENT_LIST_DIR}/preview_window_bench.cpp)
target_link_libraries(preview_window_bench PRIVATE umbrafex_preview benchmark::benchmark Qt6::Widgets)

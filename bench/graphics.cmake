# Benchmark of recording 32767 symbols and writing them as metafile and SVG.
lavix_add_benchmark(bench_graphics SOURCES GraphicsBench.cpp LIBS lavix_graphics)
# The XY diagram of 32767 rows: record, replay into an image, WMF and SVG (the replay needs Qt).
if(LAVIX_GUI)
  add_executable(bench_redraw RedrawBench.cpp)
  target_link_libraries(bench_redraw PRIVATE lavix_diagram lavix_qtui lavix_options benchmark::benchmark)
  target_include_directories(bench_redraw PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(bench_redraw PRIVATE LAVIX_PROGRAMFOLDER_DIR="${LAVIX_PROGRAMFOLDER_SOURCE}")
endif()

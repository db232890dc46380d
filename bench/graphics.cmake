# Benchmark of recording 32767 symbols and writing them as metafile and SVG.
lavix_add_benchmark(bench_graphics SOURCES GraphicsBench.cpp LIBS lavix_graphics)

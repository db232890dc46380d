# Benchmark of the regression and hyperbola fits at 32767 rows and of the longest model curve.
lavix_add_benchmark(bench_models SOURCES ModelsBench.cpp LIBS lavix_models)

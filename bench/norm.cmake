# Benchmark of lavix's CIPW norm columns over the largest data set (32767 rows).
lavix_add_benchmark(bench_cipw SOURCES CipwBench.cpp LIBS lavix_app lavix_norm)

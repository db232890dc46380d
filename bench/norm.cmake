# The CIPW norm of one row, over the largest data set (32767 rows); the columns: bench_matrix.
lavix_add_benchmark(bench_cipw SOURCES CipwBench.cpp LIBS lavix_norm)

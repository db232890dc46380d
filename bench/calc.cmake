# Benchmark of the formula evaluator at the largest data set (32767 rows).
lavix_add_benchmark(bench_formula SOURCES FormulaBench.cpp LIBS lavix_calc)

# Benchmarks of the recalculations at the largest data set (32767 rows).
lavix_add_benchmark(bench_recalc SOURCES RecalcBench.cpp LIBS lavix_recalc lavix_config)
target_compile_definitions(bench_recalc PRIVATE LAVIX_PROGRAMFOLDER_DIR="${LAVIX_PROGRAMFOLDER_SOURCE}")

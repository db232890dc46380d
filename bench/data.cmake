# Benchmark of the rock data file reader at the largest matrix (32767 rows x 150 columns).
lavix_add_benchmark(bench_data_file_reader SOURCES DataFileReaderBench.cpp LIBS lavix_data)
# The data entry grid over the same matrix: opening "modify" and saving edits.
lavix_add_benchmark(bench_entry_grid SOURCES EntryGridBench.cpp LIBS lavix_data)

# Fuzz target of the rock data file reader (replace, merge and clipboard loads).
lavix_add_fuzzer(fuzz_data_file_reader SOURCES data_file_reader.cpp LIBS lavix_data)

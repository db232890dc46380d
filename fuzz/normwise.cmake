# Fuzz target of the normwise sample reader, driven on through a calculation and the report.
lavix_add_fuzzer(fuzz_normwise_samples SOURCES normwise_samples.cpp LIBS lavix_normwise)

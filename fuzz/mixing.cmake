# Fuzz target of mixing's partition-coefficient, weight, rock and mineral file readers.
lavix_add_fuzzer(fuzz_mixing_readers SOURCES mixing_readers.cpp LIBS lavix_mixing)

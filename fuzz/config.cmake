# Fuzzers of the configuration readers: standard table, preferences, recent files, page
# layout, normalisation and symbol files.
lavix_add_fuzzer(fuzz_config_readers SOURCES ${CMAKE_CURRENT_LIST_DIR}/config_readers.cpp
                 LIBS lavix_config lavix_calc lavix_diagram)
lavix_add_fuzzer(fuzz_symbol_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/symbol_file.cpp LIBS lavix_diagram)

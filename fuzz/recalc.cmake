# Fuzz target of the parameter definition files (pearce.txt, extra.txt).
lavix_add_fuzzer(fuzz_parameter_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/parameter_file.cpp LIBS lavix_recalc)

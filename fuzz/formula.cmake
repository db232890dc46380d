# Fuzz target of the formula evaluator: any bytes as formula text.
lavix_add_fuzzer(fuzz_formula SOURCES ${CMAKE_CURRENT_LIST_DIR}/formula.cpp LIBS lavix_calc)

# The diagram library: classification of 32767 rows and the closed fields of the largest record.
lavix_add_benchmark(bench_library SOURCES LibraryBench.cpp LIBS lavix_diagram)
target_compile_definitions(bench_library PRIVATE LAVIX_LIBRARY_RECORDS="${PROJECT_SOURCE_DIR}/tests/data/library")

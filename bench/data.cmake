# Benchmark of the rock data file reader at the largest matrix (32767 rows x 150 columns).
lavix_add_benchmark(bench_data_file_reader SOURCES DataFileReaderBench.cpp TestDataFile.cpp LIBS lavix_data)
# The data entry grid over the same matrix: opening "modify" and saving edits.
lavix_add_benchmark(bench_entry_grid SOURCES EntryGridBench.cpp LIBS lavix_data)
# The benchmarks' data file on its own: make_data_file ROWS PATH.
add_executable(make_data_file MakeDataFile.cpp TestDataFile.cpp)
target_link_libraries(make_data_file PRIVATE lavix_format lavix_options)
target_include_directories(make_data_file PRIVATE ${PROJECT_SOURCE_DIR})
# Open, CIPW columns, a new variable and save through lavix's commands, 1000 to 32767 rows.
lavix_add_benchmark(bench_matrix SOURCES MatrixBench.cpp TestDataFile.cpp LIBS lavix_app)
target_compile_definitions(bench_matrix PRIVATE LAVIX_PROGRAMFOLDER_DIR="${LAVIX_PROGRAMFOLDER_SOURCE}")
# The programs as whole processes: start-up, open, save and CIPW columns against `cat`.
lavix_add_benchmark(bench_process SOURCES ProcessBench.cpp TestDataFile.cpp LIBS lavix_format)
target_compile_definitions(bench_process PRIVATE LAVIX_BIN_DIR="${LAVIX_BIN_DIR}")
add_dependencies(bench_process lavix normwise mixing lavix_programfolder)

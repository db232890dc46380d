# Fuzzers of the diagram engine's file readers: the spider pattern file.
lavix_add_fuzzer(fuzz_spider_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/spider_file.cpp LIBS lavix_diagram)
# The diagram library's record files, with the drawing and the classification of their fields.
lavix_add_fuzzer(fuzz_library_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/library_file.cpp LIBS lavix_diagram)

# Fuzz targets of lavix's spider models: the partition-coefficient file through the equations,
# and the model and mixing windows' inputs through their calculations.
lavix_add_fuzzer(fuzz_partition_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/partition_file.cpp LIBS lavix_models lavix_partition)
lavix_add_fuzzer(fuzz_spider_model SOURCES ${CMAKE_CURRENT_LIST_DIR}/spider_model.cpp LIBS lavix_app)

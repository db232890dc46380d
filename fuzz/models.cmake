# Fuzz targets of lavix's spider models: the partition-coefficient file through the equations,
# the model and mixing windows' inputs through their calculations, and the inverse model's regression data file.
lavix_add_fuzzer(fuzz_partition_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/partition_file.cpp LIBS lavix_models lavix_partition)
lavix_add_fuzzer(fuzz_spider_model SOURCES ${CMAKE_CURRENT_LIST_DIR}/spider_model.cpp LIBS lavix_app)
lavix_add_fuzzer(fuzz_regression_data SOURCES ${CMAKE_CURRENT_LIST_DIR}/regression_data.cpp LIBS lavix_models)

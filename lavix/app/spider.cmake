# The spider choices: pattern, samples and the Y scale.
target_sources(lavix_app PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SpiderCommands.cpp)

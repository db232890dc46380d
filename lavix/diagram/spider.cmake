# Spider patterns: the pattern file, element matching and the normalised lines.
target_sources(lavix_diagram PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SpiderPattern.cpp)

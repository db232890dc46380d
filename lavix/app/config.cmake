# The configuration file readers of lavix: standard table, preferences, recent files, page layout.
add_library(lavix_config STATIC
  ${CMAKE_CURRENT_LIST_DIR}/StandardTableFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Preferences.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecentFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageLayout.cpp)
target_include_directories(lavix_config PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(lavix_config PUBLIC lavix_data lavix_recalc lavix_text lavix_format lavix_options)

# The selection window's command, menuSelect.
target_sources(lavix_app PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SelectCommand.cpp)

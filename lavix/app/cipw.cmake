# The norm columns of the main window ("CIPW Norm" in the Calculate menu).
target_sources(lavix_app PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CipwColumns.cpp)
target_link_libraries(lavix_app PUBLIC lavix_norm)

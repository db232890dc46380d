# The output commands join the main window's library, with the picture port's batch side.
include(${PROJECT_SOURCE_DIR}/common/ui/picture.cmake)
target_sources(lavix_app PRIVATE ${CMAKE_CURRENT_LIST_DIR}/OutputCommands.cpp)
target_link_libraries(lavix_app PUBLIC lavix_ui_picture)

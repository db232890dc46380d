# The picture port's batch implementation; included by whichever folder needs it first.
if(NOT TARGET lavix_ui_picture)
  add_library(lavix_ui_picture STATIC ${CMAKE_CURRENT_LIST_DIR}/ScriptedPicture.cpp)
  target_include_directories(lavix_ui_picture PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(lavix_ui_picture PUBLIC lavix_ui lavix_graphics lavix_format lavix_options)
endif()

# The Qt printer port: text reports on the default printer. Included by whichever folder needs it first.
if(NOT TARGET lavix_qtprinter)
  add_library(lavix_qtprinter STATIC ${CMAKE_CURRENT_LIST_DIR}/QtPrinter.cpp ${CMAKE_CURRENT_LIST_DIR}/QtPrinter.h)
  target_include_directories(lavix_qtprinter PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_definitions(lavix_qtprinter PUBLIC QT_NO_KEYWORDS)
  target_link_libraries(lavix_qtprinter PUBLIC Qt6::Widgets Qt6::PrintSupport lavix_ui lavix_options)
endif()

# The view of the selection window joins the lavix views.
target_sources(lavix_qt PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SubSelectView.cpp ${CMAKE_CURRENT_LIST_DIR}/SubSelectView.h)

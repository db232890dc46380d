# The view of the symbol dialog joins the lavix views.
target_sources(lavix_qt PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SymformView.cpp ${CMAKE_CURRENT_LIST_DIR}/SymformView.h)

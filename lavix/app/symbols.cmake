# The symbol dialog joins the main window's library.
target_sources(lavix_app PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SymbolForm.cpp)

# Symbol drawing joins the diagram engine.
target_sources(lavix_diagram PRIVATE ${CMAKE_CURRENT_LIST_DIR}/DrawSymbol.cpp)

# The picture port on Qt: printing diagrams, PNG/PDF files and the clipboard's picture formats.
target_sources(lavix_qtui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/QtPicture.cpp)

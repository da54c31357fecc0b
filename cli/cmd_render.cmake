# render reads codes with the reader's palette (ui/reader, QtCore only).
target_link_libraries(chromanick-cli PRIVATE chromanick_reader)

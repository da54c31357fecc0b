# The main editor model: every choice and handler of the main editor, with
# no widgets (QtCore only). The window shows it and forwards events.
add_library(chromanick_editor STATIC
    ${CMAKE_CURRENT_LIST_DIR}/mainmodel.h
    ${CMAKE_CURRENT_LIST_DIR}/mainmodel_state.h
    ${CMAKE_CURRENT_LIST_DIR}/mainmodel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainmodel_files.cpp
)
target_include_directories(chromanick_editor PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(chromanick_editor PUBLIC
    chromanick_core
    chromanick_storage
    chromanick_platform
    Qt6::Core
)

# The commands that drive a main editor (project, save-project, export) share
# a headless editor session; they and compose read the user's decorations
# from the settings folder.
target_sources(chromanick-cli PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/editorsession.cpp
    ${CMAKE_CURRENT_LIST_DIR}/userdecorations.cpp
)
target_link_libraries(chromanick-cli PRIVATE chromanick_editor chromanick_storage)

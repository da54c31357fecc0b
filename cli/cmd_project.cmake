# The commands that drive a main editor (project, save-project, export) share
# a headless editor session.
target_sources(chromanick-cli PRIVATE ${CMAKE_CURRENT_LIST_DIR}/editorsession.cpp)
target_link_libraries(chromanick-cli PRIVATE chromanick_editor chromanick_storage)

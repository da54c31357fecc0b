# What `cmake --install` puts on the system: the two programs, the desktop
# entry, the icon and the licence of the emoticon pictures. Included at the end
# of the top-level CMakeLists.txt, once every target exists.
install(TARGETS chromanick chromanick-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_CURRENT_LIST_DIR}/chromanick.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/chromanick.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES
        ${CMAKE_CURRENT_LIST_DIR}/copyright
        ${PROJECT_SOURCE_DIR}/assets/emoticons/LICENSE-GRAPHICS.txt
        ${PROJECT_SOURCE_DIR}/assets/emoticons/SOURCES.md
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/chromanick)

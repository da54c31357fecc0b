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

# Manual pages and the Debian changelog, compressed as Debian wants them
# (gzip -9n) while the programs build. chromanick-cli's page is made from its
# own --help.
set(chromanick_packaging ${CMAKE_CURRENT_LIST_DIR})
set(chromanick_docs_dir ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(OUTPUT ${chromanick_docs_dir}/chromanick.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${chromanick_docs_dir}
    COMMAND ${CMAKE_COMMAND} -DIN=${chromanick_packaging}/chromanick.1
        -DOUT=${chromanick_docs_dir}/chromanick.1.gz -P ${chromanick_packaging}/gzip.cmake
    DEPENDS ${chromanick_packaging}/chromanick.1 ${chromanick_packaging}/gzip.cmake
    VERBATIM)
add_custom_command(OUTPUT ${chromanick_docs_dir}/changelog.Debian.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${chromanick_docs_dir}
    COMMAND ${CMAKE_COMMAND} -DIN=${chromanick_packaging}/changelog
        -DOUT=${chromanick_docs_dir}/changelog.Debian.gz -P ${chromanick_packaging}/gzip.cmake
    DEPENDS ${chromanick_packaging}/changelog ${chromanick_packaging}/gzip.cmake
    VERBATIM)
set(chromanick_docs ${chromanick_docs_dir}/chromanick.1.gz ${chromanick_docs_dir}/changelog.Debian.gz)
add_custom_command(OUTPUT ${chromanick_docs_dir}/chromanick-cli.1.gz
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
        ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:chromanick-cli> -DVERSION=${PROJECT_VERSION}
        -DOUT=${chromanick_docs_dir}/chromanick-cli.1 -P ${chromanick_packaging}/climanpage.cmake
    COMMAND ${CMAKE_COMMAND} -DIN=${chromanick_docs_dir}/chromanick-cli.1
        -DOUT=${chromanick_docs_dir}/chromanick-cli.1.gz -P ${chromanick_packaging}/gzip.cmake
    DEPENDS chromanick-cli ${chromanick_packaging}/climanpage.cmake
        ${chromanick_packaging}/gzip.cmake
    VERBATIM)
list(APPEND chromanick_docs ${chromanick_docs_dir}/chromanick-cli.1.gz)
install(FILES ${chromanick_docs_dir}/chromanick-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
add_custom_target(chromanick_docs ALL DEPENDS ${chromanick_docs})
install(FILES ${chromanick_docs_dir}/chromanick.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${chromanick_docs_dir}/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/chromanick)
# What lintian is told about a package that is not meant for the Debian archive.
install(FILES ${chromanick_packaging}/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME chromanick)

# What `cmake --install` puts on the system: the two programs, the desktop
# entry and its AppStream metadata with the screenshot it shows, the icon,
# chromanick-cli's bash completion and the licence of the emoticon pictures.
# Included at the end of the top-level CMakeLists.txt, once every target
# exists.
install(TARGETS chromanick chromanick-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_CURRENT_LIST_DIR}/${CHROMANICK_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/screenshots/main-editor.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/chromanick/screenshots)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/chromanick.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES
        ${CMAKE_CURRENT_LIST_DIR}/copyright
        ${PROJECT_SOURCE_DIR}/assets/emoticons/LICENSE-GRAPHICS.txt
        ${PROJECT_SOURCE_DIR}/assets/emoticons/SOURCES.md
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/chromanick)

# Manual pages and the Debian changelog, compressed as Debian wants them
# (gzip -9n) while the programs build. chromanick's page gets the project's
# version; chromanick-cli's page is made from its own --help.
set(chromanick_packaging ${CMAKE_CURRENT_LIST_DIR})
set(chromanick_docs_dir ${CMAKE_BINARY_DIR}/packaging)
configure_file(${chromanick_packaging}/chromanick.1.in ${chromanick_docs_dir}/chromanick.1 @ONLY)
add_custom_command(OUTPUT ${chromanick_docs_dir}/chromanick.1.gz
    COMMAND ${CMAKE_COMMAND} -DIN=${chromanick_docs_dir}/chromanick.1
        -DOUT=${chromanick_docs_dir}/chromanick.1.gz -P ${chromanick_packaging}/gzip.cmake
    DEPENDS ${chromanick_docs_dir}/chromanick.1 ${chromanick_packaging}/gzip.cmake
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

# chromanick-cli's bash completion, printed by the program from its command
# table, and the AppStream metadata with the releases of the changelog.
set(chromanick_completion ${chromanick_docs_dir}/chromanick-cli.bash-completion)
add_custom_command(OUTPUT ${chromanick_completion}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
        ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:chromanick-cli> -DARGS=bash-completion
        -DOUT=${chromanick_completion} -P ${chromanick_packaging}/capture.cmake
    DEPENDS chromanick-cli ${chromanick_packaging}/capture.cmake
    VERBATIM)
install(FILES ${chromanick_completion}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME chromanick-cli)
set(chromanick_metainfo ${chromanick_docs_dir}/${CHROMANICK_APP_ID}.metainfo.xml)
add_custom_command(OUTPUT ${chromanick_metainfo}
    COMMAND ${CMAKE_COMMAND} -DIN=${chromanick_packaging}/metainfo.xml.in
        -DAPP_ID=${CHROMANICK_APP_ID} -DCHANGELOG=${chromanick_packaging}/changelog
        -DSCREENSHOT=${chromanick_packaging}/screenshots/main-editor.png
        -DOUT=${chromanick_metainfo} -P ${chromanick_packaging}/metainfo.cmake
    DEPENDS ${chromanick_packaging}/metainfo.xml.in ${chromanick_packaging}/changelog
        ${chromanick_packaging}/screenshots/main-editor.png ${chromanick_packaging}/metainfo.cmake
    VERBATIM)
install(FILES ${chromanick_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
list(APPEND chromanick_docs ${chromanick_completion} ${chromanick_metainfo})
add_custom_target(chromanick_docs ALL DEPENDS ${chromanick_docs})
install(FILES ${chromanick_docs_dir}/chromanick.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${chromanick_docs_dir}/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/chromanick)
# What lintian is told about a package that is not meant for the Debian archive.
install(FILES ${chromanick_packaging}/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME chromanick)

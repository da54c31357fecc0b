# Debian package built from the install rules: `cpack --preset deb` after a
# release build (see the README, section "Installer").
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME chromanick)
set(CPACK_PACKAGE_VENDOR "Tiwakan, Chromanick TEam")
set(CPACK_PACKAGE_CONTACT "Tiwakan <tiwakan@chromanick.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pseudos en couleur pour Messenger Plus! 3")
# Lines of the extended description stay under 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Chromanick transforme un pseudo MSN en une ligne de codes de mise\n\
en forme Messenger Plus! 3 : couleurs, gras, souligné, italique,\n\
barré, décorations, émoticônes et lettres ressemblantes, avec un\n\
aperçu en direct et un éditeur de dégradés. Contient aussi\n\
chromanick-cli, le compositeur en ligne de commande.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# First packaging of this version: 6.0.0-1 (its changelog is
# packaging/changelog).
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.chromanick.example/")
# Libraries the binaries link are found by dpkg-shlibdeps, Qt Svg (which also
# holds the SVG icon engine and image format) among them; only the desktop
# platform plug-ins, which Qt loads at run time, are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins (>= 6.4)")
# French texts of Qt's own buttons and dialogs ("Oui", "Non", "Annuler"), a
# sans-serif as narrow as the classic one the windows are laid out for, and a
# colour emoji font, without which an emoji with a skin tone is drawn as boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, fonts-liberation2, fonts-noto-color-emoji")

include(CPack)

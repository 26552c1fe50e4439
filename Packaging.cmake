# The Debian package: `cpack -G DEB` in a build folder, or scripts/package.sh. Its runtime
# dependencies come from the shared libraries the executable links (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME reelminder)
set(CPACK_PACKAGE_VENDOR Kestro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of recorded video cassettes and their films")
set(CPACK_PACKAGE_DESCRIPTION
    "reelMINDER/32 keeps the catalogue of a household's recorded video cassettes: each cassette with \
its length, the films recorded on it with their counter positions, the recording time left, and a \
search across every cassette. In English and German.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kestro <reelminder@kestro.de>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in German (file and print dialogs); without them those dialogs speak English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The menu and the icon theme are read by the desktop; their caches are refreshed by its triggers.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "desktop-file-utils")
include(CPack)

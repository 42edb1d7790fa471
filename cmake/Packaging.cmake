# The Debian package: everything the install rules put under /usr, packed by CPack, with the
# dependencies that dpkg-shlibdeps finds for the program's libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quotabar)
set(CPACK_PACKAGE_VENDOR "Quotabar developers")
set(CPACK_PACKAGE_CONTACT "${QUOTABAR_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL https://quotabar.app/)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${QUOTABAR_BUILD_NUMBER}${QUOTABAR_DEBIAN_RELEASE_TAG})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's X11 platform plugin: Debian 13 moved it out of libqt6gui6 into this package, which that
# library only recommends, so an install without recommends could not start. Qt's SQLite driver,
# which reads the browsers' cookie databases, is a plugin that no library links either. The
# certificate authorities: every request is HTTPS, and Qt's network library only recommends them,
# so without them no figure could ever be fetched. dpkg-shlibdeps's findings are added to these.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, ca-certificates")
# Without the Wayland platform plugin Qt falls back to XWayland in a Wayland session; without Qt's
# own catalogues its standard buttons stay English in a translated session.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Claude and ChatGPT usage limits in the panel
Quotabar sits in the panel and shows how much of your Claude and ChatGPT
usage limits remains: the short rolling session window and the weekly
window, as remaining percentages, with the reset times one click away.")

include(CPack)

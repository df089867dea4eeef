# SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made by `cpack` (scripts/package): the installed tree
# under /usr, dependencies worked out from the program's shared libraries plus
# the Qt platform plugins it loads at run time (X11 and Wayland).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaryn-puzzle)
set(CPACK_PACKAGE_VENDOR "Tessaryn Puzzle developers")
set(CPACK_PACKAGE_CONTACT "Tessaryn Puzzle developers <puzzle@tessaryn.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo-finding game for one player")
set(CPACK_PACKAGE_DESCRIPTION
    "Twenty-five photographs lie face down on a five by five board. The film\n"
    "strip shows the photo to find next: hold a tile to peek at it, and press\n"
    "the one that holds the photo of the strip to turn it face up for good.\n"
    "The clock runs until every tile is face up, and the fastest games make\n"
    "the high-score list.\n"
    ".\n"
    "The game speaks English, German and Spanish. Its photos, sounds and music\n"
    "come from free collections: KDE Plasma, MATE and Lomiri wallpapers, the\n"
    "freedesktop sound theme and The Battle for Wesnoth.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# One package of everything but the plain install's bin/ program, which
# comes from the rule for /usr/games instead.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified debian_program)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tessaryn.example.org/")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)

# The Debian package: `cpack -G DEB` in the build folder makes corvane_<version>_<architecture>.deb.
# Debian keeps games in /usr/games, so the build for it is configured with CMAKE_INSTALL_BINDIR=games
# (scripts/package.sh does so, with Debian's hardening flags).
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CORVANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "logic puzzle: find the hidden fleet from the row and column counts
A fleet of ten ships hides on a grid of ten rows and ten columns: one
battleship, two cruisers, three destroyers and four submarines, which never
touch, not even at a corner. All the player sees is how many ship cells lie
in each row and each column.

Cells are marked with ship pieces and water from a menu of pictures until the
whole fleet is found. A clue reveals one cell for a point, Undo takes back the
last step, and the games solved and the average score are kept from one
session to the next.")
# The libraries come from the program itself; the toolkit's display plugins are loaded at run time, so
# no library dependency can name them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)

include(CPack)

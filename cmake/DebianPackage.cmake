# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of the same installation that `cmake --install` makes: `cpack -G DEB` in the
# build folder (scripts/package builds first) writes zephal_<version>_<architecture>.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zephal)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# Owners, modes and the control files as policy has them, whatever the umask of the build.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The address the project's commits are made from: lintian refuses one on localhost as an error.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Zephal developers <maintainers@users.noreply.c-seed-7e9a1741.example>")
# Debian files calculators under math; science holds the tools of a science's own work.
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "unit converter for structural and mechanical engineers")
# The long description as `apt show` prints it: lines within 80 columns, blank line between
# paragraphs.
set(CPACK_PACKAGE_DESCRIPTION [[
Zephal converts a value into every unit of an engineering quantity at
once (length, force, moment, stress, density, stiffness, heat flow and
many more), each with its scale factor. The results go to the clipboard
as text, or into a chart of 2D or turning 3D bars. A help window holds
consistent unit systems for structural analysis, physical constants and
the SI prefixes.

The quantities and units come from a plain text data file, installed in
/usr/share/zephal, which a user may copy to ~/.local/share/zephal, edit,
and open while the program runs.]])

# The libraries' packages come from dpkg-shlibdeps. The fonts that stand in for the ones the
# windows ask for (src/ui/fonts.cpp) are only recommended: without them the program runs with
# the fonts the system substitutes. On a Wayland desktop the windows open natively with Qt's
# Wayland plugin; without it they open through XWayland, where there is one.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation2, fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-comic-neue, qt6-wayland")

# Reproducible: cpack dates every file of the package by SOURCE_DATE_EPOCH, which this file
# sets to the time of the last commit when cpack starts.
set(CPACK_ZEPHAL_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageDate.cmake)

include(CPack)

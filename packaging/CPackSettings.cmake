# SPDX-License-Identifier: MIT
# The Debian package built by `make deb`: dependencies from dpkg-shlibdeps, plus the Qt
# plugins the program loads at run time (the X11/Wayland platform and the SVG icon engine).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mensurio)
set(CPACK_PACKAGE_VENDOR "The Mensurio developers")
set(CPACK_PACKAGE_CONTACT "The Mensurio developers <developers@mensurio.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "unit converter for the desktop and the command line")
# CPack puts the summary on the first line itself; this is the extended description only.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Mensurio converts what you type between units of about a hundred categories
(length, pressure, temperature, fuel efficiency, number systems and more),
in one unit, split over several units, or in every unit of a category,
with 80-bit extended precision. mensurio-cli converts on the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision: the package is built from the upstream source, not a native package.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_MENSURIO_DEBIAN_CHANGELOG ${MENSURIO_DEBIAN_CHANGELOG})
set(CPACK_MENSURIO_LINTIAN_OVERRIDES ${CMAKE_CURRENT_LIST_DIR}/debian/lintian-overrides)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianPackageFiles.cmake)
include(CPack)

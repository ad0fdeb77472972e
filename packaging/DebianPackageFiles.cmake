# SPDX-License-Identifier: MIT
# Run by CPack after it has installed into its staging folder, before it builds the .deb: adds
# what only the Debian package carries: its changelog and lintian overrides, of no use to
# `make install`.
set(doc "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/mensurio")
if(NOT IS_DIRECTORY "${doc}")
  message(FATAL_ERROR "no ${doc} in the package's staging folder")
endif()
file(COPY_FILE "${CPACK_MENSURIO_DEBIAN_CHANGELOG}" "${doc}/changelog.Debian.gz")
file(MAKE_DIRECTORY "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/lintian/overrides")
file(COPY_FILE "${CPACK_MENSURIO_LINTIAN_OVERRIDES}"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/lintian/overrides/mensurio")

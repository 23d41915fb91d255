# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a build directory writes
# kavirel_<version>_<arch>.deb from what `cmake --install` installs.
# scripts/package builds it the Debian way (prefix /usr, programs in
# /usr/games, the distribution's hardening flags) and checks it with lintian.

set(KAVIREL_BALIK_SPRAVCE "Kavirel developers <kavirel@kavirel.cz>"
  CACHE STRING "Maintainer of the Debian package (name <address>)")
# The changelog's date is that of the version, so that the package is the
# same from one build to the next.
set(KAVIREL_BALIK_DATUM "Mon, 07 Dec 2026 00:00:00 +0000")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavirel)
set(CPACK_PACKAGE_VENDOR "Kavirel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "peg solitaire with a board editor and a solver")
set(CPACK_PACKAGE_DESCRIPTION
"Kavirel is a peg-solitaire game with a Czech user interface. A stone jumps
over a neighbouring stone into an empty field and the stone jumped over is
removed; in the reverse Leibniz variant the stone jumps over an empty field,
which receives a stone.

Play seventeen built-in boards and your own ones, keep boards in a catalogue,
design boards with target fields, and let a background search find a
solution and replay it. The command-line tool kavirel-resit solves boards
in scripts.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KAVIREL_BALIK_SPRAVCE}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs (files, colours) speak Czech only with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The Debian changelog belongs to the package only: it is added to the
# package's tree after the installation (see balik-changelog.cmake). The
# version has no Debian revision, so the package is native and its changelog
# is changelog.gz.
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in
  ${PROJECT_BINARY_DIR}/debian/changelog @ONLY)
set(KAVIREL_BALIK_CHANGELOG ${PROJECT_BINARY_DIR}/debian/changelog)

# Debian's policy puts the programs of a games package into /usr/games, and
# lintian rejects a package of section games without them.
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "games")
  message(STATUS "Debian package: programs go to /usr/${CMAKE_INSTALL_BINDIR}; "
    "Debian's games go to /usr/games (-DCMAKE_INSTALL_BINDIR=games, as scripts/package does)")
endif()
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/balik-changelog.cmake)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/debian/CPackKavirel.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT
  "set(KAVIREL_BALIK_CHANGELOG \"${KAVIREL_BALIK_CHANGELOG}\")\nset(KAVIREL_DOCDIR \"${CMAKE_INSTALL_DOCDIR}\")\n")

include(CPack)

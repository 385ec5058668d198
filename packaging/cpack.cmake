# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Trivex developers
# The Debian package of the program: scripts/package.sh runs `cpack -G DEB` on a
# Release build, scripts/check-package.sh runs lintian and the metadata validators
# on the result.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trivex)
set(CPACK_PACKAGE_VENDOR "Trivex developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Trivex developers <trivex@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "teaching tool for small weighted graphs / výuka malých ohodnocených grafů")
# Lintian wants the lines of the long description short; these stay under 72.
set(CPACK_PACKAGE_DESCRIPTION
"Trivex draws small weighted undirected graphs of up to ten vertices
and steps through the Kruskal, Jarnik and Boruvka spanning-tree
methods, vertex colouring, the score and the counts of spanning trees
and components. Czech user interface.

Trivex kreslí malé ohodnocené neorientované grafy o nejvýše deseti
vrcholech a krok za krokem předvádí hledání minimální kostry (Kruskal,
Jarník, Borůvka), barvení vrcholů, skóre grafu a počty koster
a komponent. Rozhraní je české.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Trivex developers <trivex@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://trivex.cz/")
# dpkg-shlibdeps (dpkg-dev) works out the Qt and C++ runtime packages; the Czech
# texts of Qt's own dialogs come from the translations, which no library names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The step window's buttons carry the media glyphs, which DejaVu lacks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-symbola")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# trivex_<version>_<arch>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)

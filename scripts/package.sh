#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Trivex developers
# Builds the Debian package of Trivex: a Release build in build-release with the
# compiler and linker flags Debian builds its packages with (all hardening on),
# then `cpack -G DEB`. The package lands in build-release/trivex_<version>_<arch>.deb;
# scripts/check-package.sh checks it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTRIVEX_TESTS=OFF -DTRIVEX_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" > /dev/null
cmake --build build-release -j2
rm -f build-release/trivex_*.deb
(cd build-release && cpack -G DEB)
ls build-release/trivex_*.deb

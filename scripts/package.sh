#!/usr/bin/env bash
# Builds the Debian package of Trivex: a Release build in build-release, then
# `cpack -G DEB`. The package lands in build-release/trivex_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTRIVEX_TESTS=OFF -DTRIVEX_BENCH=OFF > /dev/null
cmake --build build-release -j2
rm -f build-release/trivex_*.deb
(cd build-release && cpack -G DEB)
ls build-release/trivex_*.deb

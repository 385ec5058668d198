#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Trivex developers
# Cross-compiles the units that need no Qt (model, graph files, checks, number
# texts, code page, canvas, the exercise's logic) and their tests for 64-bit Windows with Debian's
# mingw-w64, warnings as errors, and runs the tests under Wine in a throw-away
# prefix, headless. `scripts/check-windows.sh compile` stops after the build.
# Exits non-zero when the build or a test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
build=build-windows
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$PWD/scripts/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DTRIVEX_PLAIN_ONLY=ON -DTRIVEX_WERROR=ON > /dev/null
cmake --build "$build" -j2
[ "${1:-run}" = compile ] && exit 0

wineserver=/usr/lib/wine/wineserver
command -v wineserver > /dev/null && wineserver="$(command -v wineserver)"
prefix="$(mktemp -d)"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
# The server of this prefix only; it would otherwise linger a few seconds.
trap '"$wineserver" -k 2> /dev/null || true; rm -rf "$prefix"' EXIT
ctest --test-dir "$build" --output-on-failure

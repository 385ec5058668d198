#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Trivex developers
# Remakes docs/trivex.png, the README's picture of the main window: the offscreen
# build opens examples/trida.grf through "Otevri" and shows its shortest spanning tree;
# and docs/prubeh.png, the step window in the middle of a Kruskal run on it; and
# docs/kresleni.png, a graph drawn with the mouse on the empty canvas; and docs/cviceni.png,
# the exercise window on a generated example.
# The file is opened from /tmp/trivex, so the picture does not show this checkout's path.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j2 --target make_screenshot
mkdir -p /tmp/trivex
cp examples/trida.grf /tmp/trivex/trida.grf
QT_QPA_PLATFORM=offscreen build/tools/make_screenshot /tmp/trivex/trida.grf docs/trivex.png docs/prubeh.png
QT_QPA_PLATFORM=offscreen build/tools/make_screenshot --kresba docs/kresleni.png
QT_QPA_PLATFORM=offscreen build/tools/make_screenshot --cviceni docs/cviceni.png
rm -f /tmp/trivex/trida.grf
rmdir /tmp/trivex 2> /dev/null || true
echo "docs/trivex.png, docs/prubeh.png, docs/kresleni.png and docs/cviceni.png written"

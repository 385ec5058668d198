#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Trivex developers
# Installs the Debian/Ubuntu packages Trivex needs to build, run and test, if any
# are missing. Usage: scripts/install-deps.sh [run|test]
set -euo pipefail

purpose="${1:-test}"
packages=(cmake make g++ qt6-base-dev fonts-dejavu-core)
packages+=(pkg-config libgraphviz-dev)  # the command line: cgraph reads DOT, gvc lays out imports
packages+=(qt6-svg-dev)  # the classroom layer saves the canvas as SVG
packages+=(fonts-symbola)  # the step window's button glyphs ⏮ and ⏭
packages+=(qt6-translations-l10n)  # Qt's own dialogs and buttons in Czech
if [ "$purpose" = test ]; then
  packages+=(libgtest-dev libbenchmark-dev clang libclang-rt-14-dev dpkg-dev file desktop-file-utils)
  packages+=(graphviz python3-networkx help2man)  # command-line tests: dot, networkx, the manual page
  packages+=(poppler-utils)  # the printing tests read the PDF pages back: pdfinfo, pdftotext, pdfimages
  packages+=(fonts-noto-mono)  # a fixed font that fontconfig calls "dual" spaced, as on most desktops
  packages+=(lintian appstream)  # scripts/check-package.sh
  packages+=(g++-mingw-w64-x86-64-posix wine64)  # scripts/check-windows.sh
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

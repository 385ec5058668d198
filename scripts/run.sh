#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Trivex developers
# Installs what is missing, builds Trivex and starts it. Usage: scripts/run.sh [FILE.grf]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIVEX_TESTS=OFF > /dev/null
cmake --build build -j2 --target trivex
exec build/trivex "$@"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Trivex developers
# Builds Trivex in Release with the benchmarks and runs them headless: the counts,
# the drawing and the files (extra arguments go to Google Benchmark, e.g.
# --benchmark_filter=PocetKoster), then the start-up against a bare Qt window
# (TRIVEX_BENCH_LAUNCHES launches each, default 21), one projector-size step of the
# step window, the command line as whole processes and a class set of worksheets.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTRIVEX_TESTS=OFF -DTRIVEX_BENCH=ON > /dev/null
cmake --build build-release -j2 --target bench_trivex bench_start bench_trida bench_cli
echo "Goals: spanning-tree count of any 15-vertex graph < 5 ms, one redraw < 1 ms, start-up < 1.5x a bare window,"
echo "       one step at 1920 x 1080 < 16 ms, a recording < 1 MB, --run kruskal < 1.5x --version,"
echo "       30 worksheets with pictures and keys < 1 s"
export QT_QPA_PLATFORM=offscreen
build-release/bench/bench_trivex "$@"
build-release/bench/bench_start "${TRIVEX_BENCH_LAUNCHES:-21}"
build-release/bench/bench_trida
build-release/bench/bench_cli

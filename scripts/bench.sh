#!/usr/bin/env bash
# Builds Trivex in Release with the benchmarks and runs them headless. Extra
# arguments go to Google Benchmark (e.g. --benchmark_filter=PocetKoster).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTRIVEX_TESTS=OFF -DTRIVEX_BENCH=ON > /dev/null
cmake --build build-release -j2 --target bench_trivex
echo "Goals: spanning-tree count of a 15-vertex graph < 5 ms, one redraw < 1 ms, start-up < 300 ms"
QT_QPA_PLATFORM=offscreen build-release/bench/bench_trivex "$@"

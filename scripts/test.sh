#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Trivex developers
# Installs what is missing, builds Trivex and runs the whole test suite headless:
# the normal build, the same suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# and bounded fuzz runs of the graph-file reader, the import readers and the whole import
# path. Exits non-zero when anything fails.
# TRIVEX_FUZZ_SECONDS (default 60) bounds the fuzz run; TRIVEX_QUICK=1 skips the
# sanitizer build and the fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen
jobs=2
passed=0
failed=0

# Runs ctest in a build folder and adds its counts to the totals.
run_suite() {
  local dir="$1" log
  log="$(mktemp)"
  local status=0
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" 2>&1 | tee "$log" || status=$?
  local line
  line="$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)"
  rm -f "$log"
  if [ -z "$line" ]; then
    echo "ctest in $dir ran no test"
    failed=$((failed + 1))
    return
  fi
  local total bad
  bad="$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<< "$line")"
  total="$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<< "$line")"
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  [ "$status" -eq 0 ] || [ "$bad" -gt 0 ] || failed=$((failed + 1))
}

echo "== Build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIVEX_TESTS=ON > /dev/null
cmake --build build -j "$jobs"
run_suite build

if [ "${TRIVEX_QUICK:-0}" != 1 ]; then
  echo "== Sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer), warnings as errors"
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTRIVEX_SANITIZE=ON -DTRIVEX_WERROR=ON -DTRIVEX_TESTS=ON > /dev/null
  cmake --build build-asan -j "$jobs"
  TRIVEX_ROBUSTNESS_STEPS="${TRIVEX_ROBUSTNESS_STEPS:-3000}" TRIVEX_EDITING_STEPS="${TRIVEX_EDITING_STEPS:-600}" \
    run_suite build-asan

  echo "== Fuzzing the graph-file reader and the import readers for ${TRIVEX_FUZZ_SECONDS:-60} s each"
  cmake -S . -B build-fuzz -DTRIVEX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug > /dev/null
  cmake --build build-fuzz -j "$jobs" --target fuzz_graf fuzz_vymena fuzz_import
  for target in fuzz_graf:fuzz/corpus fuzz_vymena:fuzz/corpus-vymena fuzz_import:fuzz/corpus-import; do
    fuzzer="${target%%:*}"
    corpus="${target#*:}"
    work="$(mktemp -d)"
    # The whole import path takes files up to 64 KB, with the formats' keywords; no single
    # allocation may pass 300 MB. Graphviz's layout keeps fontconfig's memory for the
    # process's lifetime, which the leak check would report at exit.
    extra=()
    fuzz_env=()
    if [ "$fuzzer" = fuzz_import ]; then
      extra=(-dict="$PWD/fuzz/import.dict" -max_len=65536 -malloc_limit_mb=300)
      fuzz_env=(ASAN_OPTIONS=detect_leaks=0)
    fi
    if (cd "$work" && env "${fuzz_env[@]}" "$OLDPWD/build-fuzz/$fuzzer" -max_total_time="${TRIVEX_FUZZ_SECONDS:-60}" \
          -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "${extra[@]}" "$work" "$OLDPWD/$corpus"); then
      passed=$((passed + 1))
    else
      echo "The fuzz run of $fuzzer found a failure; the input is in $work"
      failed=$((failed + 1))
    fi
  done
fi

echo "Trivex: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

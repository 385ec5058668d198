#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Trivex developers
# Makes the manual page from the program's own --help and --version, so that the two
# cannot drift apart. Usage: scripts/make-manpage.sh [BINARY [OUTPUT]]
# (defaults: build/trivex, packaging/trivex.1). A test runs it and compares.
set -euo pipefail
cd "$(dirname "$0")/.."
binary="${1:-build/trivex}"
output="${2:-packaging/trivex.1}"
# The date on the title line follows the version, not the day the page was made.
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-1767225600}"
page="$(help2man --no-info --section=1 --source="Trivex" \
  --name="a teaching tool for small weighted undirected graphs" "$binary")"
printf '%s\n' '.\" SPDX-License-Identifier: GPL-3.0-or-later' \
  '.\" Copyright (C) 2026 Trivex developers' "$page" > "$output"

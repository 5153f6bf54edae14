#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark on this machine and writes docs/performance.md and its chart
# docs/performance.svg: each figure with its goal and its ratio to the baseline of the same run.
#   ./scripts/bench.sh
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/deps.sh"
marrowleaf_install_missing $MARROWLEAF_BUILD_PACKAGES $MARROWLEAF_TEST_BUILD_PACKAGES \
  xvfb xauth python3 hunspell hunspell-en-us pandoc enscript ghostscript
cmake --preset default -S "$top" > /dev/null
cmake --build "$top/build/default"
out="$top/build/default/bench-results"
mkdir -p "$out"
b="$top/build/default/bench"
opts="--benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=json"
echo "== INI store"; "$b/ini_bench" $opts > "$out/ini.json"
"$b/ini_bench" --peak-memory > "$out/peak.txt"
echo "== entry files"; "$b/entry_bench" $opts > "$out/entry.json"
echo "== encryption"; "$b/crypto_bench" $opts > "$out/crypto.json"
echo "== window"; "$b/window_bench" $opts > "$out/window.json"
"$b/window_bench" --search-memory > "$out/search-memory.txt" 2> /dev/null
"$b/window_bench" --export-memory > "$out/export-memory.txt" 2> /dev/null
echo "== pictures"; "$b/pictures_bench" $opts > "$out/pictures.json"
"$b/pictures_bench" --memory > "$out/pictures-memory.txt" 2> /dev/null
echo "== start-up"; "$top/bench/startup.sh" "$top/build/default" 15 > "$out/startup.txt"
python3 "$top/bench/report.py" "$out" "$top/docs"
echo "wrote docs/performance.md and docs/performance.svg"

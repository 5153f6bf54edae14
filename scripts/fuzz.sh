#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (ASan + UBSan) and runs each for SECONDS (default 60),
# starting from the seed corpus in fuzz/corpus/. New inputs go to build/fuzz/corpus/, never into
# the checkout; a finding is kept as build/fuzz/crash-* and makes the script fail.
#   ./scripts/fuzz.sh [SECONDS]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
. "$top/scripts/deps.sh"
marrowleaf_install_missing cmake ninja-build clang libclang-rt-14-dev qt6-base-dev libxxhash-dev libyaml-cpp-dev \
  libzip-dev libsodium-dev pkg-config
cmake --preset fuzz -S "$top" > /dev/null
cmake --build "$top/build/fuzz"
status=0
for target in ini entry template import crypto; do
  corpus="$top/build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  echo "== fuzzing $target for $seconds s"
  if ! "$top/build/fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 \
      -artifact_prefix="$top/build/fuzz/" -print_final_stats=1 \
      "$corpus" "$top/fuzz/corpus/$target" > "$top/build/fuzz/$target.log" 2>&1; then
    status=1
    tail -n 40 "$top/build/fuzz/$target.log"
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$top/build/fuzz/$target.log" || true
done
exit "$status"

#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test: first the program alone with Make, then under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the optimised build with the packaging
# checks and memcheck, then each fuzzer for 60 s. Exits non-zero on any failure.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/deps.sh"
marrowleaf_install_missing $MARROWLEAF_BUILD_PACKAGES $MARROWLEAF_TEST_BUILD_PACKAGES \
  xvfb xauth xdotool x11-utils openbox clang-format util-linux \
  desktop-file-utils appstream man-db dpkg-dev lintian reuse valgrind poppler-utils \
  $MARROWLEAF_LANGUAGE_FONTS
jobs=$(nproc 2>/dev/null || echo 2)

echo "== licensing: every file says its licence and copyright"
(cd "$top" && reuse lint)

echo "== translations: every text in every language"
"$top/scripts/check-translations.sh"

echo "== formatting"
git -C "$top" ls-files -co --exclude-standard -- '*.cpp' '*.h' | (cd "$top" && xargs -r clang-format --dry-run --Werror)

echo "== the program with CMake's default generator (Make, as Debian's packaging builds it)"
cmake -S "$top" -B "$top/build/make" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMARROWLEAF_TESTS=OFF >/dev/null
cmake --build "$top/build/make" -j "$jobs" >/dev/null

echo "== sanitizer build: every test but packaging and the memcheck run"
cmake --preset asan -S "$top" >/dev/null
cmake --build "$top/build/asan" -j "$jobs"
ASAN_OPTIONS=verify_asan_link_order=0 ctest --test-dir "$top/build/asan" -LE "packaging|e2e|bench" \
  -E "valgrind_smoke|hostile_config" --output-on-failure -j "$jobs"
# The real program's runs: the toolkit's own leaks at exit are memcheck's business (with its
# suppressions), and a sanitized start may take longer than the 2 s an optimised one must meet.
ASAN_OPTIONS=detect_leaks=0 MARROWLEAF_START_LIMIT_MS=30000 ctest --test-dir "$top/build/asan" \
  -R "e2e_smoke|hostile_config" --output-on-failure

echo "== build and all tests"
cmake --preset default -S "$top" >/dev/null
cmake --build "$top/build/default" -j "$jobs"
ctest --test-dir "$top/build/default" --output-on-failure -j "$jobs"

echo "== fuzzing, 60 s per target"
"$top/scripts/fuzz.sh" 60

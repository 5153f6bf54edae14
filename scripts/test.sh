#!/bin/sh
# Builds everything and runs every test: the normal build, then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/deps.sh"
marrowleaf_install_missing $MARROWLEAF_BUILD_PACKAGES googletest libgtest-dev libbenchmark-dev \
  xvfb xauth xdotool x11-utils clang-format util-linux \
  desktop-file-utils appstream man-db dpkg-dev
jobs=$(nproc 2>/dev/null || echo 2)

echo "== formatting"
git -C "$top" ls-files -co --exclude-standard -- '*.cpp' '*.h' | (cd "$top" && xargs -r clang-format --dry-run --Werror)

echo "== sanitizer build (core and window tests)"
cmake --preset asan -S "$top" >/dev/null
cmake --build "$top/build/asan" -j "$jobs"
ctest --test-dir "$top/build/asan" -L "core|window" --output-on-failure -j "$jobs"

echo "== build and all tests"
cmake --preset default -S "$top" >/dev/null
cmake --build "$top/build/default" -j "$jobs"
ctest --test-dir "$top/build/default" --output-on-failure -j "$jobs"

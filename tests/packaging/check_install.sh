#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the desktop entry and the metainfo, installs the build in $1 into a temporary prefix
# and checks that every file a desktop needs is in place.
set -eu
build=$(realpath "$1")
src=$(cd "$(dirname "$0")/../.." && pwd)
id=org.marrowleaf.Marrowleaf
desktop-file-validate "$src/packaging/$id.desktop"
appstreamcli validate --no-net "$build/packaging/$id.metainfo.xml"
man --warnings -l "$build/packaging/marrowleaf.1" > /dev/null
grep -q '<release version="'"$(sed -n 's/^project(marrowleaf VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")"'"' \
  "$build/packaging/$id.metainfo.xml" || { echo "the metainfo's release is not the project's version"; exit 1; }

prefix=$(mktemp -d "${TMPDIR:-/tmp}/marrowleaf-prefix-XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
fail=0
for file in bin/marrowleaf bin/marrowleaf-diary \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/16x16/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man1/marrowleaf.1.gz share/man/man1/marrowleaf-diary.1.gz \
    share/doc/marrowleaf/copyright share/doc/marrowleaf/changelog.gz; do
  [ -s "$prefix/$file" ] || { echo "missing after install: $file"; fail=1; }
done
for program in bin/marrowleaf bin/marrowleaf-diary; do
  [ -x "$prefix/$program" ] || { echo "not executable: $program"; fail=1; }
done
grep -q '^Exec=marrowleaf-diary$' "$prefix/share/applications/$id.desktop" ||
  { echo "the desktop entry does not start the diary launcher"; fail=1; }
# The import's module lies where the program looks for it, and only it loads the archive, YAML
# and crypto libraries: a start of the diary loads none of them.
module=$(find "$prefix" -name libmarrowleaf_import.so)
case "$module" in
  "$prefix"/lib*/marrowleaf/libmarrowleaf_import.so) ;;
  *) echo "the import's module is not in lib/marrowleaf: '$module'"; fail=1 ;;
esac
if ldd "$prefix/bin/marrowleaf" | grep -Eq 'libzip|libcrypto|libyaml-cpp'; then
  echo "the program itself loads the import's libraries:"; ldd "$prefix/bin/marrowleaf"; fail=1
fi
[ "$fail" = 0 ] && echo "install: every file in place under a temporary prefix"
exit "$fail"

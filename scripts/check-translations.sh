#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a translation lacks a text: lupdate brings a copy of every translations/*.ts up to
# the sources, and a message it leaves unfinished (a new or changed text) or a file it changes
# (a text no longer in the sources) is reported.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
work=$(mktemp -d "${TMPDIR:-/tmp}/marrowleaf-ts-XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$top"/translations/*.ts "$work/"
(cd "$top" && "$lupdate" -silent -I . -locations none -no-obsolete app mainwindow find history \
  export spelling -ts "$work"/*.ts)
status=0
for ts in "$work"/*.ts; do
  name=$(basename "$ts")
  if grep -q 'type="unfinished"' "$ts"; then
    echo "translations/$name: texts without a translation:"
    grep -B 2 'type="unfinished"' "$ts" | grep '<source>' | sed 's/^ */  /'
    status=1
  fi
  if ! cmp -s "$ts" "$top/translations/$name"; then
    echo "translations/$name is not up to date with the sources (run lupdate, as README says):"
    diff "$top/translations/$name" "$ts" | head -n 20
    status=1
  fi
done
[ "$status" = 0 ] && echo "every text has its translation in: $(cd "$top/translations" && ls ./*.ts | tr '\n' ' ')"
exit "$status"

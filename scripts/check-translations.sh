#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a translation lacks a text: lupdate brings a copy of every translations/*.ts up to
# the sources, and a message it leaves unfinished (a new or changed text) or a file it changes
# (a text no longer in the sources) is reported.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
# Qt 6's own lupdate, as the build uses: the first one on PATH may be qtchooser's Qt 5 tool.
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
# Every folder of the program's windows: each top-level folder but the core's and the tooling's;
# and the import's table of formats, whose names for each format the import window shows.
folders=$(cd "$top" && echo engines/import && for d in */; do
  case "${d%/}" in
    config | crypto | entries | text | engines | diary | platform | tests | bench | fuzz | build* | docs | packaging | scripts | \
      translations | LICENSES) ;;
    *) echo "${d%/}" ;;
  esac
done)
work=$(mktemp -d "${TMPDIR:-/tmp}/marrowleaf-ts-XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$top"/translations/*.ts "$work/"
# English, the sources' own language, holds only the plural forms ("1 entry"): -pluralonly.
# shellcheck disable=SC2086
(cd "$top" && "$lupdate" -silent -I . -locations none -no-obsolete $folders \
  -ts $(ls "$work"/*.ts | grep -v '/marrowleaf_en\.ts$'))
# shellcheck disable=SC2086
(cd "$top" && "$lupdate" -silent -I . -locations none -no-obsolete -pluralonly $folders \
  -ts "$work/marrowleaf_en.ts")
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

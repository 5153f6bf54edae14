#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up against the floor, interleaved under one Xvfb: the bare Qt window, the diary on an
# empty folder (spelling on, as by default, and off), the diary on 20 years of entries in 3
# tabs and on a config.ini of a million keys, all under the C locale; and the diary with spelling off in each of its languages
# ("lang_fr_FR"), against the same under C. Prints "kind map_ms rss_kib cpu_ms" lines.
#   bench/startup.sh BUILD_DIR [RUNS]
set -eu
build=$(realpath "$1")
runs=${2:-15}
work=$(mktemp -d "${TMPDIR:-/tmp}/marrowleaf-startup-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/empty" "$work/full" "$work/nospelling" "$work/hugeconfig"
printf '[GENERAL]\r\nN_TABS = 3\r\n' > "$work/full/config.ini"
cp "$work/full/config.ini" "$work/empty/config.ini"
printf '[GENERAL]\r\nN_TABS = 3\r\n\r\n[SPELLING]\r\nLANGUAGE = off\r\n' > "$work/nospelling/config.ini"
# A config.ini of a million keys, about 50 MB, that another program filled.
awk 'BEGIN { print "[SPELLING]\nLANGUAGE=off\n[GENERAL]"
  for (i = 0; i < 1000000; i++) printf "KEY%07d=%040d\n", 1000000 - i, i }' > "$work/hugeconfig/config.ini"
# 20 years x 365 days x 3 tabs, about 22,000 entry files.
awk -v root="$work/full" 'BEGIN {
  for (y = 2006; y < 2026; y++) for (m = 1; m <= 12; m++) {
    system("mkdir -p " root "/" y "/" m)
    for (d = 1; d <= 30 + (m % 2); d++) if (d <= 28 || m != 2) for (t = 0; t < 3; t++) {
      f = root "/" y "/" m "/" d "_" t ".txt"
      print "entry of " y "-" m "-" d > f
      close(f)
    }
  }
}'
cat > "$work/run.sh" <<RUN
#!/bin/sh
set -eu
export LANG=C.UTF-8 LANGUAGE= LC_ALL=
start() {
  case "\$1" in
    lang_*) (cd "$work/nospelling" && LANG=\${1#lang_}.UTF-8 \
      "$build/bench/mapwait" 2000 "$build/marrowleaf") ;;
    bare) (cd "$work/empty" && "$build/bench/mapwait" 2000 "$build/bench/bare_window") ;;
    diary_empty) (cd "$work/empty" && "$build/bench/mapwait" 2000 "$build/marrowleaf") ;;
    diary_spelling_off) (cd "$work/nospelling" && "$build/bench/mapwait" 2000 "$build/marrowleaf") ;;
    diary_22000_files) (cd "$work/full" && "$build/bench/mapwait" 2000 "$build/marrowleaf") ;;
    diary_huge_config) (cd "$work/hugeconfig" && "$build/bench/mapwait" 2000 "$build/marrowleaf") ;;
  esac
}
# Each round starts with the next kind: a start right after another is slower than the others,
# and no kind should always take that place.
set -- bare diary_empty diary_spelling_off diary_22000_files diary_huge_config
for lang in ja_JP de_DE fr_FR es_ES it_IT pt_BR nl_NL ru_RU zh_CN ko_KR; do
  set -- "\$@" "lang_\$lang"
done
for i in \$(seq 1 $runs); do
  for kind in "\$@"; do printf '%s ' "\$kind"; start "\$kind"; done
  first=\$1; shift; set -- "\$@" "\$first"
done
RUN
chmod +x "$work/run.sh"
. "$(dirname "$0")/../tests/e2e/x11.sh"
marrowleaf_xvfb_run "$work/run.sh" 2> /dev/null

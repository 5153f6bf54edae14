#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/screenshot.png: the real window under Xvfb, on a small sample diary of this month;
# and docs/screenshot-ja.png, docs/screenshot-de.png and docs/screenshot-ru.png, the same window in
# Japanese, German and Russian: one for each script the diary writes in.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/deps.sh"
marrowleaf_install_missing $MARROWLEAF_BUILD_PACKAGES $MARROWLEAF_LANGUAGE_FONTS xvfb xauth \
  xdotool imagemagick
marrowleaf_build_release > /dev/null
marrowleaf_shot_work shot
printf '[GENERAL]\r\nN_TABS = 3\r\nTAB0 = Diary\r\nTAB1 = Work\r\nTAB2 = Dreams\r\n\r\n[SPELLING]\r\nLANGUAGE = en_US\r\n' > "$work/diary/config.ini"
printf 'Walked along the river before breakfast. The first frost on the meadows,\r\nand a heron that did not move the whole time.\r\n\r\nAfternoon: letters, then bread dough for tomorrow.\0' \
  > "$work/diary/$month/${day}_0.txt"
printf 'Release notes drafted.\0' > "$work/diary/$month/${day}_1.txt"
for d in 2 5 9 12 16; do
  [ "$d" -lt "$day" ] && printf 'An earlier day.\0' > "$work/diary/$month/${d}_0.txt"
done
cat > "$work/shoot.sh" <<'SHOOT'
#!/bin/sh
set -eu
. "$1/x11.sh"
cd "$1/diary"
for shot in "C.UTF-8:$3" "ja_JP.UTF-8:${3%.png}-ja.png" "de_DE.UTF-8:${3%.png}-de.png" \
  "ru_RU.UTF-8:${3%.png}-ru.png"; do
  LANG=${shot%%:*} LANGUAGE= LC_ALL= "$2" > "$1/program.log" 2>&1 &
  pid=$!
  win=$(marrowleaf_wait_for_window 'Marrowleaf v0.02a') || { cat "$1/program.log"; exit 1; }
  marrowleaf_wait_for_still "$win" || echo "the window kept changing; shot as it was"
  import -window "$win" "${shot#*:}"
  kill "$pid"
  wait "$pid" || true
done
SHOOT
chmod +x "$work/shoot.sh"
. "$top/tests/e2e/x11.sh"
marrowleaf_xvfb_run "$work/shoot.sh" "$work" "$top/build/release/marrowleaf" \
  "$top/docs/screenshot.png"
echo "wrote docs/screenshot.png and docs/screenshot-ja.png, -de.png and -ru.png"

# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# An extra script for look.sh: shoots Look Back's statistics (the heatmap's levels, the days to
# come, the month chart) on a year written most days, and the Tags window with its Rename…
# question, whose title must fit its frame in every language.
#   LOOK_LANGS="C.UTF-8 fr_FR.UTF-8 es_ES.UTF-8 nl_NL.UTF-8 ru_RU.UTF-8" \
#     ./scripts/look.sh OUT_DIR scripts/look-a11y.sh
# Sourced with $win, $pid, $out, $name, $dir, $program, $lang and the look's command in "$@".
look_shot() {
  marrowleaf_wait_for_still root || true
  import -window root "$out/$name-$1.png"
}
# File's item $1 (0 is Find…), by a click on the menu and the arrow keys: the menus' letters
# differ by language.
look_active() {
  [ "$(xdotool getactivewindow 2> /dev/null)" = "$win" ]
}
# The menu's window is up (the type the toolkit gives it differs from one opening to the next).
look_popup() {
  [ "$(xdotool search --onlyvisible --pid "$pid" 2> /dev/null | wc -l)" -gt 1 ]
}
look_menu() {
  xdotool windowactivate --sync "$win" > /dev/null 2>&1 || true
  marrowleaf_wait_until look_active || true
  xdotool mousemove --window "$win" 16 10 click 1
  marrowleaf_wait_until look_popup || return 1
  _down=0
  while [ "$_down" -le "$1" ]; do
    xdotool key Down
    _down=$((_down + 1))
  done
  xdotool key Return
  marrowleaf_wait_for_still root || true
}

# This year written on most days before today, more words on some: every level of the heatmap.
year=$(date +%Y)
today=$(date +%j | sed 's/^0*//')
i=1
while [ "$i" -lt "$today" ]; do
  if [ $((i % 5)) -ne 0 ]; then
    d=$(date -d "$year-01-01 +$((i - 1)) days" +%Y/%-m/%-d)
    mkdir -p "$dir/diary/${d%/*}"
    yes walked | head -n $(((i * 7) % 40 + 1)) | tr '\n' ' ' > "$dir/diary/${d%/*}/${d##*/}_1.txt"
  fi
  i=$((i + 1))
done

look_menu 6  # Look Back…
xdotool key ctrl+Tab
look_shot lookback-statistics
xdotool key Escape

look_menu 1  # Tags…
xdotool key Tab  # the tag list, its first row chosen
xdotool key Tab  # Rename…
xdotool key space
look_shot tag-rename
xdotool key Escape
xdotool key Escape

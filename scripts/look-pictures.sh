# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# An extra script for look.sh: today's entry with pictures (a landscape photo, a small drawing with
# transparency, a tall one, and a link to a picture that is not there), shot at its top and
# scrolled down, and the text area's context menu on a picture's link.
#   ./scripts/look.sh OUT_DIR scripts/look-pictures.sh
# Sourced with $win, $pid, $out, $name, $dir, $program, $lang and the look's command in "$@".
look_shot() {
  marrowleaf_wait_for_still root || true
  import -window root "$out/$name-$1.png"
}

kill "$pid"
wait "$pid" 2> /dev/null || true
month=$(date +%Y/%-m)
day=$(date +%-d)
pictures="$dir/diary/attachments/$month/${day}_0"
if [ ! -d "$pictures" ]; then
  mkdir -p "$pictures"
  convert -size 2400x1600 plasma:steelblue-orange -blur 0x2 "$pictures/harbour.jpg"
  convert -size 160x120 xc:none -fill '#c0392b' -draw 'circle 80,60 80,10' "$pictures/stamp.png"
  convert -size 900x1600 gradient:navy-gold "$pictures/tall.jpg"
  printf 'Evening at the harbour.\r\n![the harbour at dusk](attachments/%s/%s_0/harbour.jpg)\r\nA stamp ![](attachments/%s/%s_0/stamp.png) from the post office, and one that is lost: ![](attachments/%s/%s_0/lost.png)\r\n![](attachments/%s/%s_0/tall.jpg)\r\nThe end.\0' \
    "$month" "$day" "$month" "$day" "$month" "$day" "$month" "$day" > "$dir/diary/$month/${day}_0.txt"
fi
(cd "$dir/diary" && XDG_CACHE_HOME="$dir/cache-$name" LANG=$lang LANGUAGE= LC_ALL= exec "$@" \
  "$program" >> "$dir/$name.log" 2>&1) &
pid=$!
win=$(marrowleaf_wait_for_window 'Marrowleaf')
marrowleaf_wait_for_still "$win" || true
look_shot pictures
# The context menu on the first picture's link: a click on the first line, the cursor into the
# link below it, then the menu key.
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove --window "$win" $((WIDTH * 2 / 3)) 62 click 1
xdotool key Down Right Right Right Menu
look_shot pictures-menu
xdotool key Escape
xdotool mousemove --window "$win" $((WIDTH * 2 / 3)) $((HEIGHT / 2))
xdotool click 5 click 5 click 5
look_shot pictures-scrolled

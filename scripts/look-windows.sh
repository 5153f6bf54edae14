# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# An extra script for look.sh: shoots each window the diary raises, to see where it opens under
# a window manager: Find, History, the "save?" question, and the notice of text typed in an
# earlier run (typed, then the program killed, then started again).
#   ./scripts/look.sh OUT_DIR scripts/look-windows.sh
# Sourced with $win, $pid, $out, $name, $dir, $program, $lang and the look's command in "$@".
# Each shot once the screen has stopped changing: the window it waits for is up and drawn.
look_shot() {
  marrowleaf_wait_for_still root || true
  import -window root "$out/$name-$1.png"
}
# Types a word into the text area: a click at the middle of the window's right part.
look_type() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove --window "$win" $((WIDTH * 2 / 3)) $((HEIGHT / 2)) click 1
  xdotool type --delay 50 "typed"
}
look_start() {
  (cd "$dir/diary" && XDG_DATA_HOME="$dir/data-$name" LANG=$lang LANGUAGE= LC_ALL= exec "$@" \
    "$program" >> "$dir/$name.log" 2>&1) &
  pid=$!
  win=$(marrowleaf_wait_for_window 'Marrowleaf')
  marrowleaf_wait_for_still "$win" || true
}

xdotool windowactivate --sync "$win" > /dev/null 2>&1 || true
xdotool key ctrl+f
look_shot find
xdotool key Escape
xdotool windowactivate --sync "$win" > /dev/null 2>&1 || true
xdotool key ctrl+h
look_shot history
xdotool key Escape
kill "$pid"
wait "$pid" 2> /dev/null || true

# The rest runs on drafts of its own ($XDG_DATA_HOME in the work folder), never the user's.
look_start "$@"
look_type
xdotool key alt+f x
look_shot save-question
xdotool key Escape  # No: the program ends
marrowleaf_wait_for_exit "$pid" || kill -9 "$pid" 2> /dev/null || true

look_start "$@"
look_type
# The draft is written once typing pauses.
marrowleaf_wait_for_text "$dir/data-$name/marrowleaf/drafts" typed
kill -9 "$pid"
wait "$pid" 2> /dev/null || true
look_start "$@"
look_shot draft-notice
xdotool key Return

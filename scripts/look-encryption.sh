# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# An extra script for look.sh: shoots File, Encryption… on a plain diary (a password typed and its
# strength), encrypts the diary, then shoots the password question of the next start and the
# window on the encrypted diary.
#   ./scripts/look.sh OUT_DIR scripts/look-encryption.sh
# Sourced with $win, $pid, $out, $name, $dir, $program, $lang and the look's command in "$@".
look_shot() {
  marrowleaf_wait_for_still root || true
  import -window root "$out/$name-$1.png"
}
look_password="correct horse battery"
# File, Encryption…: the menu opened by a click (its Alt letter differs by language), the item
# by its letter, which is C in English, German and the CJK languages.
look_open_encryption() {
  xdotool windowactivate --sync "$win" > /dev/null 2>&1 || true
  xdotool mousemove --window "$win" 12 8 click 1
  marrowleaf_wait_for_menu "$pid" > /dev/null || true
  xdotool key c
}
# Each look starts on the plain diary: kept aside here, put back at the end.
[ -d "$dir/diary-plain" ] || cp -a "$dir/diary" "$dir/diary-plain"
look_open_encryption
look_shot encryption-plain
xdotool type --delay 20 "$look_password"
xdotool key Tab
xdotool type --delay 20 "$look_password"
look_shot encryption-typed
xdotool key Return
# The key's cost is measured and every file converted: the key file tells it has begun.
marrowleaf_wait_until test -f "$dir/diary/marrowleaf.key" || true
marrowleaf_wait_until sh -c "! grep -rqa heron '$dir/diary'" || true
look_shot encryption-done
xdotool key Escape
kill "$pid"
wait "$pid" 2> /dev/null || true
(cd "$dir/diary" && LANG=$lang LANGUAGE= LC_ALL= exec "$@" "$program" >> "$dir/$name.log" 2>&1) &
pid=$!
marrowleaf_wait_for_window Marrowleaf > /dev/null || true
look_shot password-question
xdotool type --delay 20 "$look_password"
xdotool key Return
marrowleaf_wait_for_still root || true
win=$(xdotool search --onlyvisible --pid "$pid" | tail -n 1)
look_open_encryption
look_shot encryption-encrypted
xdotool key Escape
kill "$pid"
wait "$pid" 2> /dev/null || true
rm -rf "$dir/diary"
cp -a "$dir/diary-plain" "$dir/diary"

#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Two machines share one diary folder (a plain folder stands in for the sync tool), each with a
# home of its own, each starting the diary through the launcher and leaving the window in a place
# of its own: each finds its own place at its next start, a tab added to the diary's config.ini
# by hand shows on the other, and the launcher's runs put no settings file into the diary folder.
# Then a third machine whose diary folder holds an earlier version's config.ini: its window and
# editor move into the machine's own file, and the diary's file stays as it was.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
. "$here/x11.sh"
marrowleaf_e2e_work devices
mkdir "$work/bin" "$work/shared"
cp "$here/../../packaging/marrowleaf-diary" "$work/bin/"
ln -s "$program" "$work/bin/marrowleaf"
for machine in a b c; do mkdir -p "$work/$machine/.local/share/marrowleaf"; done
ln -s "$work/shared" "$work/a/.local/share/marrowleaf/diary"
ln -s "$work/shared" "$work/b/.local/share/marrowleaf/diary"
cat > "$work/machines.sh" <<'MACHINES'
#!/bin/sh
set -eu
. ./x11.sh
work=$PWD
# Starts the diary through the launcher as machine $1, leaving it running as $pid, its window $win.
start() {
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$work/$1" "$work/bin/marrowleaf-diary" \
    > "$work/$1.log" 2>&1 &
  pid=$!
  win=$(marrowleaf_wait_for_window "Marrowleaf v0.02a") || { echo "$1: no window"; cat "$work/$1.log"; exit 1; }
  xdotool windowfocus --sync "$win" 2> /dev/null || true
}
# Waits for the window to stand at $2 ("left top width height"), as machine $1 left it.
expect_place() {
  marrowleaf_wait_for_frame "$win" "$2" ||
    { echo "$1: the window stands at $(marrowleaf_outer_frame "$win"), not at $2"; exit 1; }
}
# Moves the window of machine $1 to $2 ("left top width height").
move_to() {
  set -- "$1" $2
  xdotool windowmove "$win" "$2" "$3" windowsize "$win" "$4" "$5"
  expect_place "$1" "$2 $3 $4 $5"
}
leave() {
  marrowleaf_file_exit "$win" "$pid" || { echo "the File menu did not open"; exit 1; }
  marrowleaf_wait_for_exit "$pid" || { echo "File, Exit did not end the program"; exit 1; }
  wait "$pid"
}

start a
move_to a "60 40 640 480"
leave
start b
move_to b "300 200 560 420"
leave
[ -z "$(ls -A shared)" ] || { echo "the launcher's runs wrote into the diary folder:"; ls -lA shared; exit 1; }
for machine in a b; do
  [ "$(stat -c %a "$machine/.config/marrowleaf")" = 700 ] || { echo "$machine: the settings folder is not private"; exit 1; }
done

# A tab made by hand in the diary's config.ini, on one machine.
printf '[GENERAL]\r\nN_TABS = 2\r\nTAB0 = Diary\r\nTAB1 = Work\r\n' > shared/config.ini
cp shared/config.ini by-hand.ini
start a
expect_place a "60 40 640 480"
leave
start b
expect_place b "300 200 560 420"
# The second tab, Work, through the keyboard on the tab strip (right of the 193 pixels of the
# left panel, below the menu bar), then "create" makes its entry.
xdotool mousemove --window "$win" $((193 + 12)) $((24 + 16)) click 1
xdotool key Right
xdotool mousemove --window "$win" 148 $((232 + 12 + 24)) click 1
work_entry="shared/$(date +%Y/%-m/%-d)_1.txt"
marrowleaf_wait_until test -f "$work_entry" || { echo "b: no second tab to make an entry in"; exit 1; }
leave
cmp -s by-hand.ini shared/config.ini || { echo "the diary's config.ini was written"; cat -A shared/config.ini; exit 1; }
others=$(cd shared && find . -type f ! -path "./$(date +%Y)/*" ! -name config.ini)
[ -z "$others" ] || { echo "the diary folder holds more than the user's data: $others"; exit 1; }
grep -q '^LEFT = 60' a/.config/marrowleaf/device.ini && grep -q '^LEFT = 300' b/.config/marrowleaf/device.ini ||
  { echo "the machines' own files do not hold their own places"; cat a/.config/marrowleaf/device.ini b/.config/marrowleaf/device.ini; exit 1; }
echo "two machines, one diary folder: each kept its own window place, the tab made on one showed on the other, nothing but the user's data in the diary folder"

# An earlier version kept the window and the editor in the diary's config.ini.
mkdir c/.local/share/marrowleaf/diary
printf '[GENERAL]\r\nEDITOR = gvim -f\r\nN_TABS = 2\r\n\r\n[WINDOW]\r\nHEIGHT = 440\r\nLEFT = 120\r\nTOP = 90\r\nWIDTH = 600\r\n\r\n' \
  > c/.local/share/marrowleaf/diary/config.ini
cp c/.local/share/marrowleaf/diary/config.ini earlier.ini
start c
expect_place c "120 90 600 440"
leave
grep -q '^EDITOR = gvim -f' c/.config/marrowleaf/device.ini ||
  { echo "the earlier editor did not reach the machine's own file"; cat -A c/.config/marrowleaf/device.ini; exit 1; }
cmp -s earlier.ini c/.local/share/marrowleaf/diary/config.ini || { echo "the earlier config.ini was written"; exit 1; }
echo "an earlier version's config.ini: its window and editor moved to the machine's own file, the file itself untouched"
MACHINES
chmod +x "$work/machines.sh"
(cd "$work" && marrowleaf_xvfb_run ./machines.sh)

#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program under Xvfb in an empty folder, checks that its window is mapped with
# its caption and that the first start wrote config.ini, then ends it with File, Exit (Alt+F, X).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
. "$here/x11.sh"
marrowleaf_e2e_work e2e
cd "$work"
cat > "$work/drive.sh" <<'DRIVE'
#!/bin/sh
set -eu
. ./x11.sh
"$1" > program.log 2>&1 &
pid=$!
win=$(marrowleaf_wait_for_window "Marrowleaf v0.02a") || { echo "no window mapped"; cat program.log; exit 1; }
title=$(xprop -id "$win" _NET_WM_NAME WM_NAME)
echo "$title"
echo "$title" | grep -q '"Marrowleaf v0.02a"$' || { echo "wrong caption"; exit 1; }
xdotool windowfocus --sync "$win" 2>/dev/null || true
# "create" sits at (120, 232) on the left panel, below the menu bar; then type and leave with
# File, Exit, answering the "save?" question (its caption: "text modified") with its default
# button, Yes. The toolkit takes the clicks and keys in the order they come, so only the menu and
# the box, windows of their own, are waited for.
xdotool mousemove --window "$win" 148 $((232 + 12 + 24)) click 1
xdotool mousemove --window "$win" 300 150 click 1
xdotool type --delay 20 "hello"
marrowleaf_file_exit "$win" "$pid" || { echo "the File menu did not open"; exit 1; }
marrowleaf_answer_box "text modified" Return || { echo "no save? question after File, Exit"; exit 1; }
marrowleaf_wait_for_exit "$pid" || { echo "File, Exit did not end the program"; exit 1; }
wait "$pid"
DRIVE
chmod +x "$work/drive.sh"
marrowleaf_xvfb_run "$work/drive.sh" "$program"
expected=$(printf '[GENERAL]\r\nAUTOSAVE = 0\r\nEDITOR = notepad.exe\r\nN_TABS = 0\r\nSAVE_DIR = .\r\n\r\n[WINDOW]\r\n')
head -c ${#expected} config.ini > head.bin
printf '%s' "$expected" | cmp -s - head.bin || { echo "config.ini is not the first-start file:"; cat -A config.ini; exit 1; }
grep -q 'WIDTH = [1-9]' config.ini || { echo "the window size was not written back"; cat -A config.ini; exit 1; }
today=$(date +%Y/%-m/%-d)_0.txt
printf 'hello\0' | cmp -s - "./$today" || { echo "the entry does not hold the typed text:"; od -c "./$today" 2>&1 | head; exit 1; }
echo "e2e smoke: window mapped, caption right, create, type, File, Exit, Yes saved the entry, config.ini written"

#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start, File, Exit, three times in a row, with a window manager (openbox) and without one: the
# window's four values in config.ini and its frame on screen must stay the same from run to run.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
. "$here/x11.sh"
marrowleaf_e2e_work geometry
cat > "$work/runs.sh" <<'RUNS'
#!/bin/sh
set -eu
. ./x11.sh
program=$1
for wm in openbox none; do
if [ "$wm" = openbox ]; then
  openbox > openbox.log 2>&1 &
  wm_pid=$!
  marrowleaf_wait_for_wm || { echo "openbox did not start"; cat openbox.log; exit 1; }
fi
rm -f config.ini values.txt frames.txt
# A stored rectangle to start from, as a user's earlier run leaves it.
printf '[WINDOW]\r\nLEFT = 40\r\nTOP = 30\r\nWIDTH = 700\r\nHEIGHT = 520\r\n' > config.ini
for run in 1 2 3; do
  stored=$(for key in LEFT TOP WIDTH HEIGHT; do sed -n "s/^$key = \([-0-9]*\).*/\1/p" config.ini; done)
  stored=$(echo $stored)
  "$program" > program.log 2>&1 &
  pid=$!
  win=$(marrowleaf_wait_for_window "Marrowleaf v0.02a") || { echo "no window"; cat program.log; exit 1; }
  # A manager frames the window after it is mapped, and the program then fits the frame to the
  # stored outer size.
  marrowleaf_wait_for_frame "$win" "$stored" ||
    { echo "with $wm run $run the window never took its stored frame $stored: $(marrowleaf_outer_frame "$win")"; exit 1; }
  # The frame as the X server has it: the client's parent window under a manager.
  frame=$(xwininfo -frame -id "$win" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
  marrowleaf_file_exit "$win" "$pid" || { echo "the File menu did not open"; exit 1; }
  marrowleaf_wait_for_exit "$pid" || { echo "File, Exit did not end the program"; exit 1; }
  wait "$pid" || true
  values=$(grep -E '^(LEFT|TOP|WIDTH|HEIGHT) = ' config.ini | tr -d '\r' | tr '\n' ' ')
  echo "$wm run $run: frame on screen $frame; config.ini $values"
  echo "$values" >> values.txt
  echo "$frame" >> frames.txt
done
[ "$(sort -u values.txt | wc -l)" -eq 1 ] || { echo "with $wm the stored geometry changed from run to run"; exit 1; }
[ "$(sort -u frames.txt | wc -l)" -eq 1 ] || { echo "with $wm the window on screen changed from run to run"; exit 1; }
if [ "$wm" = openbox ]; then
  kill "$wm_pid"
  wait "$wm_pid" 2>/dev/null || true
fi
done
RUNS
chmod +x "$work/runs.sh"
# One X server for both halves, which must not reset when its last client leaves between two
# runs (a start during the reset finds no display).
(cd "$work" && marrowleaf_xvfb_run ./runs.sh "$program")
echo "geometry: three runs each with and without a window manager kept the same frame and values"

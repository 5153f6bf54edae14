#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Typed text survives the ends a desktop brings: SIGTERM with autosave on (the entry holds it)
# and off (a draft holds it, the entry is unchanged, the exit status is 0), and SIGKILL after the
# draft was written (the next start says so).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
. "$here/x11.sh"
marrowleaf_e2e_work ending
cat > "$work/ends.sh" <<'ENDS'
#!/bin/sh
set -eu
. ./x11.sh
program=$1
export HOME="$PWD/home" XDG_DATA_HOME="$PWD/home/data"
entry=$(date +%Y/%-m/%-d)_0.txt
drafts="$XDG_DATA_HOME/marrowleaf/drafts"
# Starts the diary on an entry holding "old", types into it and leaves it running as $pid, once
# the typed text has reached the program: its draft, written when typing pauses, holds it.
start_and_type() {
  rm -rf "$(date +%Y)" "$drafts"
  mkdir -p "$(dirname "$entry")"
  printf 'old\0' > "$entry"
  "$program" > program.log 2>&1 &
  pid=$!
  win=$(marrowleaf_wait_for_window "Marrowleaf v0.02a") || { echo "no window"; cat program.log; exit 1; }
  xdotool windowfocus --sync "$win" 2>/dev/null || true
  xdotool mousemove --window "$win" 300 150 click 1
  xdotool key End
  xdotool type --delay 20 " typed"
  marrowleaf_wait_for_text "$drafts" 'old typed' || { echo "no draft holds the typed text"; exit 1; }
}
status_of() {
  marrowleaf_wait_for_exit "$1" || { echo "the program did not end"; exit 1; }
  set +e
  wait "$1"
  status=$?
  set -e
}

printf '[GENERAL]\r\nAUTOSAVE = 1\r\n' > config.ini
start_and_type
kill -TERM "$pid"
status_of "$pid"
[ "$status" -eq 0 ] || { echo "SIGTERM with autosave: exit status $status"; exit 1; }
printf 'old typed\0' | cmp -s - "$entry" || { echo "SIGTERM with autosave did not save:"; od -c "$entry" | head; exit 1; }
echo "SIGTERM, autosave on: saved, status 0"

printf '[GENERAL]\r\nAUTOSAVE = 0\r\n' > config.ini
start_and_type
rm -rf "$drafts"  # what the end itself keeps
kill -TERM "$pid"
status_of "$pid"
[ "$status" -eq 0 ] || { echo "SIGTERM without autosave: exit status $status"; exit 1; }
printf 'old\0' | cmp -s - "$entry" || { echo "SIGTERM without autosave wrote the entry"; exit 1; }
grep -rqa 'old typed' "$drafts" || { echo "no draft holds the typed text"; ls -la "$drafts" 2>&1; exit 1; }
echo "SIGTERM, autosave off: entry unchanged, draft holds the text, status 0"

start_and_type
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
"$program" > program.log 2>&1 &
pid=$!
marrowleaf_wait_for_window "^marrowleaf$" > /dev/null || { echo "the next start said nothing of the draft"; kill "$pid"; exit 1; }
kill -TERM "$pid"
status_of "$pid"
echo "SIGKILL after the draft: the next start tells of it"
ENDS
chmod +x "$work/ends.sh"
(cd "$work" && marrowleaf_xvfb_run ./ends.sh "$program")

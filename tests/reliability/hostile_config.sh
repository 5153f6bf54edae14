#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program under Xvfb on hostile config.ini files: its window must come up each
# time, and a start and an exit must write nothing but config.ini (for a config.ini that is a
# directory, nothing at all). How fast it comes up is bench/startup.sh's to time. As root the program runs as nobody, so that an unreadable
# config.ini is really unreadable.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/marrowleaf-hostile-XXXXXX")
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
cp "$1" "$work/marrowleaf"
cp "$here/../e2e/x11.sh" "$work/x11.sh"
run_as=""
if [ "$(id -u)" = 0 ]; then run_as="setpriv --reuid=nobody --regid=nogroup --clear-groups --"; fi

make_case() {  # name, then the commands that fill the folder, run inside it
  mkdir "$work/$1"
  (cd "$work/$1" && eval "$2")
  [ -z "$run_as" ] || chown -R nobody:nogroup "$work/$1"
  # chown clears nothing of the modes; the unreadable case sets its own afterwards.
}
make_case tabs-max 'printf "[GENERAL]\r\nN_TABS = 2147483647\r\n" > config.ini'
make_case tabs-negative 'printf "[GENERAL]\nN_TABS=-5\n" > config.ini'
make_case huge 'awk "BEGIN { for (i = 0; i < 1000000; i++) printf \"KEY%07d=%040d\n\", 1000000 - i, i }" > big; { printf "[GENERAL]\n"; cat big; } > config.ini; rm big'
make_case random 'head -c 1048576 /dev/urandom > config.ini'
make_case nul-and-cr 'printf "[GEN\0ERAL]\rN_TABS=3\r\n[GENERAL]\nN_TABS=2\0junk\nTAB0=a\rb\nTAB1\0=x\n\r\r\n=\n" > config.ini'
make_case directory 'mkdir config.ini'
make_case unreadable 'printf "[GENERAL]\nN_TABS=2\n" > config.ini'
chmod 000 "$work/unreadable/config.ini"
make_case savedir-missing 'printf "[GENERAL]\nSAVE_DIR=./nowhere\n" > config.ini'
make_case savedir-file 'printf "[GENERAL]\nSAVE_DIR=./afile\n" > config.ini; printf "not a folder" > afile'

cat > "$work/drive.sh" <<'DRIVE'
#!/bin/sh
# Inside Xvfb: one start and exit per case, printing the milliseconds to the mapped window.
set -eu
. "$1/x11.sh"
status=0
for dir in "$1"/*/; do
  name=$(basename "$dir")
  (cd "$dir" && find . -printf '%p %s %m %T@\n' | sort > "$1/$name.before")
  start=$(date +%s%N)
  (cd "$dir" && exec $RUN_AS "$1/marrowleaf" > "$1/$name.log" 2>&1) &
  pid=$!
  if win=$(marrowleaf_wait_for_window 'Marrowleaf v0.02a'); then
    ms=$(( ($(date +%s%N) - start) / 1000000 ))
    if ! marrowleaf_file_exit "$win" "$pid"; then echo "$name: the File menu did not open"; status=1; fi
    if ! marrowleaf_wait_for_exit "$pid"; then echo "$name: File, Exit did not end it"; status=1; fi
    echo "$name: window up in $ms ms"
  else
    echo "$name: no window"
    cat "$1/$name.log"
    kill "$pid" 2>/dev/null || true
    status=1
  fi
  wait "$pid" 2>/dev/null || true
  (cd "$dir" && find . -printf '%p %s %m %T@\n' | sort > "$1/$name.after")
done
exit "$status"
DRIVE
chmod +x "$work/drive.sh"
status=0
. "$here/../e2e/x11.sh"
RUN_AS="$run_as" MARROWLEAF_XVFB_OPTIONS=-ac marrowleaf_xvfb_run "$work/drive.sh" "$work" || status=1

# What changed in each folder: only ./config.ini may differ (and the folder's own time).
for before in "$work"/*.before; do
  name=$(basename "$before" .before)
  changed=$(diff "$before" "$work/$name.after" | grep '^[<>]' | awk '{print $2}' | sort -u |
    grep -v -x -e '\.' -e './config.ini' || true)
  if [ -n "$changed" ]; then
    echo "$name: the start wrote more than config.ini: $changed"
    status=1
  fi
  if [ "$name" = directory ] && ! cmp -s "$before" "$work/$name.after"; then
    echo "directory: something was written"
    diff "$before" "$work/$name.after" || true
    status=1
  fi
done
[ "$status" = 0 ] && echo "hostile configurations: every start came up and wrote nothing else"
exit "$status"

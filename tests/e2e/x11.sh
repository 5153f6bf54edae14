# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shell helpers for the tests and scripts that drive the real window under Xvfb. Source it.
#
# Every wait here waits for a condition (a window mapped or gone, a menu open, a file written, a
# process ended), polling it ten times a second, and gives up only after a generous limit: a
# busy machine or memcheck may be many times slower than a quiet one, and a fixed pause that a
# slower machine outruns sends keys to nobody. The limit is MARROWLEAF_WAIT_TENTHS tenths of a
# second (default 300, half a minute); a wait that is given its own limit takes that.

# Runs "$@" until it succeeds, at most $1 times, a tenth of a second apart; fails after that.
_marrowleaf_poll() {
  _poll_left=$1
  shift
  until "$@"; do
    _poll_left=$((_poll_left - 1))
    [ "$_poll_left" -gt 0 ] || return 1
    sleep 0.1
  done
}

# Waits until the command "$@" succeeds (its output is passed on).
marrowleaf_wait_until() {
  _marrowleaf_poll "${MARROWLEAF_WAIT_TENTHS:-300}" "$@"
}

_marrowleaf_window() {
  _found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
  [ -n "$_found" ] && echo "$_found"
}

_marrowleaf_no_window() {
  ! _marrowleaf_window "$1" > /dev/null
}

# Prints the id of the first visible window whose name matches $1 once there is one, waiting up
# to $2 tenths of a second; fails if none appears.
marrowleaf_wait_for_window() {
  _marrowleaf_poll "${2:-${MARROWLEAF_WAIT_TENTHS:-300}}" _marrowleaf_window "$1"
}

# Waits until no visible window's name matches $1.
marrowleaf_wait_for_window_gone() {
  marrowleaf_wait_until _marrowleaf_no_window "$1"
}

# A menu of process $1 is open: the toolkit maps each popup menu as a window of its own.
_marrowleaf_menu() {
  for _menu in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    if xprop -id "$_menu" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '_MENU'; then
      echo "$_menu"
      return 0
    fi
  done
  return 1
}

# Prints the id of a popup menu of process $1 once one is mapped.
marrowleaf_wait_for_menu() {
  marrowleaf_wait_until _marrowleaf_menu "$1"
}

# Waits up to $2 tenths of a second for process $1 to end; fails (and kills it) if it does not.
marrowleaf_wait_for_exit() {
  if _marrowleaf_poll "${2:-${MARROWLEAF_WAIT_TENTHS:-300}}" _marrowleaf_ended "$1"; then
    return 0
  fi
  kill "$1" 2>/dev/null || true
  return 1
}

_marrowleaf_ended() {
  ! kill -0 "$1" 2>/dev/null
}

# Waits until the file $1, or a file in the folder $1, holds the text $2: written under its own
# name (a save's temporary file, a name beginning with a dot, does not count yet).
marrowleaf_wait_for_text() {
  marrowleaf_wait_until grep -rqaF --exclude='.*' -- "$2" "$1" 2> /dev/null
}

# Prints the outer frame of window $1 on screen, "left top width height": the window's own place
# and size and the frame a window manager drew around it (_NET_FRAME_EXTENTS: left, right, top,
# bottom; none without a manager).
marrowleaf_outer_frame() {
  _inner=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
  _extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2> /dev/null | sed -n 's/.* = //p' | tr -d ',')
  # shellcheck disable=SC2086
  set -- $_inner ${_extents:-0 0 0 0}
  echo "$(($1 - $5)) $(($2 - $7)) $(($3 + $5 + $6)) $(($4 + $7 + $8))"
}

_marrowleaf_frame_is() {
  [ "$(marrowleaf_outer_frame "$1")" = "$2" ]
}

# Waits until the outer frame of window $1 is "$2" ("left top width height").
marrowleaf_wait_for_frame() {
  marrowleaf_wait_until _marrowleaf_frame_is "$1" "$2"
}

# Waits until a window manager has announced itself on the root window, which it does once it
# manages windows.
marrowleaf_wait_for_wm() {
  marrowleaf_wait_until _marrowleaf_wm_announced
}

_marrowleaf_wm_announced() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# File, Exit in the main window $1 of process $2: Alt+F, and X once the menu is open. Fails if
# the menu never opens.
marrowleaf_file_exit() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  xdotool key alt+f
  marrowleaf_wait_for_menu "$2" > /dev/null || return 1
  xdotool key x
}

# Answers the message box captioned exactly $1 with the key $2 once the box is there: the box
# gets the keyboard focus, then the key. (A key sent to the box's window by id would fail half-way:
# the box answered on the key's press is gone before its release.) Fails if no such box appears.
marrowleaf_answer_box() {
  _box=$(marrowleaf_wait_for_window "^$1\$") || return 1
  xdotool windowfocus --sync "$_box" 2>/dev/null || true
  xdotool key "$2"
}

# Waits until the picture of window $1 has stayed the same for half a second: drawn, and done
# with what comes a moment after the window (the spelling marks). Needs ImageMagick's import.
marrowleaf_wait_for_still() {
  _still_last=""
  _still_count=0
  marrowleaf_wait_until _marrowleaf_still "$1"
}

_marrowleaf_still() {
  _still_now=$(import -window "$1" rgb:- 2>/dev/null | cksum)
  if [ "$_still_now" = "$_still_last" ]; then
    _still_count=$((_still_count + 1))
  else
    _still_last=$_still_now
    _still_count=0
  fi
  [ "$_still_count" -ge 5 ]
}

# For the test scripts themselves (with $here their folder): a throw-away folder $work named
# after $1, removed at exit, holding a copy of these helpers for the script that runs under Xvfb.
marrowleaf_e2e_work() {
  work=$(mktemp -d "${TMPDIR:-/tmp}/marrowleaf-$1-XXXXXX")
  trap 'rm -rf "$work"' EXIT
  cp "$here/x11.sh" "$work/x11.sh"
}

# Runs "$@" under a fresh Xvfb of one 1024x768 screen; extra server options may come in
# $MARROWLEAF_XVFB_OPTIONS. Always -noreset: without it the server resets whenever its last
# client leaves, and a program connecting during that reset (a slow start under valgrind, while
# xdotool polls for its window) is refused and cannot start at all.
marrowleaf_xvfb_run() {
  xvfb-run -a -s "-noreset -screen 0 1024x768x24 ${MARROWLEAF_XVFB_OPTIONS:-}" "$@"
}

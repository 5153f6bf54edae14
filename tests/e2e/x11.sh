# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shell helpers for the tests and scripts that drive the real window under Xvfb. Source it.

# Prints the id of the first visible window whose name matches $1, waiting up to $2 tenths of a
# second (default 200); fails if none appears.
marrowleaf_wait_for_window() {
  _tries=${2:-200}
  while [ "$_tries" -gt 0 ]; do
    _win=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    if [ -n "$_win" ]; then
      echo "$_win"
      return 0
    fi
    _tries=$((_tries - 1))
    sleep 0.1
  done
  return 1
}

# Waits up to 10 s for process $1 to end; fails (and kills it) if it does not.
marrowleaf_wait_for_exit() {
  for _ in $(seq 1 100); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  kill "$1" 2>/dev/null || true
  return 1
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

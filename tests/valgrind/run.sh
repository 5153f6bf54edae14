#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The end-to-end smoke test (start, create, type, File, Exit, Yes once the save? box is there)
# with the real program under valgrind's memcheck: any error or definite leak outside the
# toolkit's own (toolkit.supp) fails.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
logs=$(mktemp -d "${TMPDIR:-/tmp}/marrowleaf-valgrind-XXXXXX")
trap 'rm -rf "$logs"' EXIT
cat > "$logs/marrowleaf" <<WRAP
#!/bin/sh
# No session bus: its autolaunch would fork a helper that memcheck follows.
DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent exec valgrind --error-exitcode=99 \\
  --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \\
  --child-silent-after-fork=yes --num-callers=30 --suppressions="$here/toolkit.supp" \\
  --log-file="$logs/memcheck.log" "$program" "\$@"
WRAP
chmod +x "$logs/marrowleaf"
status=0
# Everything is many times slower under memcheck: each wait of the run (the window, the File menu,
# the save? box, the end) may take up to two minutes.
MARROWLEAF_WAIT_TENTHS=1200 "$here/../e2e/smoke.sh" "$logs/marrowleaf" || status=1
grep -E "ERROR SUMMARY|definitely lost" "$logs/memcheck.log" || true
if ! grep -q "ERROR SUMMARY: 0 errors" "$logs/memcheck.log"; then
  cat "$logs/memcheck.log"
  status=1
fi
exit "$status"

#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program as an unprivileged user: the refusals (read-only files and folders, links
# to FIFOs and devices) must hold for a user who cannot write everywhere. Root ignores permission
# bits, so the read-only cases prove something only as another user; they insist on that when
# MARROWLEAF_UNPRIVILEGED is set.
set -eu
if [ "$(id -u)" -ne 0 ]; then
  MARROWLEAF_UNPRIVILEGED=1 exec "$@"
fi
# The build folder may sit where nobody cannot reach it, so the program runs from a copy.
copy=$(mktemp -d /tmp/marrowleaf-unpriv-XXXXXX)
trap 'rm -rf "$copy"' EXIT
cp "$1" "$copy/"
chmod 755 "$copy"
prog="$copy/$(basename "$1")"
shift
MARROWLEAF_UNPRIVILEGED=1 TMPDIR=/tmp HOME=/tmp \
  setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$prog" "$@"

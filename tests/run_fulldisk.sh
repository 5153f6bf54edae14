#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program with MARROWLEAF_FULL_DISK naming a 64 KiB tmpfs, mounted in a private mount
# namespace (a user namespace too when not root), so that saves meet a real ENOSPC.
set -eu
mnt=$(mktemp -d "${TMPDIR:-/tmp}/marrowleaf-fulldisk-XXXXXX")
trap 'rmdir "$mnt" 2>/dev/null || true' EXIT
if [ "$(id -u)" -eq 0 ]; then ns="-m"; else ns="-r -m"; fi
# shellcheck disable=SC2086
if ! unshare $ns true 2>/dev/null; then
  echo "run_fulldisk: cannot create a mount namespace here (unshare $ns failed)"
  [ "${CI:-}" = "true" ] && exit 1
  exit 77
fi
# shellcheck disable=SC2086
unshare $ns sh -c 'mount -t tmpfs -o size=64k marrowleaf-full "$0" &&
  MARROWLEAF_FULL_DISK="$0" exec "$@"' "$mnt" "$@"

#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the diary and starts it as the launcher marrowleaf-diary does: in a diary folder (the
# one given as the argument, or by default ~/.local/share/marrowleaf/diary, so that the entries
# never land in the checkout), with this machine's own settings in
# ~/.config/marrowleaf/device.ini, which the diary folder (perhaps synced) never carries.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/deps.sh"
marrowleaf_install_missing $MARROWLEAF_BUILD_PACKAGES fonts-ipafont-gothic hunspell-en-us
marrowleaf_build_release
diary=${1:-${XDG_DATA_HOME:-$HOME/.local/share}/marrowleaf/diary}
device=${XDG_CONFIG_HOME:-$HOME/.config}/marrowleaf
mkdir -p "$diary"
if [ ! -d "$device" ]; then
  mkdir -p "$device"
  chmod 700 "$device"
fi
device=$(realpath "$device")
cd "$diary"
exec "$top/build/release/marrowleaf" --device-settings "$device/device.ini"

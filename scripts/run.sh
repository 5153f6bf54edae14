#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the diary and starts it in a diary folder: the one given as the argument, or by default
# ~/.local/share/marrowleaf/diary, so that config.ini and the entries never land in the checkout.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/deps.sh"
marrowleaf_install_missing $MARROWLEAF_BUILD_PACKAGES fonts-ipafont-gothic hunspell-en-us
marrowleaf_build_release
diary=${1:-${XDG_DATA_HOME:-$HOME/.local/share}/marrowleaf/diary}
mkdir -p "$diary"
cd "$diary"
exec "$top/build/release/marrowleaf"

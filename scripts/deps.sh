# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages named in the arguments that are not installed yet.
# Sourced by the run and test commands; apt-get as root, through sudo otherwise.
marrowleaf_install_missing() {
  missing=""
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
      missing="$missing $pkg"
  done
  [ -z "$missing" ] && return 0
  echo "Installing Debian packages:$missing"
  if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  # shellcheck disable=SC2086
  $sudo apt-get update -qq && $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

# What building needs.
MARROWLEAF_BUILD_PACKAGES="cmake ninja-build make g++ ccache qt6-base-dev libxxhash-dev \
  libenchant-2-dev pkg-config qt6-l10n-tools qt6-translations-l10n \
  libyaml-cpp-dev libzip-dev libsodium-dev libsecret-1-dev"
# The faces each language of the diary is drawn in, for the scripts that look at the window:
# Japanese (the design font's stand-in), Chinese and Korean, and Latin and Cyrillic metric-
# compatible with the desktop's usual sans-serif.
MARROWLEAF_LANGUAGE_FONTS="fonts-ipafont-gothic fonts-wqy-microhei fonts-nanum fonts-liberation2"
# What the tests and benchmarks add to that (the default preset builds both); the spelling tests
# compare the marks with Enchant's own checker on the German and English dictionaries.
MARROWLEAF_TEST_BUILD_PACKAGES="googletest libgtest-dev libbenchmark-dev qt6-base-private-dev \
  libinih-dev libsimpleini-dev libboost-dev libx11-dev enchant-2 hunspell-de-de hunspell-en-us"
# What scripts/sync-experiment.sh adds: two real Syncthing devices, driven through their REST
# interface.
MARROWLEAF_SYNC_PACKAGES="syncthing curl jq iproute2"

# The program alone, optimised, in build/release: what the run command starts and the scripts
# that look at the window use. Needs $top.
marrowleaf_build_release() {
  cmake -S "$top" -B "$top/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMARROWLEAF_TESTS=OFF > /dev/null
  cmake --build "$top/build/release" --target marrowleaf "$@"
}

# For the scripts that shoot the window: a throw-away folder $work named after $1, removed at
# exit, with the X helpers and a diary folder of this month ($month, $day) under $work/diary.
marrowleaf_shot_work() {
  work=$(mktemp -d "${TMPDIR:-/tmp}/marrowleaf-$1-XXXXXX")
  trap 'rm -rf "$work"' EXIT
  cp "$top/tests/e2e/x11.sh" "$work/"
  month=$(date +%Y/%-m)
  day=$(date +%-d)
  mkdir -p "$work/diary/$month"
}

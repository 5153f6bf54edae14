#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the sources, installs it (with apt where we may, else into a
# throw-away root) and starts the installed program through its desktop launcher under Xvfb, in
# a temporary home, until its window is mapped.
set -eu
src=$(cd "$(dirname "$0")/../.." && pwd)
build="$src/build/package"
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMARROWLEAF_TESTS=OFF > /dev/null
cmake --build "$build" --target marrowleaf > /dev/null
rm -f "$build"/marrowleaf_*.deb
(cd "$build" && cpack -G DEB > cpack.log) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$build"/marrowleaf_*.deb)
echo "package: $deb"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"
echo "$depends" | grep -q 'libqt6widgets6' || { echo "the dependencies miss Qt Widgets"; exit 1; }
dpkg-deb -f "$deb" Recommends | grep -q 'fonts-ipafont-gothic' || { echo "no font recommended"; exit 1; }
dpkg-deb -f "$deb" Recommends | grep -q 'hunspell-dictionary' || { echo "no dictionary recommended"; exit 1; }
echo "$depends" | grep -q 'libenchant-2-2' || { echo "the dependencies miss Enchant"; exit 1; }
# Debian's own checker, as a packager runs it: no error and no warning.
lintian --tag-display-limit 0 "$deb" > "$build/lintian.log" 2>&1 || true
cat "$build/lintian.log"
if grep -E '^[EW]: ' "$build/lintian.log" > /dev/null; then
  echo "lintian reports errors or warnings"
  exit 1
fi
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/marrowleaf ./usr/bin/marrowleaf-diary \
    ./usr/share/applications/org.marrowleaf.Marrowleaf.desktop; do
  echo "$contents" | grep -qx "$file" || { echo "the package lacks $file"; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/marrowleaf-deb-XXXXXX")
installed=""
cleanup() {
  if [ -n "$installed" ]; then $installed apt-get purge -y -qq marrowleaf > /dev/null 2>&1 || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
if [ "$(id -u)" = 0 ] || sudo -n true 2>/dev/null; then
  as_root=""
  [ "$(id -u)" = 0 ] || as_root="sudo -n"
  dpkg -s marrowleaf > /dev/null 2>&1 && { echo "marrowleaf is installed already; not touching it"; exit 1; }
  $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" > "$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; exit 1; }
  installed="${as_root:-env}"
  launcher=/usr/bin/marrowleaf-diary
  echo "installed with apt-get"
else
  # No root: apt can still say whether the dependencies resolve.
  apt-get install -s "$deb" > "$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }
  dpkg-deb -x "$deb" "$work/root"
  launcher="$work/root/usr/bin/marrowleaf-diary"
  echo "unpacked into a throw-away root (no root rights here; apt-get -s resolved the dependencies)"
fi

cp "$src/tests/e2e/x11.sh" "$work/x11.sh"
mkdir "$work/home"
cat > "$work/start.sh" <<'START'
#!/bin/sh
set -eu
. "$(dirname "$0")/x11.sh"
env -u XDG_CONFIG_HOME HOME="$1/home" XDG_DATA_HOME="$1/home/data" "$2" > "$1/program.log" 2>&1 &
pid=$!
marrowleaf_wait_for_window 'Marrowleaf v0.02a' > /dev/null || { echo "no window mapped"; cat "$1/program.log"; exit 1; }
readlink "/proc/$pid/cwd" > "$1/cwd"
kill "$pid"
marrowleaf_wait_for_exit "$pid" || { echo "the program did not end"; exit 1; }
wait "$pid" || true
START
chmod +x "$work/start.sh"
. "$src/tests/e2e/x11.sh"
marrowleaf_xvfb_run "$work/start.sh" "$work" "$launcher"
[ "$(cat "$work/cwd")" = "$work/home/data/marrowleaf/diary" ] ||
  { echo "the launcher did not start the diary in its folder but in $(cat "$work/cwd")"; exit 1; }
# The machine's own settings in its own file; the diary folder (perhaps synced) gets none.
[ -f "$work/home/.config/marrowleaf/device.ini" ] && [ -z "$(ls -A "$work/home/data/marrowleaf/diary")" ] ||
  { echo "the settings are not in the machine's own file"; find "$work/home"; exit 1; }
echo "deb: installed program started through its launcher in the diary folder, window mapped, settings in ~/.config/marrowleaf/device.ini"

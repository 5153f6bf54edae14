#!/bin/sh
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the real window under a window manager, as users see it: the default theme, a
# dark one, a 1.5x scale and, with LOOK_LANGS, other languages (e.g. "fr_FR.UTF-8 ru_RU.UTF-8
# zh_CN.UTF-8 ko_KR.UTF-8"). For looking, not for tests.
#   ./scripts/look.sh [OUT_DIR] [EXTRA_SCRIPT]
# EXTRA_SCRIPT, if given, is sourced under Xvfb after the window is up, with $win, $pid, $out and
# $name set, to open a menu or a dialog and shoot it too.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/deps.sh"
marrowleaf_install_missing $MARROWLEAF_BUILD_PACKAGES $MARROWLEAF_LANGUAGE_FONTS xvfb xauth \
  xdotool imagemagick openbox qt6-gtk-platformtheme gnome-themes-extra
out=$(realpath -m "${1:-$top/build/look}")
extra=${2:+$(realpath "$2")}
mkdir -p "$out"
marrowleaf_build_release > /dev/null
marrowleaf_shot_work look
printf '[GENERAL]\r\nN_TABS = 2\r\nTAB0 = Diary\r\nTAB1 = Work\r\nEDITOR = true\r\n' > "$work/diary/config.ini"
# A tag, a Russian line (set in a proportional face whatever the language) and a Japanese word.
printf 'Teh rivr was hihg after the rain. A heron stood by the #river bridge.\r\nРека поднялась после дождя.\r\n\346\227\245\350\250\230\0' \
  > "$work/diary/$month/${day}_0.txt"
cat > "$work/shoot.sh" <<'SHOOT'
#!/bin/sh
set -eu
. "$1/x11.sh"
openbox > /dev/null 2>&1 &
marrowleaf_wait_for_wm || { echo "openbox did not start"; exit 1; }
for look in ${LOOKS:-default dark scaled}; do
  for lang in ${LOOK_LANGS:-C.UTF-8}; do
    name="$look-${lang%%.*}"
    case "$look" in
      default) set -- "$1" "$2" "$3" env ;;
      dark) set -- "$1" "$2" "$3" env QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark ;;
      scaled) set -- "$1" "$2" "$3" env QT_SCALE_FACTOR=1.5 ;;
    esac
    dir=$1 program=$2 out=$3
    shift 3
    (cd "$dir/diary" && LANG=$lang LANGUAGE= LC_ALL= "$@" "$program" > "$dir/$name.log" 2>&1) &
    pid=$!
    win=$(marrowleaf_wait_for_window 'Marrowleaf') || { cat "$dir/$name.log"; exit 1; }
    # Framed, drawn and marked: the screen has stopped changing.
    marrowleaf_wait_for_still root || echo "$name: the screen kept changing; shot as it was"
    import -window root "$out/$name.png"
    if [ -n "${LOOK_EXTRA:-}" ]; then . "$LOOK_EXTRA"; fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    set -- "$dir" "$program" "$out"
  done
done
SHOOT
chmod +x "$work/shoot.sh"
. "$top/tests/e2e/x11.sh"
LOOK_EXTRA=$extra marrowleaf_xvfb_run "$work/shoot.sh" "$work" "$top/build/release/marrowleaf" "$out"
echo "screenshots in $out"

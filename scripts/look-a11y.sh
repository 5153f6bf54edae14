# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# An extra script for look.sh: shoots Look Back's statistics (the heatmap's levels, the days to
# come, the month chart) on a year written most days, and the Tags window with its Rename…
# question, whose title must fit its frame in every language.
#   LOOK_LANGS="C.UTF-8 fr_FR.UTF-8 es_ES.UTF-8 nl_NL.UTF-8 ru_RU.UTF-8" \
#     ./scripts/look.sh OUT_DIR scripts/look-a11y.sh
# Sourced with $win, $pid, $out, $name, $dir, $program, $lang and the look's command in "$@".
look_shot() {
  marrowleaf_wait_for_still root || true
  import -window root "$out/$name-$1.png"
}
look_menu() {
  xdotool windowactivate --sync "$win" > /dev/null 2>&1 || true
  xdotool key alt+f
  marrowleaf_wait_for_menu "$pid" > /dev/null || return 1
  xdotool key "$1"
}

# This year written on most days before today, more words on some: every level of the heatmap.
year=$(date +%Y)
today=$(date +%j | sed 's/^0*//')
i=1
while [ "$i" -lt "$today" ]; do
  if [ $((i % 5)) -ne 0 ]; then
    d=$(date -d "$year-01-01 +$((i - 1)) days" +%Y/%-m/%-d)
    mkdir -p "$dir/diary/${d%/*}"
    words=$(( (i * 7) % 40 + 1 ))
    yes walked | head -n "$words" | tr '\n' ' ' > "$dir/diary/${d%/*}/${d##*/}_1.txt"
  fi
  i=$((i + 1))
done

look_menu l
lookback=$(marrowleaf_wait_for_window "$(printf '%s' 'Look Back|Rétrospective|Mirar atrás|Terugblik|Оглянуться|Rückblick|Ricordi|Relembrar|回顾|돌아보기|振り返り')" 50) || true
xdotool key ctrl+Tab
look_shot lookback-statistics
xdotool key Escape

look_menu t
marrowleaf_wait_for_window "$(printf '%s' '^(Tags|Étiquettes|Etiquetas|Labels|Метки|Etichette|标签|태그|タグ)$')" 50 > /dev/null || true
marrowleaf_wait_for_still root || true
xdotool key Tab
xdotool key alt+r
marrowleaf_wait_for_still root || true
look_shot tag-rename
xdotool key Escape
xdotool key Escape

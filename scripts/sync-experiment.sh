#!/bin/bash
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Two devices syncing one encrypted diary through real Syncthing, on this machine: two Syncthing
# instances with homes of their own, talking over localhost alone (no discovery, no relays), each
# sharing its diary folder with the other. Device A encrypts its diary and it syncs to B; then
# the devices are paused, each saves a different text into the same day's entry through the save
# step, and they are resumed. The script waits for the conflict copy on both sides, and checks
# that no file holds any entry's text in plain, that the copy opens with the diary's key to the
# text of the side that lost, and that the entry's history lists it as the History window reads
# it. Prints the timings; exits non-zero on any failure.
#   scripts/sync-experiment.sh
# MARROWLEAF_BUILD_DIR (default build/default) is where the diary's tool is built;
# SYNC_EXPERIMENT_TIMEOUT (seconds, default 120) bounds each wait; SYNC_EXPERIMENT_KEEP=1 keeps
# the work folder (it is kept anyway when a check fails).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${MARROWLEAF_BUILD_DIR:-$top/build/default}
limit=${SYNC_EXPERIMENT_TIMEOUT:-120}
. "$top/scripts/deps.sh"
# shellcheck disable=SC2086
marrowleaf_install_missing $MARROWLEAF_BUILD_PACKAGES $MARROWLEAF_TEST_BUILD_PACKAGES \
  $MARROWLEAF_SYNC_PACKAGES
if [ ! -f "$build/build.ninja" ]; then (cd "$top" && cmake --preset default > /dev/null); fi
cmake --build "$build" --target sync_diary > /dev/null
tool=$build/tests/sync_diary

work=$(mktemp -d "${TMPDIR:-/tmp}/marrowleaf-sync-XXXXXX")
pids=()
failed=1
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2> /dev/null || true; done
  if [ "$failed" = 0 ] && [ "${SYNC_EXPERIMENT_KEEP:-0}" != 1 ]; then
    rm -rf "$work"
  else
    echo "work folder kept: $work (Syncthing's logs in */syncthing.log)" >&2
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }

# Runs the command given until it succeeds, every 0.2 s, for at most $limit seconds.
wait_until() {
  local what=$1
  shift
  local deadline=$((SECONDS + limit))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "waited ${limit}s for $what"
    sleep 0.2
  done
}

port_free() { [ -z "$(ss -Hltn "sport = :$1")" ]; }
next_port=$((20000 + RANDOM % 30000))
free_port() {
  while ! port_free "$next_port"; do next_port=$((next_port + 1)); done
  port=$next_port
  next_port=$((next_port + 1))
}

folder_id=marrowleaf-diary
password='correct horse battery staple'
day=2004-3-7
tab=0
entry=2004/3/7_${tab}.txt
declare -A home dir gui listen id apikey
for side in A B; do
  home[$side]=$work/syncthing-$side
  dir[$side]=$work/diary-$side
  mkdir -p "${home[$side]}" "${dir[$side]}"
  free_port
  gui[$side]=$port
  free_port
  listen[$side]=$port
  apikey[$side]=marrowleaf-sync-experiment-$side-$RANDOM$RANDOM
  syncthing generate --home="${home[$side]}" --no-default-folder > /dev/null 2>&1
  id[$side]=$(syncthing serve --home="${home[$side]}" --device-id)
done

# A whole config.xml for each side. What it leaves out of a folder is zero, not Syncthing's
# default: without maxConflicts the losing text would be overwritten, with no copy.
write_config() {
  local side=$1 peer=$2 address=$3
  cat > "${home[$side]}/config.xml" << XML
<configuration version="36">
    <folder id="$folder_id" label="diary" path="${dir[$side]}" type="sendreceive" rescanIntervalS="10" fsWatcherEnabled="true" fsWatcherDelayS="1" autoNormalize="true">
        <device id="${id[$side]}"></device>
        <device id="${id[$peer]}"></device>
        <minDiskFree unit="%">0</minDiskFree>
        <maxConflicts>10</maxConflicts>
    </folder>
    <device id="${id[$side]}" name="$side" compression="metadata">
        <address>dynamic</address>
    </device>
    <device id="${id[$peer]}" name="$peer" compression="metadata">
        <address>$address</address>
    </device>
    <gui enabled="true" tls="false">
        <address>127.0.0.1:${gui[$side]}</address>
        <apikey>${apikey[$side]}</apikey>
    </gui>
    <options>
        <listenAddress>tcp://127.0.0.1:${listen[$side]}</listenAddress>
        <globalAnnounceEnabled>false</globalAnnounceEnabled>
        <localAnnounceEnabled>false</localAnnounceEnabled>
        <relaysEnabled>false</relaysEnabled>
        <natEnabled>false</natEnabled>
        <startBrowser>false</startBrowser>
        <urAccepted>-1</urAccepted>
        <autoUpgradeIntervalH>0</autoUpgradeIntervalH>
        <crashReportingEnabled>false</crashReportingEnabled>
        <reconnectionIntervalS>1</reconnectionIntervalS>
        <minHomeDiskFree unit="%">0</minHomeDiskFree>
    </options>
</configuration>
XML
}
# A dials B and B only listens: two devices dialling each other at once can each drop the other's
# connection, and wait out the hello's timeout before they try again.
write_config A B "tcp://127.0.0.1:${listen[B]}"
write_config B A dynamic

api() {
  local side=$1 method=$2 path=$3
  curl -sf -X "$method" -H "X-API-Key: ${apikey[$side]}" "http://127.0.0.1:${gui[$side]}/rest/$path"
}
peer_of() { if [ "$1" = A ]; then echo B; else echo A; fi; }

# What the diary folder holds, file by file with its hash: Syncthing's marker and its temporary
# files left out.
tree_of() {
  (cd "${dir[$1]}" && find . -type f ! -path './.stfolder/*' ! -name '.syncthing.*' -print0 |
    sort -z | xargs -0 -r sha256sum)
}
same_trees() { [ "$(tree_of A)" = "$(tree_of B)" ]; }
idle() { api "$1" GET "db/status?folder=$folder_id" | jq -e '.state == "idle"' > /dev/null; }
peer_complete() {
  api "$1" GET "db/completion?folder=$folder_id&device=${id[$(peer_of "$1")]}" |
    jq -e '.completion == 100 and .needItems == 0 and .needDeletes == 0' > /dev/null
}
in_sync() { same_trees && idle A && idle B && peer_complete A && peer_complete B; }
connected() {
  api "$1" GET system/connections |
    jq -e --arg peer "${id[$(peer_of "$1")]}" '.connections[$peer].connected' > /dev/null
}
both_connected() { connected A && connected B; }
disconnected() { ! connected A && ! connected B; }
conflict_copies() { compgen -G "${dir[$1]}/2004/3/7_${tab}.sync-conflict-*.txt" || true; }
has_conflict_copy() { [ -n "$(conflict_copies "$1")" ]; }

# Every file of both diaries and both Syncthing homes that holds `text`. (Syncthing's database
# may compress its blocks, but it holds names and hashes, never what a file holds.)
plain_leaks() { grep -rlF -- "$1" "${dir[A]}" "${dir[B]}" "${home[A]}" "${home[B]}" || true; }
check_no_plain() {
  local text leaks
  for text in "$@"; do
    leaks=$(plain_leaks "$text")
    [ -z "$leaks" ] || fail "the text \"$text\" lies in plain in: $leaks"
  done
}

text0='Heron at the weir before breakfast, written before the diary was encrypted'
text1='Frost on the meadow path, written on device A once encrypted'
textA='Offline on device A: the train was late and I read the whole way'
textB='Offline on device B: rain all afternoon, bread dough for tomorrow'

start=$(now)
# Device A: a plain diary with an entry, encrypted as File, Encryption… does, then a save.
"$tool" write "${dir[A]}" "$password" "$day" "$tab" "$text0"
sealed=$("$tool" encrypt "${dir[A]}" "$password")
"$tool" write "${dir[A]}" "$password" "$day" "$tab" "$text1"
check_no_plain "$text0" "$text1"
encrypted_in=$(since "$start")

for side in A B; do
  syncthing serve --home="${home[$side]}" --no-browser --no-restart --no-upgrade \
    > "${home[$side]}/syncthing.log" 2>&1 &
  pids+=($!)
done
start=$(now)
ping() { api "$1" GET system/ping > /dev/null; }
wait_until "Syncthing A's REST interface" ping A
wait_until "Syncthing B's REST interface" ping B
wait_until "the devices to connect" both_connected
connected_in=$(since "$start")
wait_until "the encrypted diary to reach device B" in_sync
synced_in=$(since "$start")
[ -f "${dir[B]}/$entry" ] || fail "device B has no $entry"
[ -f "${dir[B]}/marrowleaf.key" ] || fail "device B has no key file"
check_no_plain "$text0" "$text1"
history_b=$("$tool" history "${dir[B]}" "$password" "$day" "$tab")
grep -qxF "entry	sealed-opened	-	$text1" <<< "$history_b" ||
  fail "device B does not open the entry to A's text:"$'\n'"$history_b"

# Offline: each device saves its own text into the same entry.
api A POST "system/pause?device=${id[B]}" > /dev/null
api B POST "system/pause?device=${id[A]}" > /dev/null
wait_until "the devices to part" disconnected
"$tool" write "${dir[A]}" "$password" "$day" "$tab" "$textA"
"$tool" write "${dir[B]}" "$password" "$day" "$tab" "$textB"
# A scan through the REST interface returns once it is done: each side knows its own change
# before it hears the other's.
api A POST "db/scan?folder=$folder_id" > /dev/null
api B POST "db/scan?folder=$folder_id" > /dev/null
check_no_plain "$textA" "$textB"
# Syncthing keeps the newer file and renames the older one.
if [ "$(stat -c %.9Y "${dir[A]}/$entry")" \> "$(stat -c %.9Y "${dir[B]}/$entry")" ]; then
  winner=A loser=B winner_text=$textA loser_text=$textB
else
  winner=B loser=A winner_text=$textB loser_text=$textA
fi

start=$(now)
api A POST "system/resume?device=${id[B]}" > /dev/null
api B POST "system/resume?device=${id[A]}" > /dev/null
wait_until "a conflict copy on device $loser" has_conflict_copy "$loser"
copy_loser_in=$(since "$start")
wait_until "a conflict copy on device $winner" has_conflict_copy "$winner"
copy_both_in=$(since "$start")
wait_until "both devices to hold the same files" in_sync
settled_in=$(since "$start")

check_no_plain "$text0" "$text1" "$textA" "$textB"
copy_names=""
for side in A B; do
  copies=$(conflict_copies "$side")
  [ "$(wc -l <<< "$copies")" = 1 ] || fail "device $side has other than one conflict copy: $copies"
  copy=$(basename "$copies")
  copy_names="$copy_names $side:$copy"
  # A sealed file begins with its magic, "\x89MLE".
  [ "$(head -c 4 "$copies" | od -An -tx1 | tr -d ' ')" = 894d4c45 ] ||
    fail "device $side's conflict copy $copy is not sealed"
  history=$("$tool" history "${dir[$side]}" "$password" "$day" "$tab")
  echo "History of $day, tab $tab, on device $side:"
  sed 's/^/  /' <<< "$history"
  grep -qxF "entry	sealed-opened	-	$winner_text" <<< "$history" ||
    fail "device $side does not show the winning text in the entry"
  grep -qP "^sync-copy\tsealed-opened\t[^\t]*\t\Q$loser_text\E$" <<< "$history" ||
    fail "device $side's history lists the conflict copy without the losing text"
done

failed=0
row() { printf '  %-44s %6ss\n' "$1" "$2"; }
echo
echo "Two Syncthing $(syncthing --version | awk '{print $2}') devices, one encrypted diary: passed."
row "A: an entry, encrypted, saved again" "$encrypted_in"
row "devices connected, from Syncthing's start" "$connected_in"
row "the encrypted diary in sync on B, from start" "$synced_in"
echo "  offline, A and B each saved the entry; the newer text, $winner's, wins"
row "resumed: a conflict copy on $loser (the loser)" "$copy_loser_in"
row "resumed: a conflict copy on $winner too" "$copy_both_in"
row "resumed: both sides hold the same files" "$settled_in"
echo "  encryption: $sealed; conflict copies:$copy_names"
echo "  each sealed, opened with the diary's key to $loser's text, listed by the entry's history"
echo "  no file of either diary or Syncthing home holds any of the four texts in plain"

#!/usr/bin/env bash
# Sends a page to the simulated radio and reads it back with lumo-cli.
set -u
CLI=$1
SIM=$2
DATA=$3
WORK=$(mktemp -d)
# Backups go to the user's data folder: here, one of the test's own.
export XDG_DATA_HOME="$WORK/data"
SIM_PID=
cleanup() {
  [ -n "$SIM_PID" ] && kill "$SIM_PID" 2>/dev/null && wait "$SIM_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
source "$(dirname "$0")/checks.sh"
# Waits (bounded) until the simulator has printed its device.
start_radio() {
  # The previous simulator's device must not be taken for this one's before it starts.
  rm -f "$WORK/sim.out"
  "$SIM" "$@" > "$WORK/sim.out" 2>&1 &
  SIM_PID=$!
  for _ in $(seq 100); do
    DEVICE=$(head -n 1 "$WORK/sim.out" 2>/dev/null)
    [ -n "$DEVICE" ] && return 0
    sleep 0.05
  done
  return 1
}

"$SIM" digital --frob 2> "$WORK/err.txt"
check "simulator refuses an unknown option on one line" test $? -eq 2 -a "$(wc -l < "$WORK/err.txt")" -eq 1
"$CLI" import "$DATA/three-memories.21" VRD-21 -o "$WORK/page.lumo" > /dev/null
stop_radio() {
  kill "$SIM_PID"; wait "$SIM_PID" 2>/dev/null; SIM_PID=
}
start_radio digital --memory "$WORK/radio.mem" || { echo "FAIL simulator did not start"; exit 1; }
"$CLI" send "$WORK/page.lumo" --port "$DEVICE" > "$WORK/send.txt" 2> "$WORK/progress.txt"
check "send succeeds" test $? -eq 0
check "send reports" grep -qx "Complete: 5 memories written." "$WORK/send.txt"
check "send sums up" grep -qx "Written: 5 memories; verified: 5 memories match; backup: $WORK/data/lumo/backups/VRD-21_[-_0-9]*\.lumo" <(tail -n 1 "$WORK/send.txt")
check "progress shown" grep -qx "Sending Shadow Memory Data...." "$WORK/progress.txt"
check "verify shown" grep -qx "Verify: Receiving Memory Data...." "$WORK/progress.txt"
check "gauge shown" grep -qx "5/5" "$WORK/progress.txt"
"$CLI" get VRD-21 --port "$DEVICE" -o "$WORK/back.lumo" > /dev/null 2>&1
check "get succeeds" test $? -eq 0
"$CLI" dump "$WORK/back.lumo" > "$WORK/back.txt"
check "shadow read back" grep -q $'^3\t01\t003\t2\tS-002' "$WORK/back.txt"
check "description read back" grep -q $'\tDISPATCH\t' "$WORK/back.txt"
stop_radio

# The radio keeps its memory in a file: the next send backs up what the first one wrote.
sed 's/DISPATCH/CHANGED/' "$WORK/page.lumo" > "$WORK/other.lumo"
start_radio digital --memory "$WORK/radio.mem" || { echo "FAIL simulator did not start"; exit 1; }
"$CLI" send "$WORK/other.lumo" --port "$DEVICE" --backup-dir "$WORK/mine" > /dev/null 2>&1
check "send to a backup folder" test $? -eq 0 -a "$(ls "$WORK/mine" | wc -l)" -eq 1
"$CLI" diff "$WORK/page.lumo" "$WORK/mine/"*.lumo > "$WORK/diff.txt"
check "backup holds the radio's memories" test $? -eq 0 -a ! -s "$WORK/diff.txt"
"$CLI" diff "$WORK/page.lumo" "$WORK/other.lumo" > "$WORK/diff.txt"
check "diff of a change fails" test $? -eq 1
check "diff names the change" test "$(cat "$WORK/diff.txt")" = 'memory 1 DESC: "DISPATCH" -> "CHANGED"'
"$CLI" diff "$WORK/page.lumo" "$WORK/none.lumo" > /dev/null 2>&1
check "diff of a missing file" test $? -eq 2
"$CLI" send "$WORK/page.lumo" --port "$DEVICE" --no-backup --no-verify > "$WORK/send.txt" 2>&1
check "send without backup or verify" test "$(tail -n 1 "$WORK/send.txt")" = "Written: 5 memories; not verified; no backup"
stop_radio

# A radio that stores memory 3 damaged: the write stands, the verify says so.
start_radio digital --corrupt 3 || { echo "FAIL simulator did not start"; exit 1; }
"$CLI" send "$WORK/page.lumo" --port "$DEVICE" --no-backup > "$WORK/send.txt" 2> "$WORK/err.txt"
check "verify failure fails" test $? -eq 1
check "verify names memory and column" grep -qx 'memory 3 DESC: "TAC 1 S" -> "XAC 1 S"' "$WORK/send.txt"
check "verify failure sums up" test "$(tail -n 1 "$WORK/send.txt")" = "Written: 5 memories; verify: differences in 1 of 5 memories; no backup"
check "verify failure says what next" grep -q "^Verify failed: send the page again" "$WORK/err.txt"
stop_radio

# A radio that takes no protocol: the search ends, and so does lumo-cli; the backup fails
# first, and nothing is written.
start_radio digital --refuse-protocols || { echo "FAIL simulator did not start"; exit 1; }
timeout 60 "$CLI" send "$WORK/page.lumo" --port "$DEVICE" > /dev/null 2> "$WORK/err.txt"
check "failed backup stops the send" test $? -eq 1
check "failed backup message" grep -qx "The radio could not be backed up: Radio rejected transfer protocols 0 to 223: Nothing was written to the radio." "$WORK/err.txt"
check "failed backup hint" grep -qx -- "--no-backup writes without a backup" "$WORK/err.txt"
timeout 60 "$CLI" send "$WORK/page.lumo" --port "$DEVICE" --no-backup > /dev/null 2> "$WORK/err.txt"
status=$?
check "refusing radio fails" test $status -ne 0 -a $status -ne 124
check "refusing radio message" grep -qx "Radio rejected transfer protocols 0 to 223" "$WORK/err.txt"
stop_radio

# The simulator answers on a stable link too, notes what it hears, and ends cleanly on SIGTERM.
start_radio digital --link "$WORK/radio" --transcript "$WORK/heard.txt" || { echo "FAIL simulator did not start"; exit 1; }
"$CLI" send "$WORK/page.lumo" --port "$WORK/radio" --no-backup --no-verify > /dev/null 2>&1
check "send through the simulator's link" test $? -eq 0
kill "$SIM_PID"; wait "$SIM_PID"; status=$?; SIM_PID=
check "simulator ends cleanly on SIGTERM" test $status -eq 0
check "simulator's transcript" grep -q '^<T007' "$WORK/heard.txt"

"$CLI" send "$WORK/page.lumo" --port "$WORK/no-such-device" 2> "$WORK/err.txt" > /dev/null
check "missing port fails" test $? -ne 0
check "missing port message" grep -qx "Invalid COM Port (or Port in use)" "$WORK/err.txt"
"$CLI" send "$WORK/page.lumo" 2> "$WORK/err.txt" > /dev/null
check "no port fails" grep -qx "No Port selected!" "$WORK/err.txt"

checks_done

#!/usr/bin/env bash
# Sends a page to the simulated radio and reads it back with lumo-cli.
set -u
CLI=$1
SIM=$2
DATA=$3
WORK=$(mktemp -d)
SIM_PID=
cleanup() {
  [ -n "$SIM_PID" ] && kill "$SIM_PID" 2>/dev/null && wait "$SIM_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
failures=0
checks=0
check() {  # check NAME CONDITION...
  local name=$1; shift
  checks=$((checks + 1))
  if "$@"; then echo "ok   $name"; else echo "FAIL $name"; failures=$((failures + 1)); fi
}
# Waits (bounded) until the simulator has printed its device.
start_radio() {
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
start_radio digital || { echo "FAIL simulator did not start"; exit 1; }
"$CLI" send "$WORK/page.lumo" --port "$DEVICE" > "$WORK/send.txt" 2> "$WORK/progress.txt"
check "send succeeds" test $? -eq 0
check "send reports" grep -qx "Complete: 5 memories written." "$WORK/send.txt"
check "progress shown" grep -qx "Sending Shadow Memory Data...." "$WORK/progress.txt"
check "gauge shown" grep -qx "5/5" "$WORK/progress.txt"
"$CLI" get VRD-21 --port "$DEVICE" -o "$WORK/back.lumo" > /dev/null 2>&1
check "get succeeds" test $? -eq 0
"$CLI" dump "$WORK/back.lumo" > "$WORK/back.txt"
check "shadow read back" grep -q $'^3\t01\t003\t2\tS-002' "$WORK/back.txt"
check "description read back" grep -q $'\tDISPATCH\t' "$WORK/back.txt"
kill "$SIM_PID"; wait "$SIM_PID" 2>/dev/null; SIM_PID=

# A radio that takes no protocol: the search ends, and so does lumo-cli.
start_radio digital --refuse-protocols || { echo "FAIL simulator did not start"; exit 1; }
timeout 60 "$CLI" send "$WORK/page.lumo" --port "$DEVICE" > /dev/null 2> "$WORK/err.txt"
status=$?
check "refusing radio fails" test $status -ne 0 -a $status -ne 124
check "refusing radio message" grep -qx "Radio rejected transfer protocols 0 to 223" "$WORK/err.txt"
kill "$SIM_PID"; wait "$SIM_PID" 2>/dev/null; SIM_PID=

"$CLI" send "$WORK/page.lumo" --port "$WORK/no-such-device" 2> "$WORK/err.txt" > /dev/null
check "missing port fails" test $? -ne 0
check "missing port message" grep -qx "Invalid COM Port (or Port in use)" "$WORK/err.txt"
"$CLI" send "$WORK/page.lumo" 2> "$WORK/err.txt" > /dev/null
check "no port fails" grep -qx "No Port selected!" "$WORK/err.txt"

echo "$((checks - failures)) passed, $failures failed"
exit $((failures > 0))

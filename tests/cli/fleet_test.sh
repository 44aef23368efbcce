#!/usr/bin/env bash
# lumo-cli send to eight simulated radios at once: a digital page to six (three healthy, one
# silent, one refusing a record, one dropping the line), an analog page to two, then Ctrl+C.
set -u
CLI=$1
SIM=$2
DATA=$3
source "$(dirname "$0")/radios.sh"
row() { grep "^$(dev "$1")," "$WORK/report.csv"; }

"$CLI" import "$DATA/three-memories.21" VRD-21 -o "$WORK/digital.lumo" > /dev/null
"$CLI" import "$DATA/three-memories.m35" VR-35 -o "$WORK/analog.lumo" > /dev/null
start_radio ok1 digital; start_radio ok2 digital --firmware 020205; start_radio ok3 digital
start_radio silent digital --no-reply; start_radio refusing digital --refuse 2
start_radio dropping digital --drop-after 26
start_radio an1 analog --radio VR-35; start_radio an2 analog --radio VR-35
printf '# the analog radios\n%s\n\n%s\n' "$(dev an1)" "$(dev an2)" > "$WORK/ports.txt"
"$CLI" send "$WORK/analog.lumo" --ports-from "$WORK/ports.txt" --report "$WORK/analog.csv" \
  > "$WORK/analog.txt" 2>&1 &
analog=$!
ports=()
for r in ok1 ok2 ok3 silent refusing dropping; do ports+=(--port "$(dev $r)"); done
timeout 100 "$CLI" send "$WORK/digital.lumo" "${ports[@]}" --report "$WORK/report.csv" \
  > "$WORK/table.txt" 2> "$WORK/progress.txt"
check "a faulty radio fails the send" test $? -eq 1
wait $analog
check "analog radios all written and verified" test $? -eq 0 -a "$(grep -c ',yes,.*,Written and verified,' "$WORK/analog.csv")" -eq 2
for r in ok1 ok2 ok3; do
  check "$r written and verified" grep -q ',VRD-21,,020[12]0[05],5,yes,.*backups/VRD-21_.*,Written and verified,' <(row $r)
done
check "each radio its own firmware" grep -q ',020205,' <(row ok2)
check "silent radio" grep -q ',0,no,,Backup failed: Timeout Error' <(row silent)
check "refusing radio" grep -q ',no,.*,Radio rejected channel 2,' <(row refusing)
check "dropping radio" grep -q ',no,.*,Line lost after [0-4] memor' <(row dropping)
check "one table row per port" test "$(wc -l < "$WORK/table.txt")" -eq 7 -a "$(wc -l < "$WORK/report.csv")" -eq 7
check "progress names each port" test "$(grep -c ': Written and verified$' "$WORK/progress.txt")" -eq 3
check "the failures are counted" grep -qx "3 of 6 radios were not written and verified" "$WORK/progress.txt"

# Ctrl+C cancels every radio; each row says so.
"$CLI" send "$WORK/digital.lumo" --port "$(dev silent)" --port "$(dev ok1)" --no-backup \
  > "$WORK/table.txt" 2> "$WORK/progress.txt" &
send=$!
for _ in $(seq 200); do grep -q "$(dev silent): Initializing" "$WORK/progress.txt" && break; sleep 0.05; done
kill -INT $send
wait $send
check "Ctrl+C fails the send" test $? -eq 1
check "Ctrl+C cancels the silent radio" grep -q "^$(dev silent) .*Cancelled after 0 memories" "$WORK/table.txt"

checks_done

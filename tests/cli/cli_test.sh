#!/usr/bin/env bash
# Runs lumo-cli's verbs and checks what they print and how they end.
set -u
CLI=$1
DATA=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
source "$(dirname "$0")/checks.sh"

"$CLI" new VRD-21 -o "$WORK/p25.lumo"
check "new writes a file" test -s "$WORK/p25.lumo"
"$CLI" dump "$WORK/p25.lumo" > "$WORK/dump.txt"
check "dump header" grep -q $'^row\tMFLG\tMNUM\tPRIM' "$WORK/dump.txt"
check "dump rows 0, 1 and the guards" test "$(cut -f1 "$WORK/dump.txt" | tail -n +2 | tr '\n' ' ')" = "0 1 231 232 "

"$CLI" new VR-35 "FM 403-512" -o "$WORK/uhf.lumo"
check "new with a band" grep -q "<FBand>FM 403-512</FBand>" "$WORK/uhf.lumo"
"$CLI" new VR-35 "FM 66-88" -o "$WORK/bad.lumo" 2> "$WORK/err.txt"
check "band the radio lacks fails" test $? -ne 0
check "one-line message" test "$(wc -l < "$WORK/err.txt")" -eq 1
"$CLI" new VR-99 -o "$WORK/bad.lumo" 2> "$WORK/err.txt"
check "unknown radio fails" test $? -ne 0
"$CLI" dump "$WORK/p25.lumo" --frob 2> "$WORK/err.txt"
check "unknown option refused on one line" test $? -eq 2 -a "$(wc -l < "$WORK/err.txt")" -eq 1

printf '<LumoMem><Version/><Date/><Time/><Type/></LumoMem>' > "$WORK/106.lumo"
"$CLI" dump "$WORK/106.lumo" 2> "$WORK/err.txt"
check "code 106 fails" test $? -ne 0
check "code 106 message" test "$(cat "$WORK/err.txt")" = "Open File returned: 106"
printf '<LumoMem><oops>' > "$WORK/broken.lumo"
"$CLI" check "$WORK/broken.lumo" 2> "$WORK/err.txt"
check "broken XML fails" test $? -ne 0
check "broken XML message" test "$(cat "$WORK/err.txt")" = "Not valid XML Document"

sed -e 's|<MN>002</MN>|<MN>001</MN>|' -e 's|<MN>005</MN>|<MN>099</MN>|' \
    -e 's|<RF>150.0000</RF><RS>x</RS><RT>67.0</RT><RC>023</RC><RG>0001</RG>|<RF>50.0000</RF><RS>x</RS><RT>67.0</RT><RC>023</RC><RG>0001</RG>|' \
    "$DATA/twelve-in-zone-one.lumo" > "$WORK/faults.lumo"
"$CLI" check "$WORK/faults.lumo" -o "$WORK/checked.lumo" --dump > "$WORK/check.txt"
check "check succeeds" test $? -eq 0
check "duplicate reported" grep -qx "Error: Number already used at row: 002" "$WORK/check.txt"
check "highlights listed" grep -qx "highlight 1 RFRQ" "$WORK/check.txt"
check "dump follows" grep -q $'^row\tMFLG' "$WORK/check.txt"
check "checked page saved" test -s "$WORK/checked.lumo"
"$CLI" dump "$WORK/checked.lumo" > "$WORK/after.txt"
check "repair saved" grep -q $'^1\t.*\t136.0000\t' "$WORK/after.txt"

"$CLI" import "$DATA/three-memories.21" VRD-21 -o "$WORK/imported.lumo" --dump > "$WORK/import.txt"
check "import succeeds" test $? -eq 0
check "import reports its count" grep -qx "Imported 4 Lines from 21 Binary file." "$WORK/import.txt"
check "primary and shadow imported" grep -q $'^3\t01\t003\t002\tS-002' "$WORK/import.txt"
"$CLI" dump "$WORK/imported.lumo" > "$WORK/reopened.txt"
check "imported page saved" grep -q $'^231\t' "$WORK/reopened.txt"
"$CLI" import "$DATA/three-memories.m35" VR-13 -o "$WORK/polylum.lumo" --dump > "$WORK/import.txt"
check "line file imported" grep -q $'^2\t\t002\t\t\t\t5\t\tREPEATER' "$WORK/import.txt"
"$CLI" import "$DATA/long-names.lumo" VR-13 -o "$WORK/none.lumo" 2> "$WORK/err.txt"
check "unknown import fails" test $? -ne 0
check "unknown import message" test "$(cat "$WORK/err.txt")" = "Error: Unknown File Type."
check "nothing written" test ! -e "$WORK/none.lumo"

"$CLI" export "$WORK/imported.lumo" -o "$WORK/out.csv" > "$WORK/export.txt"
check "export succeeds" test $? -eq 0
check "export says what it wrote" test "$(cat "$WORK/export.txt")" = "Exported 5 memories to $WORK/out.csv."
check "export header" test "$(head -1 "$WORK/out.csv")" = "MNUM,SCAN,ZONE,DESC,MODE,RFRQ,RSQL,RTON,RCOD,RTGP,RNAC,TFRQ,TSQL,TTON,TCOD,TTGP,TNAC,TIDC,"
"$CLI" import "$WORK/out.csv" VRD-21 -o "$WORK/back.lumo" > /dev/null
check "exported file imports" test -s "$WORK/back.lumo"
"$CLI" export "$WORK/imported.lumo" -o "$WORK/missing/out.csv" 2> "$WORK/err.txt"
check "unwritable export fails" test $? -ne 0
check "unwritable export message" test "$(cat "$WORK/err.txt")" = "Unable to write to selected File"

checks_done

#!/usr/bin/env bash
# Radios on another machine: ser2net offers two of four simulated radios over TCP, one raw and
# one with RFC 2217, and lumo-cli sends one page to all four at once, then reads one back.
set -u
CLI=$1
SIM=$2
DATA=$3
source "$(dirname "$0")/radios.sh"
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
# A port nobody listens on, from a range the system does not hand out on its own.
free_port() {
  local port
  while port=$((20000 + RANDOM % 12000)); listening "$port"; do :; done
  echo "$port"
}
row() { grep "^$1," "$WORK/report.csv"; }

"$CLI" import "$DATA/three-memories.21" VRD-21 -o "$WORK/digital.lumo" > /dev/null
for r in local1 local2 bench1 bench2; do
  start_radio $r digital --transcript "$WORK/$r.log"
done
RAW=$(free_port); TELNET=$(free_port)
cat > "$WORK/ser2net.yaml" <<YAML
%YAML 1.1
---
connection: &bench1
  accepter: tcp,127.0.0.1,$RAW
  connector: serialdev,$(dev bench1),9600n81,local
  options:
    chardelay: false
connection: &bench2
  accepter: telnet(rfc2217),tcp,127.0.0.1,$TELNET
  connector: serialdev,$(dev bench2),9600n81,local
  options:
    chardelay: false
YAML
ser2net -n -d -c "$WORK/ser2net.yaml" -P "$WORK/ser2net.pid" > "$WORK/ser2net.out" 2>&1 &
PIDS+=($!)
eventually listening $RAW && eventually listening $TELNET

timeout 100 "$CLI" send "$WORK/digital.lumo" --port "$(dev local1)" --port "$(dev local2)" \
  --port "tcp://127.0.0.1:$RAW" --port "rfc2217://127.0.0.1:$TELNET" \
  --report "$WORK/report.csv" > "$WORK/table.txt" 2> "$WORK/progress.txt"
check "four radios, two of them far away, all written" test $? -eq 0
for port in "$(dev local1)" "$(dev local2)" "tcp://127.0.0.1:$RAW" "rfc2217://127.0.0.1:$TELNET"; do
  check "$port written and verified" grep -q ',VRD-21,.*,Written and verified,' <(row "$port")
done
check "the radio behind RFC 2217 was switched to 115200 baud" grep -qx '=115200 baud' "$WORK/bench2.log"
check "the radio behind the raw port keeps the server's speed" \
  test "$(grep -c '=115200 baud' "$WORK/bench1.log")" -eq 0

for port in "tcp://127.0.0.1:$RAW" "rfc2217://127.0.0.1:$TELNET"; do
  "$CLI" get VRD-21 --port "$port" -o "$WORK/back.lumo" > "$WORK/get.txt" 2>&1
  check "read back through $port" test $? -eq 0
  check "what was read back through $port is what was sent" \
    "$CLI" diff "$WORK/digital.lumo" "$WORK/back.lumo"
done

NOBODY=$(free_port)
timeout 30 "$CLI" send "$WORK/digital.lumo" --port "tcp://127.0.0.1:$NOBODY" > "$WORK/none.txt" 2>&1
check "a port nobody listens on fails the send" test $? -eq 1
check "and says which port refused" grep -q "tcp://127.0.0.1:$NOBODY: Connection refused" "$WORK/none.txt"

checks_done

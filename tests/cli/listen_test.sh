#!/usr/bin/env bash
# The simulator on TCP: a client's request answered, a newer client taking the line over, a
# hang-up after --drop-after, bad ports refused; on its pseudo-terminal, the speed a client sets.
set -u
SIM=$1
source "$(dirname "$0")/radios.sh"
start_sim() {  # start_sim NAME ARGS...: the simulator's first line in $LINE
  start_radio "$@" && LINE=$(dev "$1")
}
ask() {  # ask FD: the radio identifies itself to a client on FD
  local reply
  printf 'T204000020DB\r' >&"$1"
  read -r -d $'\r' -t 5 -u "$1" reply && test "$reply" = T20B00002100000000000000D3
}
hung_up() {  # hung_up FD: the simulator closed the connection on FD
  read -r -t 5 -u "$1" _
  test $? -eq 1
}

start_sim tcp digital --listen 0 --transcript "$WORK/tcp.log" || { echo "FAIL no address"; exit 1; }
PORT=${LINE#tcp://localhost:}
check "prints a TCP address" test "$PORT" -gt 0 -a "$LINE" = "tcp://localhost:$PORT"
exec 3<> "/dev/tcp/localhost/$PORT"
check "answers over TCP" ask 3
exec 4<> "/dev/tcp/localhost/$PORT"
check "a new connection is served" ask 4
check "the old one is closed" hung_up 3
exec 3<&- 4<&- 3<> "/dev/tcp/localhost/$PORT"
check "the next client after a hang-up is served" ask 3
exec 3<&-
check "transcript" grep -qx '<T204000020DB' "$WORK/tcp.log"

start_sim drop digital --listen 0 --drop-after 2 || { echo "FAIL no address"; exit 1; }
for client in first next; do
  exec 3<> "/dev/tcp/localhost/${LINE#tcp://localhost:}"
  check "drop-after: the $client client's two replies, then a hang-up" eval 'ask 3 && ask 3 && hung_up 3'
  exec 3<&-
done

while IFS='|' read -r name status args; do
  # shellcheck disable=SC2086  # the table's arguments split at the spaces
  timeout 10 "$SIM" digital $args > /dev/null 2> "$WORK/err.txt"
  check "$name" test $? -eq "$status" -a "$(wc -l < "$WORK/err.txt")" -eq 1
done <<EOF
port above 65535|2|--listen 65536
negative port|2|--listen -1
listen with a link|2|--listen 0 --link $WORK/radio
port in use|1|--listen $PORT
EOF

start_sim pty digital --transcript "$WORK/pty.log" || { echo "FAIL no device"; exit 1; }
stty -F "$LINE" 115200
check "line speed noted" eventually grep -qx '=115200 baud' "$WORK/pty.log"
checks_done

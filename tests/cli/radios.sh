# What the shell tests that start simulated radios share: a scratch folder (also the data
# folder the backups go to), the radios stopped at the end, and a bounded wait for each radio's
# device. Sourced after SIM is set; sources the checks.
WORK=$(mktemp -d)
export XDG_DATA_HOME="$WORK/data"
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
eventually() {  # eventually COMMAND...: passes once the command does, within five seconds
  for _ in $(seq 100); do "$@" && return 0; sleep 0.05; done
  return 1
}
# Starts a simulated radio; its device is the first line of $WORK/NAME.dev.
start_radio() {  # start_radio NAME SIM-ARGUMENTS...
  local name=$1; shift
  "$SIM" "$@" > "$WORK/$name.dev" 2>&1 &
  PIDS+=($!)
  eventually test -s "$WORK/$name.dev" || { echo "FAIL radio $name did not start"; exit 1; }
}
dev() { head -n 1 "$WORK/$1.dev"; }

# What the shell tests share: named checks, counted, and a summary that sets the exit code.
# Sourced by each test; `check NAME COMMAND...` passes when the command does.
failures=0
checks=0
check() {  # check NAME CONDITION...
  local name=$1; shift
  checks=$((checks + 1))
  if "$@"; then echo "ok   $name"; else echo "FAIL $name"; failures=$((failures + 1)); fi
}
checks_done() {
  echo "$((checks - failures)) passed, $failures failed"
  exit $((failures > 0))
}

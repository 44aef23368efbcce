#!/usr/bin/env bash
# Start-up benchmark: runs Lumo on a virtual display several times and reports the medians of
# the time from process start to the first paint of the page, and of the resident memory one
# second later.  Usage: bench/startup.sh [path/to/lumo] [runs]
set -euo pipefail
LUMO=${1:-build/bin/lumo}
RUNS=${2:-9}

export LUMO RUNS
# One virtual display for all runs; each run stamps its start just before exec.
results=$(xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  for i in $(seq "$RUNS"); do
    timeout 20 bash -c "LUMO_STARTUP_PROBE=1 LUMO_STARTUP_T0=\$(date +%s%N) exec \"\$LUMO\""
  done')

median() { sort -n | awk '{a[NR]=$1} END {if (NR==0) print "n/a"; else print a[int((NR+1)/2)]}'; }
shown=$(echo "$results" | awk '$1=="shown_ms"{print $2}' | median)
rss=$(echo "$results" | awk '$1=="rss_kib"{printf "%.1f\n", $2/1024}' | median)
echo "runs: $RUNS"
echo "start to shown window, median: ${shown} ms"
echo "resident memory 1 s later, median: ${rss} MiB"

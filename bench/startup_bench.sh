#!/bin/sh
# Start-up time of the window program: from the moment the process is started to the
# first paint of the main window, offscreen, with a fresh program folder each time.
# The program is morvane-probe: morvane's own start-up, plus the report of its first paint.
# Usage: bench/startup_bench.sh [probe (default build-release/morvane-probe)] [runs (default 20)]
# Prints every run and the median, minimum and maximum in milliseconds; exits 1 when
# the median is above the 300 ms budget.
set -eu

program=${1:-build-release/morvane-probe}
runs=${2:-20}
budget_ms=300

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"

times=""
i=0
while [ "$i" -lt "$runs" ]; do
  rm -rf "$scratch/home" && mkdir "$scratch/home"
  started=$(date +%s%N)
  # The probe prints "shown <CLOCK_REALTIME ns>" at the first paint, then quits.
  shown=$(QT_QPA_PLATFORM=offscreen MORVANE_HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" \
    "$program" first-paint | sed -n 's/^shown //p')
  ms=$(( (shown - started) / 1000000 ))
  echo "run $i: $ms ms"
  times="$times $ms"
  i=$((i + 1))
done

sorted=$(echo "$times" | tr ' ' '\n' | sed '/^$/d' | sort -n)
median=$(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p")
echo "start-up to first paint over $runs runs: median $median ms, min $(echo "$sorted" | head -1) ms," \
  "max $(echo "$sorted" | tail -1) ms (budget $budget_ms ms)"
[ "$median" -le "$budget_ms" ]

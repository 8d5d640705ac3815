#!/bin/sh
# Every speed-and-scale goal in one run, each figure beside what it is compared with; every
# reference is measured in the same run, alternately with the figure where the benchmark
# can:
# - morvane-batch against a plain C loop doing the same work: renaming 100,000 files in
#   place (numbering, replacement) and copying 10,000 files of 1 KiB (goal 1.2 at most);
# - the character conversion of 100,000 names in place, and the replacement by a regular
#   expression, against the plain replacement (goal 1.3 at most);
# - a run with the undo journal against the same run without it;
# - a million files in one folder against 100,000 (goal: 11 times the time at most, and
#   200 MB of memory at most);
# - a run from the window against the same run through morvane-batch, at 10,000 and at
#   100,000 files;
# - the window's target list with many paths, against its time budgets.
# Each part prints its figures as it ends; a summary of them all comes last. The whole
# takes about a quarter of an hour, a third of it the million files.
# Usage: bench/run_all.sh [build folder (default build-bench)]; `make bench` builds the
# programs first.
set -eu

build=${1:-build-bench}
benchmarks=$build/bench/morvane_benchmarks
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

heading() { printf '\n=== %s\n' "$1"; }

# settle: writes out what the file system still has to write and, where this user may
# (root), drops the kernel's caches. A benchmark removes its files when it ends, and for
# minutes after that ext4 looks past every inode freed so recently whenever it makes a
# file: a copy of 10,000 files took four times as long after another benchmark had
# removed its 100,000. Dropped caches end that look.
settle() {
  sync
  echo 3 2>/dev/null >/proc/sys/vm/drop_caches || true
}

# measure NAME FILTER: runs the benchmarks FILTER selects, their figures also kept in
# NAME.json for the summary. The machine description on standard error is shown only when
# the benchmarks fail.
measure() {
  settle
  if ! "$benchmarks" --benchmark_filter="$2" --benchmark_out="$scratch/$1.json" \
    --benchmark_out_format=json 2>"$scratch/$1.err"; then
    cat "$scratch/$1.err" >&2
    exit 1
  fi
}

# figure NAME ROW COUNTER: counter COUNTER of the benchmark in NAME.json whose name starts
# with ROW, with two decimals, or "-" when there is none. The report has one key a line.
figure() {
  awk -v row="$2" -v counter="$3" '
    /^ *"name": / { name = $0; sub(/^ *"name": "/, "", name) }
    index(name, row) == 1 && $1 == "\"" counter "\":" {
      value = $2; sub(/,$/, "", value); exit
    }
    END { if (value == "") print "-"; else printf "%.2f\n", value }' "$scratch/$1.json"
}

heading "morvane-batch numbering 100,000 files in place, against a plain C loop (goal: 1.25 at most)"
measure numbering '^BM_AgainstCLoop/files:100000/replace:0/'
heading "morvane-batch replacing in the names of 100,000 files in place, against a plain C loop (goal: 1.25 at most)"
measure replacement '^BM_AgainstCLoop/files:100000/replace:1/'

heading "morvane-batch converting the characters of 100,000 names in place, against replacing in them (goal: 1.3 at most)"
measure conversion '^BM_ConvertAgainstReplace/'

heading "morvane-batch replacing with a regular expression in 100,000 names in place, against the plain replacement (goal: 1.3 at most)"
measure regex '^BM_RegexAgainstPlain/'

heading "morvane-batch numbering 10,000 dated JPEGs by the date taken, against by the modification time (goal: 3 at most)"
measure taken '^BM_TakenOrderAgainstDateOrder/'

heading "morvane-batch copying 10,000 files of 1 KiB, against a plain C loop (goal: 1.2 at most)"
measure copy '^BM_CopyAgainstCLoop/'

heading "A run with the undo journal, against the same run without it (goal: 1.05 at most)"
measure journal '^BM_JournalCost/'

heading "1,000,000 files in one folder, against 100,000 (goals: time ratio 11, 200 MB at most)"
measure scale '^BM_Scale/'

# window FILE PROGRAM ARGUMENTS...: runs a window benchmark offscreen, without the
# offscreen platform's chatter, its lines also kept in FILE.
window() {
  kept=$1
  shift
  QT_QPA_PLATFORM=offscreen "$@" 2>&1 |
    grep -v -e 'does not support raise()' -e '^QStandardPaths: XDG_RUNTIME_DIR' | tee "$kept"
}

for files in 10000 100000; do
  settle
  heading "A run of $files files from the window, against the same run through morvane-batch (goal: 1.2 at most)"
  window "$scratch/window-$files.txt" "$build/bench/gui/morvane_window_run_bench" 5 "$files"
done

heading "The window's target list with many paths, against its time budgets"
settle
window "$scratch/list.txt" "$build/bench/gui/morvane_gui_bench"

window_ratio() { sed -n 's/^ratio window \/ morvane-batch: //p' "$scratch/window-$1.txt"; }

heading "Summary: each figure against its reference, both measured in this run"
printf '%-58s %8s  %s\n' \
  "rename in place, 100,000 files, numbering" "$(figure numbering BM_AgainstCLoop/ ratio)" "x the C loop (goal: 1.25 at most)" \
  "rename in place, 100,000 files, replacement" "$(figure replacement BM_AgainstCLoop/ ratio)" "x the C loop (goal: 1.25 at most)" \
  "character conversion in place, 100,000 files" "$(figure conversion BM_ConvertAgainstReplace/ ratio)" "x the replacement (goal: 1.3 at most)" \
  "regular-expression replacement in place, 100,000 files" "$(figure regex BM_RegexAgainstPlain/ ratio)" "x the plain replacement (goal: 1.3 at most)" \
  "numbering by the date taken, 10,000 JPEGs" "$(figure taken BM_TakenOrderAgainstDateOrder/ ratio)" "x by the modification time (goal: 3 at most)" \
  "copy, 10,000 files of 1 KiB" "$(figure copy BM_CopyAgainstCLoop/files:10000 ratio)" "x the C loop (goal: 1.2 at most)" \
  "undo journal, 100,000 files" "$(figure journal BM_JournalCost/files:100000 ratio)" "x the run without it (goal: 1.05 at most)" \
  "undo journal's records alone, 100,000 files" "$(figure journal BM_JournalCost/files:100000 own_ratio)" "x without it, result file written alike" \
  "1,000,000 files in one folder, time" "$(figure scale BM_Scale/files:1000000 time_ratio)" "x 100,000 files (goal: 11 at most)" \
  "the C loop over the same folders, time" "$(figure scale BM_Scale/files:1000000 c_loop_time_ratio)" "x 100,000 files (the kernel's own growth)" \
  "1,000,000 files in one folder, peak memory (MB)" "$(figure scale BM_Scale/files:1000000 peak_mb)" "(goal: 200 at most)" \
  "window run, 10,000 files" "$(window_ratio 10000)" "x morvane-batch (goal: 1.2 at most)" \
  "window run, 100,000 files" "$(window_ratio 100000)" "x morvane-batch (goal: 1.2 at most)"
grep -i -E 'budget|goal' "$scratch/list.txt" || true

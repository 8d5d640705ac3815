#!/bin/sh
# `make run` starts the window program with nothing in its target list, and with a
# program folder that holds none of the program's own files.
# Usage: run_script_test.sh <run.sh>
set -eu

script=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A stand-in for the window program that tells how it was started.
build=$scratch/build
mkdir "$build"
cat >"$build/morvane" <<'STANDIN'
#!/bin/sh
echo "home=$MORVANE_HOME"
echo "arguments=$#"
for argument in "$@"; do echo "argument=$argument"; done
STANDIN
chmod +x "$build/morvane"

unset MORVANE_HOME
DISPLAY=:99 sh "$script" "$build" >"$scratch/out"
grep -qx 'arguments=0' "$scratch/out" || fail "the window was given paths: $(cat "$scratch/out")"
home=$(sed -n 's/^home=//p' "$scratch/out")
[ -d "$home" ] || fail "the program folder $home does not exist"
[ "$(cd "$home" && pwd)" != "$(cd "$build" && pwd)" ] || fail "the program folder is the build folder"
[ -z "$(ls -A "$home")" ] || fail "the program folder holds files: $(ls -A "$home")"

# Paths given after the build folder still reach the list, and only those.
DISPLAY=:99 sh "$script" "$build" "/tmp/a b" >"$scratch/out"
grep -qx 'arguments=1' "$scratch/out" || fail "one path given: $(cat "$scratch/out")"
grep -qx 'argument=/tmp/a b' "$scratch/out" || fail "the path was split: $(cat "$scratch/out")"

# A program folder chosen by the caller is kept.
MORVANE_HOME=$scratch/mine DISPLAY=:99 sh "$script" "$build" >"$scratch/out"
grep -qx "home=$scratch/mine" "$scratch/out" || fail "MORVANE_HOME was not kept: $(cat "$scratch/out")"

# Without a display nothing is started.
env -u DISPLAY -u WAYLAND_DISPLAY sh "$script" "$build" >"$scratch/out"
! grep -q '^arguments=' "$scratch/out" || fail "started without a display"
echo "run script: ok"

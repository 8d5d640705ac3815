#!/bin/sh
# An installation into a fresh prefix holds every file, and the installed programs keep
# the user's files in XDG_CONFIG_HOME, never beside the executable (whose folder is
# writable here, as in a prefix under the user's home). The Debian package of the same
# tree is sound and holds the same files.
# Usage: install_test.sh <cmake> <build folder> <cpack> <version>
set -eu

cmake=$1
build=$2
cpack=$3
version=$4
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

prefix=$scratch/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
for file in bin/morvane bin/morvane-batch share/morvane/installed \
  share/icons/hicolor/scalable/apps/morvane.svg share/icons/hicolor/256x256/apps/morvane.png \
  share/applications/morvane.desktop share/man/man1/morvane-batch.1.gz share/man/man1/morvane.1.gz \
  share/kio/servicemenus/morvane-rename.desktop share/nemo/actions/morvane-rename.nemo_action \
  share/metainfo/org.morvane.Morvane.metainfo.xml share/doc/morvane/copyright share/doc/morvane/changelog.gz \
  share/bash-completion/completions/morvane-batch share/bash-completion/completions/morvane \
  share/zsh/site-functions/_morvane-batch share/zsh/site-functions/_morvane \
  share/fish/vendor_completions.d/morvane-batch.fish share/fish/vendor_completions.d/morvane.fish; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
# The manual pages carry the project's version, filled in.
zcat "$prefix/share/man/man1/morvane.1.gz" | grep -q "\"Morvane $version\"" || fail "morvane.1 does not name version $version"
zcat "$prefix/share/man/man1/morvane-batch.1.gz" | grep -q '@' && fail "morvane-batch.1 holds a placeholder"
# --help and --version need no display.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$prefix/bin/morvane" --version | head -1)" = "morvane $version" ] ||
  fail "morvane --version does not print $version"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$prefix/bin/morvane" --help | grep -q -- '--version' ||
  fail "morvane --help does not list --version"
[ "$("$prefix/bin/morvane-batch" --version | head -1)" = "morvane-batch $version" ] || fail "morvane-batch --version does not print $version"
"$prefix/bin/morvane-batch" --version | grep -q 'GPL-3.0-or-later' || fail "morvane-batch --version names no licence"

unset MORVANE_HOME
export XDG_CONFIG_HOME="$scratch/config" HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
config=$XDG_CONFIG_HOME/morvane

mkdir "$scratch/photos"
: >"$scratch/photos/a.txt"
"$prefix/bin/morvane-batch" rename --in-place --front x "$scratch/photos" </dev/null >/dev/null
[ -f "$scratch/photos/x1.txt" ] || fail "morvane-batch did not rename"
[ -f "$config/Result.dat" ] || fail "morvane-batch wrote no Result.dat to $config"

# The window program starts and, on SIGTERM, closes as its close box closes it, which
# writes its settings. Its single-instance socket appears once it is up.
QT_QPA_PLATFORM=offscreen "$prefix/bin/morvane" >"$scratch/output" 2>&1 &
program=$!
waited=0
while [ ! -S "$XDG_RUNTIME_DIR/Morvane Mutex" ]; do
  kill -0 "$program" 2>/dev/null || fail "morvane ended at start-up: $(cat "$scratch/output")"
  if [ "$waited" -ge 300 ]; then
    kill -KILL "$program"
    fail "morvane was not up within 30 s"
  fi
  sleep 0.1
  waited=$((waited + 1))
done
kill -TERM "$program"
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "morvane ended with status $status on SIGTERM: $(cat "$scratch/output")"
[ -f "$config/morvane.INI" ] || fail "morvane wrote no morvane.INI to $config"

# The program folder names the user's files: only its owner may enter it or read them.
# A folder that already exists keeps its owner's mode.
"$prefix/bin/morvane-batch" rename --in-place --front y --save-preset p </dev/null >/dev/null
[ -d "$config/Undo" ] && [ -f "$config/Presets/p.ini" ] || fail "no journal folder or preset in $config"
[ "$(stat -c %a "$XDG_CONFIG_HOME")" = 700 ] || fail "the configuration folder is not 0700"
open=$(find "$config" \( -type d ! -perm 700 \) -o \( -type f ! -perm 600 \))
[ -z "$open" ] || fail "not private (folders 0700, files 0600): $(ls -ld $open)"
mkdir -m 750 "$scratch/own" "$scratch/own/morvane"
XDG_CONFIG_HOME=$scratch/own "$prefix/bin/morvane-batch" rename --in-place --front z "$scratch/photos" </dev/null >/dev/null
[ "$(stat -c %a "$scratch/own/morvane")" = 750 ] || fail "an existing program folder lost its mode"
[ "$(stat -c %a "$scratch/own/morvane/Result.dat")" = 600 ] || fail "Result.dat is not 0600"

left=$(ls "$prefix/bin" | tr '\n' ' ')
[ "$left" = "morvane morvane-batch " ] || fail "files were written beside the programs: $left"
echo "installed programs keep their files in $config"

# The package of the same tree (made in the scratch folder, the build left alone).
(cd "$scratch" && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1) ||
  fail "cpack failed: $(tail -20 "$scratch/cpack.log")"
set -- "$scratch"/package/morvane_*.deb
[ -f "$1" ] || fail "cpack made no morvane_*.deb: $(ls "$scratch/package")"
sh "$here/check_package.sh" "$1" "$version"

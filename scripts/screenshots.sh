#!/bin/sh
# Renders the main window in each of its six modes, the folder, settings and version
# dialogs, the help window, the overwrite alert, the confirmation, the plan window, the
# undo dialog and the end message into PNG files, offscreen, through morvane-probe (the
# window program with the developer's hooks that the shipped morvane does not carry).
# Usage: scripts/screenshots.sh <build folder> <output folder>
set -eu

build=${1:-build-release}
output=${2:-build/screenshots}
mkdir -p "$output"
output=$(cd "$output" && pwd)

# A private program folder and runtime folder: the settings of the user stay untouched,
# and a Morvane already running on this desktop does not take the request.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"

QT_QPA_PLATFORM=offscreen MORVANE_HOME="$scratch" XDG_RUNTIME_DIR="$scratch/runtime" \
  "$build/morvane-probe" screenshots "$output"
ls "$output"/*.png

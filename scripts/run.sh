#!/bin/sh
# Starts the window program from a build folder with an empty target list. Its program
# folder (settings, Result.dat, Rename.log) is a folder of its own inside the build
# folder, so that no run can take the program's own files.
# Usage: run.sh <build folder> [paths for the target list...]
set -eu
build="$1"
shift

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here: try '$build/morvane-batch --help' for the command line, or 'make screenshots' to see the windows."
  exit 0
fi
if [ ! -x "$build/morvane" ]; then
  echo "The window program is not built yet; built so far:"
  find "$build" -maxdepth 3 -type f \( -name '*.a' -o -name 'morvane*' \) | sort
  exit 0
fi
home="${MORVANE_HOME:-$build/home}"
mkdir -p "$home"
MORVANE_HOME="$home" exec "$build/morvane" "$@"

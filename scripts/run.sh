#!/bin/sh
# Starts the window program from a build folder, with that folder as program folder.
set -eu
build="$1"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here: try '$build/morvane-batch --help' for the command line, or 'make screenshots' to see the windows."
  exit 0
fi
if [ ! -x "$build/morvane" ]; then
  echo "The window program is not built yet; built so far:"
  find "$build" -maxdepth 3 -type f \( -name '*.a' -o -name 'morvane*' \) | sort
  exit 0
fi
MORVANE_HOME="${MORVANE_HOME:-$build}" exec "$build/morvane" "$@"

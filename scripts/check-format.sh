#!/bin/sh
# Fails, naming them, when C++ files of the project do not match .clang-format (what
# `clang-format -i FILE` would change). Run by .ci/run.
set -eu
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null 2>&1 || { echo "clang-format is not installed" >&2; exit 1; }
unformatted=""
for file in $(git ls-files '*.cpp' '*.h'); do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted="$unformatted $file"
done
if [ -n "$unformatted" ]; then
  echo "Not formatted as .clang-format says (clang-format -i to fix):$unformatted" >&2
  exit 1
fi

#!/bin/sh
# Fails, naming them, when clang-tidy finds anything in the C++ files under src/ (the
# checks .clang-tidy lists). Run by .ci/run and `make tidy`; JOBS sets how many files are
# read at a time (2 by default).
# Its build folder, build-tidy, holds the compile commands and uic's form headers only:
# nothing is compiled there. Debian's clang-tidy 14 is installed when missing, as other
# versions report other findings.
set -eu
cd "$(dirname "$0")/.."
build=build-tidy
jobs="${JOBS:-2}"

./scripts/install-deps.sh
if ! command -v clang-tidy-14 >/dev/null 2>&1 || ! command -v run-clang-tidy-14 >/dev/null 2>&1; then
  as_root=""; [ "$(id -u)" -eq 0 ] || as_root=sudo
  $as_root apt-get update -qq && DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq clang-tidy-14
fi

# Debug, as the test build: the optimized build's GCC-only options are not in the
# commands. Without precompiled headers each file is read with its own includes.
cmake -S . -B "$build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON -DMORVANE_BUILD_TESTS=OFF >/dev/null
# The ui_*.h headers the window's files include. "/fast" (Makefiles' own) runs uic and moc
# without first building the libraries the window's library links.
cmake --build "$build" --target morvane_gui_autogen/fast >/dev/null

# Every src/ file of the compile commands, this tree's own only (the build folder has
# generated .cpp files under a src/ folder too). Left out of what it prints: the count of
# warnings each file's headers raised, all outside the checked files and not shown.
root=$(pwd | sed 's/[][\\.*^$+?(){}|]/\\&/g')
status="$build/clang-tidy-status"
{
  status_of_run=0
  run-clang-tidy-14 -clang-tidy-binary clang-tidy-14 -p "$build" -j "$jobs" -quiet "^$root/src/.*\.cpp\$" 2>&1 ||
    status_of_run=$?
  echo "$status_of_run" >"$status"
} | grep -v -E '^[0-9]+ warnings? generated\.$' || true
if [ "$(cat "$status")" -ne 0 ]; then
  echo "clang-tidy found the faults above (.clang-tidy lists the checks)" >&2
  exit 1
fi

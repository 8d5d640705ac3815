#!/bin/sh
# Installs the Debian packages Morvane needs to build, test and run; does nothing when
# they are all present. Used by `make run` and `make test`.
set -eu

packages="cmake g++ make pkg-config qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev fonts-ipafont-gothic qt6-translations-l10n dosfstools fusefat"

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null 2>&1; then
  as_root="sudo"
else
  echo "These packages are missing and this user cannot install them:$missing" >&2
  exit 1
fi
$as_root apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing

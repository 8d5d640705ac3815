#!/bin/sh
# Installs the Debian packages Morvane needs to build, test, package and run; does
# nothing when they are all present. Used by `make run`, `make test`, `make tsan` and
# `make deb`.
# dpkg-dev and file: the package's dependencies (dpkg-shlibdeps); desktop-file-utils and
# appstream: the checks of the desktop entry and the software centre's data; lintian:
# the check of the package as Debian's archive checks it; zsh and
# fish: the checks of their completions. libexiv2-dev and libavformat-dev: the date a
# photo or video was taken; libimage-exiftool-perl (exiftool): its tests write and read
# back those dates on their own.
set -eu

packages="cmake g++ make pkg-config qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev libabsl-dev libicu-dev libpcre2-dev fonts-ipafont-gothic qt6-translations-l10n dosfstools fusefat\
  libexiv2-dev libavformat-dev libimage-exiftool-perl dpkg-dev file desktop-file-utils appstream lintian bash zsh fish"
# libtsan2: ThreadSanitizer's runtime (make tsan), on the architectures GCC has it for.
case "$(dpkg --print-architecture)" in
  amd64 | arm64 | ppc64el | s390x) packages="$packages libtsan2" ;;
esac

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

#!/bin/sh
# A Debian package of Morvane is sound: dpkg-deb reads it, its control fields are
# complete, it depends on the shared libraries the programs link and on the packages the
# window loads at run time, it holds exactly the installed files, below /usr, it claims
# no folder or unknown file for the desktop's "open", and lintian finds neither an error
# nor a warning in it.
# Usage: check_package.sh <package.deb> [<version>]
set -eu

package=$1
version=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $package: $*" >&2
  exit 1
}

dpkg-deb --info "$package" >/dev/null || fail "dpkg-deb cannot read it"
field() { dpkg-deb --field "$package" "$1"; }

[ "$(field Package)" = morvane ] || fail "Package is '$(field Package)'"
[ -z "$version" ] || [ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
case $(basename "$package") in
  "morvane_$(field Version)_$(field Architecture).deb") ;;
  *) fail "the file is not named morvane_<version>_<arch>.deb" ;;
esac
for name in Maintainer Description Section Priority Installed-Size; do
  [ -n "$(field "$name")" ] || fail "no $name field"
done
dpkg-deb --ctrl-tarfile "$package" | tar -t | grep -qx './md5sums' || fail "no md5sums"

# dpkg-shlibdeps names the libraries' packages; the font and Qt's translations are named
# by hand, as nothing links them.
depends=$(field Depends)
for dependency in libc6 libstdc++6 libqt6widgets6 libqt6network6 libqt6gui6 libqt6core6 \
  fonts-ipafont-gothic qt6-translations-l10n; do
  echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qx "$dependency" ||
    fail "Depends lacks $dependency: $depends"
done

# The files, without the folders; zsh's folder depends on the prefix the tree was made for.
dpkg-deb --contents "$package" | grep -v '^d' | awk '{print $NF}' |
  sed 's#/zsh/vendor-completions/#/zsh/ZSH/#; s#/zsh/site-functions/#/zsh/ZSH/#' | sort >"$work/files"
sort >"$work/expected" <<'LIST'
./usr/bin/morvane
./usr/bin/morvane-batch
./usr/share/applications/morvane.desktop
./usr/share/doc/morvane/changelog.gz
./usr/share/doc/morvane/copyright
./usr/share/bash-completion/completions/morvane
./usr/share/bash-completion/completions/morvane-batch
./usr/share/fish/vendor_completions.d/morvane-batch.fish
./usr/share/fish/vendor_completions.d/morvane.fish
./usr/share/icons/hicolor/256x256/apps/morvane.png
./usr/share/icons/hicolor/scalable/apps/morvane.svg
./usr/share/kio/servicemenus/morvane-rename.desktop
./usr/share/man/man1/morvane-batch.1.gz
./usr/share/man/man1/morvane.1.gz
./usr/share/metainfo/org.morvane.Morvane.metainfo.xml
./usr/share/morvane/installed
./usr/share/nemo/actions/morvane-rename.nemo_action
./usr/share/zsh/ZSH/_morvane
./usr/share/zsh/ZSH/_morvane-batch
LIST
diff "$work/expected" "$work/files" >"$work/difference" ||
  fail "other files than expected (< missing, > extra):
$(cat "$work/difference")"
dpkg-deb --contents "$package" | awk '{print $2}' | grep -vqx 'root/root' && fail "a file not owned by root"

# What it holds works where it lands.
unpacked=$work/unpacked
dpkg-deb -x "$package" "$unpacked"
[ "$("$unpacked/usr/bin/morvane-batch" --version | head -1)" = "morvane-batch $(field Version)" ] ||
  fail "morvane-batch --version does not print $(field Version)"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$unpacked/usr/bin/morvane" --version | head -1)" = "morvane $(field Version)" ] ||
  fail "morvane --version does not print $(field Version)"
desktop-file-validate "$unpacked/usr/share/applications/morvane.desktop" || fail "the desktop entry is not valid"
# Claiming folders or unknown files makes Morvane their opener on desktops where no file
# manager claims them first; "open with" and the file managers' menus need no claim.
grep -Eq '^MimeType=.*(inode/directory|application/octet-stream)' "$unpacked/usr/share/applications/morvane.desktop" &&
  fail "the desktop entry claims folders or unknown files: $(grep '^MimeType=' "$unpacked/usr/share/applications/morvane.desktop")"
appstreamcli validate --no-net --no-color "$unpacked/usr/share/metainfo/org.morvane.Morvane.metainfo.xml" >/dev/null ||
  fail "the AppStream data is not valid"

# Lintian as Debian's archive runs it: any error or warning fails. Its information is
# shown. Of the package `make deb` makes it tells nothing at all, not even information.
# The install test's package holds the test build's sanitized programs, built without
# Debian's flags, and lintian tells it so in information only: hardening-no-fortify-functions
# and hardening-no-bindnow (those programs are never shipped).
command -v lintian >/dev/null || fail "lintian is not installed (scripts/install-deps.sh installs it)"
lintian --fail-on error,warning --display-info --no-tag-display-limit "$package" >"$work/lintian" 2>&1 ||
  fail "lintian:
$(cat "$work/lintian")"
grep -E '^[IP]: ' "$work/lintian" || true
echo "package sound: $(basename "$package"), Depends: $depends"

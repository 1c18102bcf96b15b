#!/usr/bin/env bash
# Builds the Debian package, installs it with apt as a parent would, starts
# the installed program on a virtual X display until the first problem is on
# screen and has it ring its bell, then purges the package and checks that
# nothing of it is left.
# Prints the package's size, install time and installed size. Needs root (or
# sudo) and installs into this machine: it is meant for CI.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
fail() { echo "FAIL: $*" >&2; exit 1; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

make package
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' build/default/CPackConfig.cmake)
deb="$PWD/build/default/poronka_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no package at $deb"

work=$(mktemp -d /tmp/poronka-package.XXXXXX)
trap 'rm -rf "$work"' EXIT

# What is in it, before it goes near the system.
dpkg-deb -x "$deb" "$work/tree"
file "$work/tree/usr/bin/poronka" | grep -q ', stripped' || fail "the binary is not stripped"
head -n 1 "$work/tree/usr/share/doc/poronka/copyright" |
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
tests/check_metainfo.sh validate-tree "$work/tree" >/dev/null ||
  fail "the installed tree does not validate: tests/check_metainfo.sh validate-tree $work/tree"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6svg6 libcanberra0 fonts-ipafont-gothic sound-theme-freedesktop; do
  grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done
dpkg-deb -f "$deb" Recommends | grep -q libcanberra-pulse ||
  fail "the package does not recommend libcanberra's sound-server back end"

if dpkg-query -W -f='${Status}' poronka 2>/dev/null | grep -q 'install ok installed'; then
  echo "Removing the poronka already installed first."
  $sudo apt-get purge -y poronka
fi

echo "== apt install $deb"
export DEBIAN_FRONTEND=noninteractive
start=$(now_ms)
$sudo apt-get install -y "$deb"
installed=$(now_ms)
[ -x /usr/bin/poronka ] || fail "no /usr/bin/poronka after the install"
man -w poronka >/dev/null || fail "no manual page after the install"
desktop-file-validate /usr/share/applications/io.github.poronka.Poronka.desktop
dpkg-query -L poronka >"$work/files"

echo "== the installed program, until the first problem is on screen"
shown=""
while IFS= read -r line; do
  echo "$line"
  case $line in "First problem on screen"*) shown=$(now_ms) ;; esac
done < <(env -u DISPLAY -u WAYLAND_DISPLAY PORONKA_SHOT="$work/shot.png" \
  scripts/run.sh /usr/bin/poronka)
[ -n "$shown" ] || fail "the installed program did not put up a problem"
echo "== the installed program's bell"
tests/e2e/e2e_sound.sh /usr/bin/poronka

echo "== apt purge"
$sudo apt-get purge -y poronka
if dpkg-query -W -f='${Status}' poronka 2>/dev/null | grep -q 'installed'; then
  fail "poronka is still installed"
fi
left=()
while IFS= read -r path; do
  # Folders the system shares (/usr/share/icons/...) rightly stay.
  if [ -e "$path" ] && [ ! -d "$path" ]; then left+=("$path"); fi
done <"$work/files"
[ ! -e /usr/share/doc/poronka ] || left+=(/usr/share/doc/poronka)
[ ${#left[@]} -eq 0 ] || fail "left behind after the purge: ${left[*]}"

echo "== figures"
echo "package size:   $(stat -c %s "$deb") bytes ($(basename "$deb"))"
echo "installed size: $(dpkg-deb -f "$deb" Installed-Size) KiB"
echo "install time:   $((installed - start)) ms (apt-get install, dependencies present)"
echo "apt install to first problem on screen: $((shown - start)) ms"
echo "PASS"

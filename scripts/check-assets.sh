#!/usr/bin/env bash
# Makes every generated file of assets/ again in a temporary folder and
# compares it with the committed one, byte for byte. Says which Debian release
# the committed files are tied to (tools/assets-release) and, where a file
# differs, which of the packages they depend on are not the versions they were
# made with. Fails on any difference, or on a generated file that is not
# committed.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=../tools/assets-release
. tools/assets-release

here="unknown"
if [ -r /etc/os-release ]; then
  here=$(. /etc/os-release && echo "${VERSION_ID:-?} ${VERSION_CODENAME:-?}")
fi
echo "The committed assets are tied to Debian $release ($codename); this is Debian $here."

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
scripts/make-assets.sh "$tmp" >"$tmp.log" 2>&1 || { cat "$tmp.log" >&2; rm -f "$tmp.log"; exit 1; }
rm -f "$tmp.log"

status=0
made=0
for file in "$tmp"/*; do
  name=$(basename "$file")
  made=$((made + 1))
  if [ ! -e "assets/$name" ]; then
    echo "made but not committed: assets/$name"
    status=1
  elif ! cmp -s "$file" "assets/$name"; then
    echo "differs from what make assets makes: assets/$name"
    status=1
  fi
done
for file in assets/*; do
  [ -e "$tmp/$(basename "$file")" ] || echo "kept as written, not made: $file"
done

if [ $status -ne 0 ]; then
  for p in $packages; do
    now=$(dpkg-query -W -f='${Version}' "${p%%=*}" 2>/dev/null || echo none)
    [ "$now" = "${p#*=}" ] || echo "  ${p%%=*} is $now here; the assets were made with ${p#*=}"
  done
  echo "make assets writes them into assets/; commit them only from Debian $release." >&2
  exit 1
fi
echo "all $made made files of assets/ are the same byte for byte"

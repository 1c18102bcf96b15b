#!/usr/bin/env bash
# Makes every generated file of assets/ again, into assets/ or the folder
# given: the sprite sheet and the small pictures (tools/draw_pictures, built
# here in build/tools), the digit face and the two cut-down gothic faces.
# What it needs: scripts/install-deps.sh assets. The committed files come out
# byte for byte on the Debian release named in tools/assets-release (see
# scripts/check-assets.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-assets}
mkdir -p "$out"
out=$(cd "$out" && pwd)

cmake -S tools -B build/tools >/dev/null
cmake --build build/tools -j "$(nproc)" >/dev/null
QT_QPA_PLATFORM=offscreen build/tools/draw_pictures "$out"
tools/make_digit_font.sh /usr/share/fonts/truetype/klee/KleeOne-SemiBold.ttf "$out/digits.ttf"
tools/make_screen_fonts.sh /usr/share/fonts/opentype/ipafont-gothic "$out"

#!/bin/sh
# Writes assets/digits.ttf: the digits (and the plus and equals signs, half and full
# width) of Klee One SemiBold, the handwriting face used for the numbers on the board.
# Needs Debian's python3-fonttools (apt-get install python3-fonttools); the system
# Python is named explicitly because a python3 earlier on PATH may lack fontTools.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
source_font=${1:-/usr/share/fonts/truetype/klee/KleeOne-SemiBold.ttf}
output=${2:-$here/../assets/digits.ttf}

# U+0030-0039 digits, U+002B plus, U+003D equals, U+FF0B and U+FF1D their full-width
# forms. The source's time stamps are kept, so the file is the same on every run. No
# layout features: they would pull in the circled, vertical and ruby forms of the
# digits. The subset gets a family name of its own, so that it is never mixed up
# with a full Klee One installed on the machine, and the line metrics of a digit
# face (the full font keeps room above for kanji), so that a digit fills a label
# one em high instead of sinking out of it.
/usr/bin/python3 -m fontTools.subset "$source_font" \
    --unicodes=U+0030-0039,U+002B,U+003D,U+FF0B,U+FF1D \
    --layout-features='' \
    --name-IDs='*' --name-languages='*' --name-legacy \
    --notdef-outline \
    --no-hinting \
    --output-file="$output"
/usr/bin/python3 - "$output" <<'PY'
import sys
from fontTools.ttLib import TTFont
font = TTFont(sys.argv[1], recalcTimestamp=False)
names = {1: "Poronka Digits", 4: "Poronka Digits", 6: "PoronkaDigits", 16: "Poronka Digits"}
table = font["name"]
table.names = [r for r in table.names if r.nameID not in (1, 4, 6, 16, 17) or r.langID == 0x409]
for r in table.names:
    if r.nameID == 17:
        r.string = "Regular"
    elif r.nameID in names:
        r.string = names[r.nameID]
hhea, os2 = font["hhea"], font["OS/2"]
hhea.ascent, hhea.descent, hhea.lineGap = os2.sTypoAscender, os2.sTypoDescender, 0
os2.usWinAscent, os2.usWinDescent = os2.sTypoAscender, -os2.sTypoDescender
os2.fsSelection |= 1 << 7  # USE_TYPO_METRICS
font.save(sys.argv[1])
PY
echo "wrote $output"

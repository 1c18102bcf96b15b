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
# forms. The name table is kept whole so the family stays "Klee One"; the source's
# time stamps are kept, so the file is the same on every run. No layout features:
# they would pull in the circled, vertical and ruby forms of the digits.
/usr/bin/python3 -m fontTools.subset "$source_font" \
    --unicodes=U+0030-0039,U+002B,U+003D,U+FF0B,U+FF1D \
    --layout-features='' \
    --name-IDs='*' --name-languages='*' --name-legacy \
    --notdef-outline \
    --no-hinting \
    --output-file="$output"
echo "wrote $output"

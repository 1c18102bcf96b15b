#!/bin/sh
# Writes assets/screen_gothic.ttf and assets/screen_pgothic.ttf (or into the
# folder given second, after the folder of the IPA faces): the gothic faces
# the screens' captions are set in (IPAGothic and IPAPGothic, from Debian's
# fonts-ipafont-gothic), cut down to the characters a screen can show: ASCII, the
# kana, the Japanese punctuation, and the kanji and signs of the program's own
# texts. The whole faces are 6 MB each; a program that kept them open had some
# 4 MB of them in memory for about forty characters.
#
# Needs Debian's python3-fonttools. Run it again after adding a text with a new
# kanji or sign: tests/test_screen_fonts fails until then. PORONKA_SYSTEM_FONTS=1
# gives the screens the installed faces again (app/ui/fonts.cpp).
#
# The IPA Font License asks a derived font to carry another name (no "IPA" in
# its font or file name) and to stay under that licence: see assets/CREDITS.md.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$here/..
fonts=${1:-/usr/share/fonts/opentype/ipafont-gothic}
output=${2:-$root/assets}

# Every character in a string literal of the program's sources.
texts=$(mktemp)
trap 'rm -f "$texts"' EXIT
/usr/bin/python3 - "$root" >"$texts" <<'PY'
import pathlib, re, sys
root = pathlib.Path(sys.argv[1])
chars = set()
for folder in ("app", "drill", "blackboard", "rewards", "pictures"):
    for path in sorted((root / folder).rglob("*.[ch]*")):
        source = re.sub(r"//[^\n]*", "", path.read_text(encoding="utf-8"))
        for literal in re.findall(r'"((?:[^"\\\n]|\\.)*)"', source):
            chars.update(c for c in literal if ord(c) > 0x7E)
print("".join(sorted(chars)))
PY

# FreeType's auto-hinter measures a face's ideographs on these characters (its
# standard character and its top and bottom blue strings); without them the
# cut-down face would be hinted differently from the whole one.
printf '%s' '田他们你來們到和地对對就席我时時會来為能舰說说这這齊军同己已愿既星是景民照现現理用置要軍那配里開雷露面顾个为人以個大有主些因它想意生當看着者自著裡过还进進過道還' >>"$texts"

# ASCII, the Japanese punctuation and the kana.
ranges=U+0020-007E,U+3000-303F,U+3041-3096,U+3099-30FF

subset() {
  /usr/bin/python3 -m fontTools.subset "$1" \
      --unicodes="$ranges" --text-file="$texts" \
      --layout-features='' \
      --name-IDs='*' --name-languages='*' --name-legacy \
      --notdef-outline \
      --output-file="$2"
  /usr/bin/python3 - "$2" "$3" <<'PY'
import sys
from fontTools.ttLib import TTFont
font = TTFont(sys.argv[1], recalcTimestamp=False)
family = sys.argv[2]
names = {1: family, 4: family, 6: family.replace(" ", ""), 16: family}
table = font["name"]
table.names = [r for r in table.names if r.nameID not in (1, 3, 4, 6, 16, 17) or r.langID == 0x409]
for r in table.names:
    if r.nameID == 17:
        r.string = "Regular"
    elif r.nameID == 3:
        r.string = family.replace(" ", "") + "-subset"
    elif r.nameID in names:
        r.string = names[r.nameID]
font.save(sys.argv[1])
PY
  echo "wrote $2"
}

subset "$fonts/ipag.ttf" "$output/screen_gothic.ttf" "Poronka Gothic"
subset "$fonts/ipagp.ttf" "$output/screen_pgothic.ttf" "Poronka PGothic"

// Where the 21 picture slots lie on the sprite sheet. The picture library cuts
// the slots out at these rectangles and tools/ draws the sheet to them, so both
// read this one table. Plain data, no Qt, so the drawing tool can use it too.
#pragma once

namespace sheet_layout {

inline constexpr int kSlotCount = 21;

// A rectangle on the sheet, right and bottom exclusive (as the screens cut it),
// and how much of it, from its top-left corner, the slot's image keeps: slots 4,
// 5, 6 and 10 lose the edge of their rectangle, while slot 21's image is larger
// than its rectangle and shows white along its right and bottom.
struct SlotRect {
  const char* name;
  int left, top, right, bottom;
  int keptWidth, keptHeight;
  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
};

// Indexed by slot number; entry 0 is no slot.
// clang-format off
inline constexpr SlotRect kSlots[kSlotCount + 1] = {
    {"",                  0,   0,   0,   0,   0,   0},
    {"PicBlueTile",       0,   0,  32,  32,  32,  32},
    {"PicYellowTile",     0,  35,  32,  67,  32,  32},
    {"PicGreenTile",      0,  70,  32, 102,  32,  32},
    {"PicCow",           40,   4, 130,  87,  89,  81},
    {"PicMonkey",       108,  92, 206, 157,  97,  65},
    {"PicLion",           0, 106, 102, 214, 102, 105},
    {"PicKoala",        107, 157, 207, 219, 100,  62},
    {"PicGiraffe",      134,   0, 219,  94,  85,  94},
    {"PicBear",         221,   0, 303,  72,  82,  72},
    {"PicPortrait",       8, 231,  94, 329,  85,  98},
    {"PicKitten",       424,   4, 633, 213, 209, 209},
    {"PicOrangeSlices", 307,   0, 397, 159,  90, 159},
    {"PicApple",        214, 206, 284, 276,  70,  70},
    {"PicBlueLattice",  143, 225, 207, 289,  64,  64},
    {"PicFish",         288, 270, 438, 377, 150, 107},
    {"PicCatTile",      223,  76, 283, 136,  60,  60},
    {"PicBearTile",     222, 140, 282, 200,  60,  60},
    {"PicGreenSquare",  213, 284, 253, 324,  40,  40},
    {"PicRedTile",      107, 299, 139, 331,  32,  32},
    {"PicOrangeBar",    447, 218, 536, 243,  89,  25},
    {"PicStar",         252, 170, 282, 200,  30,  30},
};
// clang-format on

}  // namespace sheet_layout

// Where the 21 picture slots lie, written out for the tests apart from the
// program's own table (pictures/sheet_layout.h): a slip in that table then
// fails here instead of agreeing with itself.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <algorithm>

namespace fixture {

struct SheetSlot {
  QRect image;                   // the slot's image on the library screen
  int left, top, right, bottom;  // sheet rectangle, right and bottom exclusive

  // The part of the sheet rectangle, from its top-left corner, that the
  // slot's image keeps.
  QRect kept() const {
    return QRect(left, top, std::min(image.width(), right - left),
                 std::min(image.height(), bottom - top));
  }
};

// Indexed by slot number; entry 0 is no slot.
// clang-format off
inline const SheetSlot kSheetSlots[22] = {
    {},
    {{8, 8, 32, 32}, 0, 0, 32, 32},
    {{8, 48, 32, 32}, 0, 35, 32, 67},
    {{8, 88, 32, 32}, 0, 70, 32, 102},
    {{8, 136, 89, 81}, 40, 4, 130, 87},
    {{8, 224, 97, 65}, 108, 92, 206, 157},
    {{8, 296, 102, 105}, 0, 106, 102, 214},
    {{136, 120, 100, 62}, 107, 157, 207, 219},
    {{136, 304, 85, 94}, 134, 0, 219, 94},
    {{152, 40, 82, 72}, 221, 0, 303, 72},
    {{136, 192, 85, 98}, 8, 231, 94, 329},
    {{264, 8, 209, 209}, 424, 4, 633, 213},
    {{248, 224, 90, 159}, 307, 0, 397, 159},
    {{72, 8, 70, 70}, 214, 206, 284, 276},
    {{344, 336, 64, 64}, 143, 225, 207, 289},
    {{392, 224, 150, 107}, 288, 270, 438, 377},
    {{512, 8, 60, 60}, 223, 76, 283, 136},
    {{512, 120, 60, 60}, 222, 140, 282, 200},
    {{344, 224, 40, 40}, 213, 284, 253, 324},
    {{72, 88, 32, 32}, 107, 299, 139, 331},
    {{416, 336, 89, 25}, 447, 218, 536, 243},
    {{344, 280, 33, 33}, 252, 170, 282, 200},
};
// clang-format on

// A 640 x 400 sheet whose every pixel differs from every other and from
// white, so that a slot cut from the wrong place, or a copy of another, shows.
inline QImage NoisySheet(int salt = 0) {
  QImage sheet(640, 400, QImage::Format_RGB32);
  for (int y = 0; y < sheet.height(); ++y)
    for (int x = 0; x < sheet.width(); ++x)
      sheet.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, 0x40 | salt | (x >> 8) | ((y >> 8) << 2)));
  return sheet;
}

}  // namespace fixture

#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>

#include <array>
#include <vector>

#include "pictures/sheet_layout.h"

// Colours the screens rely on, and every flat colour the sheet is drawn with:
// each becomes an exact palette entry of the sheet.
namespace colours {
inline constexpr QRgb board = 0xFF008000;  // the blackboard green of every screen
inline constexpr QRgb white = 0xFFFFFFFF;
inline constexpr QRgb black = 0xFF000000;
inline constexpr QRgb neutral = 0xFFC0C0C0;  // sheet outside the slots

inline constexpr QRgb blueFace = 0xFF3F3FFF;
inline constexpr QRgb blueLight = 0xFF3FE6FF;
inline constexpr QRgb blueDark = 0xFF3300C0;
inline constexpr QRgb redFace = 0xFFFF0700;
inline constexpr QRgb redLight = 0xFFFFC9C9;
inline constexpr QRgb redDark = 0xFF7F0024;
inline constexpr QRgb yellowFace = 0xFFC8A000;
inline constexpr QRgb yellowLight = 0xFFFFF07A;
inline constexpr QRgb yellowDark = 0xFF6E5600;
inline constexpr QRgb greenFace = 0xFF1EA03C;
inline constexpr QRgb greenLight = 0xFF96E6A5;
inline constexpr QRgb greenDark = 0xFF00461A;

inline constexpr QRgb pink = 0xFFFFCCDD;
inline constexpr QRgb orangeRind = 0xFFFF8A00;
inline constexpr QRgb orangeFlesh = 0xFFFFB22E;
inline constexpr QRgb orangePith = 0xFFFFF1D2;
inline constexpr QRgb paleYellow = 0xFFFFF7C4;
inline constexpr QRgb appleRed = 0xFFE3241E;
inline constexpr QRgb leafGreen = 0xFF3E9B2F;
inline constexpr QRgb stemBrown = 0xFF6B4423;
inline constexpr QRgb latticeGround = 0xFFF3F8FD;
inline constexpr QRgb latticeBlue = 0xFFA6CDEE;
inline constexpr QRgb latticeCross = 0xFF86B7E3;
inline constexpr QRgb shapeGrey = 0xFFA8A8A8;
inline constexpr QRgb fishGround = 0xFFF7FBFF;
inline constexpr QRgb fishBlue = 0xFF92D0F4;
inline constexpr QRgb outlineGrey = 0xFF7C7C7C;
inline constexpr QRgb cream = 0xFFFFF3D9;
inline constexpr QRgb catGrey = 0xFF9B9B9B;
inline constexpr QRgb paleBlue = 0xFF8DBCEB;
inline constexpr QRgb bearBrown = 0xFF7B4A2A;
inline constexpr QRgb starGreen = 0xFFA9DFA0;
inline constexpr QRgb barDarkGreen = 0xFF1F5A2A;
}  // namespace colours

// One picture slot of pictures/sheet_layout.h in Qt's terms: where it lies on the
// sheet and how much of it, from the top-left, the slot's image keeps.
struct Slot {
  int number;
  const char* name;
  QRect rect;
  QSize kept;
};

const std::array<Slot, sheet_layout::kSlotCount>& allSlots();
const Slot& slot(int number);

// The whole 640 x 400 sheet in full colour; ditherAreas receives the rectangles
// (photographs, colour ramps) that the palette conversion should dither.
QImage drawSheet(const QString& photosDir, std::vector<QRect>& ditherAreas);
std::vector<QRgb> sheetFixedColours();

// Pieces of the sheet, each the size of its slot's rectangle.
QImage drawBevelTile(QRgb face, QRgb topLeft, QRgb bottomRight);
QImage drawCow(QSize rect, QSize kept);
QImage drawMonkey(QSize rect, QSize kept);
QImage drawLion(QSize rect, QSize kept);
QImage drawKoala(QSize rect, QSize kept);
QImage drawGiraffe(QSize rect, QSize kept);
QImage drawBear(QSize rect, QSize kept);
QImage drawPortrait(const QString& photosDir, QSize rect, QSize kept);
QImage drawKitten(const QString& photosDir, QSize rect);
QImage drawOrangeSlices(QSize size);
QImage drawApple(QSize size);
QImage drawBlueLattice(QSize size);
QImage drawFish(QSize size);
QImage drawCatTile(QSize size);
QImage drawBearTile(QSize size);
QImage drawOrangeBar(QSize size);

// Qt's fonts for the drawings, loaded from the files Debian installs.
QString emojiFamily();
QString handwritingFamily();
QString wordFamily();

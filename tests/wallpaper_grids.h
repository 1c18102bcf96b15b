// The wallpapers' tile grids and a test picture with no two pixels alike,
// written out for the tests apart from the program's own tables.
#pragma once

#include <QImage>
#include <QSize>

namespace fixture {

struct Grid {
  int columns, columnStep, rows, rowStep;
};

// Indexed by wallpaper number; entry 0 is no wallpaper.
// clang-format off
inline const Grid kGrids[11] = {
    {},           {15, 90, 11, 159}, {21, 70, 11, 70}, {21, 64, 15, 64}, {11, 150, 11, 107},
    {19, 60, 15, 60}, {19, 59, 15, 60}, {31, 40, 26, 40}, {41, 29, 31, 30}, {31, 40, 21, 40},
    {31, 40, 21, 40},
};
// clang-format on

// Every pixel different, so that a misplaced or missing one shows.
inline QImage Noise(QSize size, int salt) {
  QImage picture(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      picture.setPixel(
          x, y, qRgb((x * 7 + salt) & 0xFF, (y * 5 + salt * 3) & 0xFF, (x + y + salt) & 0xFF));
  return picture;
}

}  // namespace fixture

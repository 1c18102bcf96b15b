#include "pictures/wallpaper_chooser.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "app/backdrop.h"
#include "app/screens.h"
#include "drill/drill_screen.h"
#include "pictures/picture_library.h"

namespace {

using ui::Component;
using ui::Kind;

// Unstretched: each shows the top-left corner of its picture. Tab takes them
// row by row; the first eight are named after the pictures they are given.
// clang-format off
constexpr Component kLayout[] = {
    {Kind::Image, "Image1", 8, 8, 25, 25, "", {}, ui::kNone, 0},
    {Kind::Image, "Image2", 8, 40, 25, 25, "", {}, ui::kNone, 2},
    {Kind::Image, "Image3", 8, 72, 25, 25, "", {}, ui::kNone, 4},
    {Kind::Image, "Image4", 64, 8, 25, 25, "", {}, ui::kNone, 1},
    {Kind::Image, "Image5", 64, 40, 25, 25, "", {}, ui::kNone, 3},
    {Kind::Image, "Image6", 64, 72, 25, 25, "", {}, ui::kNone, 5},
    {Kind::Image, "Image7", 8, 104, 25, 25, "", {}, ui::kNone, 6},
    {Kind::Image, "Image8", 64, 104, 25, 25, "", {}, ui::kNone, 7},
    {Kind::Image, "Image9", 8, 136, 25, 25, "こんいろ", {}, ui::kNone, 8, ":/assets/navy_square.bmp"},
    {Kind::Image, "Image10", 64, 136, 25, 25, "えんじいろ", {}, ui::kNone, 9,
     ":/assets/maroon_square.bmp"},
};
// clang-format on

// Tile of column i, row j at (i * columnStep, j * rowStep). Slot 0: the
// chooser's own image of that number. The counts are those of a screen of
// about 1024 x 768; larger backdrops get more columns and rows.
struct Grid {
  int slot;
  int columns, columnStep;
  int rows, rowStep;
};

// clang-format off
constexpr Grid kGrids[11] = {
    {0, 0, 0, 0, 0},  // no wallpaper 0
    {PicOrangeSlices, 15, 90, 11, 159},
    {PicApple, 21, 70, 11, 70},
    {PicBlueLattice, 21, 64, 15, 64},
    {PicFish, 11, 150, 11, 107},
    {PicCatTile, 19, 60, 15, 60},
    {PicBearTile, 19, 59, 15, 60},  // 59: the white right column goes under the next tile
    {PicGreenSquare, 31, 40, 26, 40},
    {PicStar, 41, 29, 31, 30},  // the white margins go under the next tiles
    {0, 31, 40, 21, 40},
    {0, 31, 40, 21, 40},
};
// clang-format on

// Until the child picks a wallpaper, one comes by itself every 180 ticks,
// never wallpaper 9 (it looks like the plain backdrop).
// clang-format off
constexpr std::pair<std::int32_t, int> kRotation[] = {
    {180, 10}, {360, 7}, {540, 8}, {720, 6}, {900, 5},
    {1080, 4}, {1260, 3}, {1440, 2}, {1620, 1},
};
// clang-format on
constexpr std::int32_t kLastTick = 1620;
constexpr std::int32_t kWrapTo = 2;  // past the first-tick distribution

// Columns (or rows) from index 0 on, at least `designed` of them, whose
// tiles reach the far edge of a backdrop `extent` pixels across.
int Count(int designed, int step, int tileSize, int extent) {
  if (step <= 0 || tileSize >= extent) return designed;
  const int last = (extent - tileSize + step - 1) / step;
  return std::max(designed, last + 1);
}

}  // namespace

TForm9::TForm9() : ui::Form("Form9") {
  setWindowTitle(QStringLiteral("Form9"));
  setAccessibleName(QStringLiteral("かべがみ"));
  SetColor(QColor(0x80, 0x80, 0x00));
  SetFrame(ui::Frame::Sizeable);
  Place(499, 259, 104, 191, true);
  SetKeyPreview(true);
  SetShownAtCreation(true);
  ui::BuildLayout(this, kLayout);

  using T = TForm9;
  constexpr void (T::*clicks[])() = {
      &T::Image1Click, &T::Image2Click, &T::Image3Click, &T::Image4Click, &T::Image5Click,
      &T::Image6Click, &T::Image7Click, &T::Image8Click, &T::Image9Click, &T::Image10Click,
  };
  for (int n = 1; n <= kWallpapers; ++n) {
    const QByteArray name = "Image" + QByteArray::number(n);
    ui::Image* image = ui::Find<ui::Image>(this, name.constData());
    images_.at(static_cast<size_t>(n)) = image;
    // Tiles are drawn often; a plain bitmap draws fastest and looks the same.
    if (image->Picture().format() != QImage::Format_RGB32 && !image->Picture().isNull())
      image->SetPicture(image->Picture().convertToFormat(QImage::Format_RGB32));
    ui::Connect(image, &ui::Image::clicked, this, clicks[n - 1]);
  }

  Timer1 = new ui::Timer(this, "Timer1", 1000);
  ui::Connect(Timer1, &QTimer::timeout, this, &TForm9::Timer1Timer);

  // No window manager lists the chooser among the windows to switch to:
  // Tab goes on from the board's last control to the pictures, and from the
  // last picture back to the board.
  PORONKA->LeadTabTo(this, TabOut::Onward);
  LeadTabTo(PORONKA, TabOut::Onward);
}

void TForm9::FormCreate() { PORONKA->Button20Click(); }

void TForm9::FormKeyPress(QChar key) { PORONKA->ForwardKey(key); }

void TForm9::Timer1Timer() {
  ++WallpaperTicks;
  if (WallpaperTicks > kLastTick) WallpaperTicks = kWrapTo;
  if (WallpaperTicks == 1) PORONKA->Button20Click();
  if (WallpaperPicked != 0) return;
  for (const auto& [tick, wallpaper] : kRotation) {
    if (tick != WallpaperTicks) continue;
    ApplyWallpaper(wallpaper);
    WallpaperPicked = 0;  // not a choice by hand: the rotation goes on
    break;
  }
}

void TForm9::ApplyWallpaper(int n) {
  WallpaperPicked = n;
  WallpaperChoice = n;
  RedrawWallpaper(n);
}

const QImage& TForm9::Tile(int n) const {
  const int slot = kGrids[n].slot;
  return ui::PictureBitmap(slot != 0 ? Form1->Slot(slot) : Img(n));
}

// The drill screen calls this on every repaint, many times a second while the
// child types. The same tiles drawn again on the same backdrop give the same
// pixels, so such a redraw is skipped, and the backdrop is not repainted.
void TForm9::RedrawWallpaper(int n) {
  if (n < 1 || n > kWallpapers || !Form10 || !Form1) return;
  const QImage& tile = Tile(n);
  if (Form10->HasCanvas() && drawn_.wallpaper == n && drawn_.tile == tile.cacheKey() &&
      drawn_.canvas == Form10->CanvasKey())
    return;
  const Grid& grid = kGrids[n];
  const QSize canvas = Form10->CanvasSize();
  const int columns = Count(grid.columns, grid.columnStep, tile.width(), canvas.width());
  const int rows = Count(grid.rows, grid.rowStep, tile.height(), canvas.height());
  std::vector<QPoint> places;
  places.reserve(static_cast<size_t>(columns) * static_cast<size_t>(rows));
  for (int i = 0; i < columns; ++i)
    for (int j = 0; j < rows; ++j) places.emplace_back(i * grid.columnStep, j * grid.rowStep);
  Form10->DrawOnCanvas(tile, places);
  drawn_ = {n, tile.cacheKey(), Form10->CanvasKey()};
}

void TForm9::Image1Click() { ApplyWallpaper(1); }
void TForm9::Image2Click() { ApplyWallpaper(2); }
void TForm9::Image3Click() { ApplyWallpaper(3); }
void TForm9::Image4Click() { ApplyWallpaper(4); }
void TForm9::Image5Click() { ApplyWallpaper(5); }
void TForm9::Image6Click() { ApplyWallpaper(6); }
void TForm9::Image7Click() { ApplyWallpaper(7); }
void TForm9::Image8Click() { ApplyWallpaper(8); }
void TForm9::Image9Click() { ApplyWallpaper(9); }
void TForm9::Image10Click() { ApplyWallpaper(10); }

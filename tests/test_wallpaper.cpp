// The wallpaper chooser: the grid of every wallpaper on the backdrop, reaching
// its edges at any screen size, the automatic rotation with and without a click, the
// cheap redraw of an unchanged wallpaper, and keys passed on to the drill.
#include <QPainter>
#include <map>

#include "app/backdrop.h"
#include "drill/drill_screen.h"
#include "pictures/picture_library.h"
#include "pictures/sprite_sheet_holder.h"
#include "pictures/wallpaper_chooser.h"
#include "tests/fixture.h"
#include "tests/wallpaper_grids.h"

namespace {

using fixture::Grid;
using fixture::kGrids;

// The backdrop after wallpaper n is tiled over `before`: the last tile drawn
// over a pixel wins (columns left to right, rows top to bottom within each).
// The grid has at least its own columns and rows, and as many more as it takes
// for the tiles to reach the backdrop's right and bottom edges.
QImage expectedBackdrop(const QImage& before, const QImage& tile, Grid g) {
  QImage after = before;
  while ((g.columns - 1) * g.columnStep + tile.width() < after.width()) ++g.columns;
  while ((g.rows - 1) * g.rowStep + tile.height() < after.height()) ++g.rows;
  for (int y = 0; y < after.height(); ++y) {
    const int j = std::min(g.rows - 1, y / g.rowStep);
    if (y >= j * g.rowStep + tile.height()) continue;
    for (int x = 0; x < after.width(); ++x) {
      const int i = std::min(g.columns - 1, x / g.columnStep);
      if (x >= i * g.columnStep + tile.width()) continue;
      after.setPixel(x, y, tile.pixel(x - i * g.columnStep, y - j * g.rowStep));
    }
  }
  return after;
}

QImage backdrop() { return Form10->CanvasPicture().convertToFormat(QImage::Format_RGB32); }

}  // namespace

class WallpaperTest : public fixture::Suite {
  Q_OBJECT

 private Q_SLOTS:
  void everyWallpaperTilesItsGridInOrder() {
    // Distinct tiles cut from a noisy sheet; the own squares replaced too.
    Form7->Image1->SetPicture(fixture::Noise({640, 400}, 1));
    PORONKA->Button20Click();
    Form9->Img(9)->SetPicture(fixture::Noise({40, 40}, 9));
    Form9->Img(10)->SetPicture(fixture::Noise({40, 40}, 10));
    QImage& canvas = Form10->Canvas();
    canvas.fill(qRgb(1, 2, 3));
    // Each wallpaper over the one before, so that a pixel it misses shows.
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 6, 1}) {
      const QImage before = backdrop();
      Form9->ApplyWallpaper(n);
      QCOMPARE(Form9->WallpaperChoice, n);
      QCOMPARE(Form9->WallpaperPicked, n);
      const QImage expected =
          expectedBackdrop(before, Form9->Tile(n).convertToFormat(QImage::Format_RGB32), kGrids[n]);
      QVERIFY2(backdrop() == expected, qPrintable(QStringLiteral("wallpaper %1").arg(n)));
    }
    // The tiles: slots of the library, or the chooser's own squares.
    const int tileSlots[] = {0,          PicOrangeSlices, PicApple,       PicBlueLattice, PicFish,
                             PicCatTile, PicBearTile,     PicGreenSquare, PicStar};
    for (int n = 1; n <= 8; ++n) QCOMPARE(Form9->Tile(n), Form1->SlotPicture(tileSlots[n]));
    QCOMPARE(Form9->Tile(9), Form9->Img(9)->Picture());
    QCOMPARE(Form9->Tile(10), Form9->Img(10)->Picture());
  }

  void storedSquaresPaintTheBackdropNavyAndMaroon() {
    QVERIFY(!Form9->Img(10)->Picture().isNull());
    QCOMPARE(Form9->Img(9)->Picture().size(), QSize(40, 40));
    QTest::mouseClick(Form9->Img(10), Qt::LeftButton);
    QCOMPARE(backdrop().pixel(0, 0), qRgb(0x80, 0x00, 0x00));
    QCOMPARE(backdrop().pixel(1279, 1023), qRgb(0x80, 0x00, 0x00));  // the whole screen
    QTest::mouseClick(Form9->Img(9), Qt::LeftButton);
    QCOMPARE(backdrop().pixel(0, 0), qRgb(0x00, 0x00, 0x80));
    QCOMPARE(Form9->WallpaperPicked, 9);
  }

  // With the sheet's own tiles, on screens from 1280 x 1024 to 3840 x 2160:
  // whatever the backdrop held before, no pixel of it is left.
  void everyWallpaperCoversTheWholeBackdrop_data() {
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1280x1024") << QSize(1280, 1024);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("3840x2160") << QSize(3840, 2160);
  }
  void everyWallpaperCoversTheWholeBackdrop() {
    QFETCH(QSize, screen);
    Form10->resize(screen);  // the canvas takes the size of the backdrop or its screen
    QCOMPARE(Form10->Canvas().size(), screen);
    for (int n = 1; n <= TForm9::kWallpapers; ++n) {
      QVERIFY(!Form9->Tile(n).isNull());
      Form10->Canvas().fill(qRgb(1, 2, 3));
      Form9->ApplyWallpaper(n);
      const QImage overDark = backdrop();
      Form10->Canvas().fill(qRgb(254, 253, 252));
      Form9->ApplyWallpaper(n);
      QVERIFY2(backdrop() == overDark, qPrintable(QStringLiteral("wallpaper %1").arg(n)));
    }
  }

  void rotationComesEvery180TicksUntilAClick() {
    // Without a click: the table twice over, the second time 1619 ticks on.
    std::map<int, int> changes;  // tick -> wallpaper applied
    Form9->Img(1)->SetPicture(QImage());
    int last = 0;
    for (int tick = 1; tick <= 1620 + 1619 + 1; ++tick) {
      Form9->Timer1Timer();
      if (tick == 1) QVERIFY(!Form9->Img(1)->Picture().isNull());  // the first tick's distribution
      if (tick == 2) Form9->Img(1)->SetPicture(QImage());
      if (Form9->WallpaperChoice != last) changes[tick] = last = Form9->WallpaperChoice;
      QCOMPARE(Form9->WallpaperPicked, 0);
    }
    QVERIFY(Form9->Img(1)->Picture().isNull());  // only once
    const std::map<int, int> expected = {
        {180, 10}, {360, 7},  {540, 8},  {720, 6},   {900, 5},  {1080, 4},
        {1260, 3}, {1440, 2}, {1620, 1}, {1799, 10}, {1979, 7}, {2159, 8},
        {2339, 6}, {2519, 5}, {2699, 4}, {2879, 3},  {3059, 2}, {3239, 1},
    };
    QCOMPARE(changes, expected);
    QCOMPARE(Form9->WallpaperTicks, 2);

    // A click stops it for good, also one that changes nothing visible.
    DestroyScreens();
    fixture::CreateQuietScreens();
    QTest::mouseClick(Form9->Img(9), Qt::LeftButton);
    for (int tick = 0; tick < 3300; ++tick) Form9->Timer1Timer();
    QCOMPARE(Form9->WallpaperChoice, 9);

    // And one in the middle of the rotation.
    DestroyScreens();
    fixture::CreateQuietScreens();
    for (int tick = 0; tick < 400; ++tick) Form9->Timer1Timer();
    QCOMPARE(Form9->WallpaperChoice, 7);
    QTest::mouseClick(Form9->Img(3), Qt::LeftButton);
    for (int tick = 0; tick < 3300; ++tick) Form9->Timer1Timer();
    QCOMPARE(Form9->WallpaperChoice, 3);
    QCOMPARE(Form9->WallpaperPicked, 3);
  }

  void redrawingTheSameWallpaperCostsNoPaint() {
    Form7->Image1->SetPicture(fixture::Noise({640, 400}, 1));
    PORONKA->Button20Click();
    Form10->show();
    fixture::PaintCounter counter(Form10);
    Form9->ApplyWallpaper(8);
    QCoreApplication::processEvents();
    QVERIFY(counter.paints > 0);

    // Unchanged: neither the canvas nor the window is touched.
    const qint64 key = Form10->CanvasPicture().cacheKey();
    counter.paints = 0;
    for (int i = 0; i < 5; ++i) Form9->RedrawWallpaper(8);
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, 0);
    QCOMPARE(Form10->CanvasPicture().cacheKey(), key);
    QCOMPARE(Form9->WallpaperPicked, 8);

    // Something drawn over the backdrop: the tiles come back.
    QImage tiled = backdrop();
    {
      QPainter p(&Form10->Canvas());
      p.fillRect(0, 0, 100, 100, Qt::red);
    }
    Form9->RedrawWallpaper(8);
    QCOMPARE(backdrop(), tiled);

    // New tile pictures: drawn, and repainted.
    Form7->Image1->SetPicture(fixture::Noise({640, 400}, 2));
    Form1->SliceAll();
    QCoreApplication::processEvents();
    counter.paints = 0;
    Form9->RedrawWallpaper(8);
    QCoreApplication::processEvents();
    QVERIFY(counter.paints > 0);
    QCOMPARE(backdrop().pixel(5, 5), Form1->SlotPicture(PicStar).pixel(5, 5));
    QVERIFY(backdrop() != tiled);

    // Another wallpaper, and back: drawn each time.
    Form9->RedrawWallpaper(7);
    QCOMPARE(backdrop().pixel(5, 5), Form1->SlotPicture(PicGreenSquare).pixel(5, 5));
    Form9->RedrawWallpaper(8);
    QCOMPARE(backdrop().pixel(5, 5), Form1->SlotPicture(PicStar).pixel(5, 5));
    QCOMPARE(Form9->WallpaperChoice, 8);
  }

  void keysTypedOnTheChooserReachTheDrill() {
    QTest::keyClick(Form9, Qt::Key_4);
    QTest::keyClick(Form9->Img(2), Qt::Key_2);
    QCOMPARE(PORONKA->TypedAnswer, 42);
    QTest::keyClick(Form9, Qt::Key_Period);
    QCOMPARE(PORONKA->TypedAnswer, 0);
    QTest::keyClick(Form9, Qt::Key_A);
    QCOMPARE(PORONKA->TypedAnswer, 0);
  }
};

PORONKA_TEST_MAIN(WallpaperTest)
#include "test_wallpaper.moc"

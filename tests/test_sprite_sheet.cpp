// The committed pictures, read back through the program's resources: the sheet's
// format and the pixels other screens depend on, and the small stored pictures.
#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QSvgRenderer>
#include <QtTest>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

#include "tests/fixture.h"
#include "tests/sheet_slots.h"

namespace {

constexpr QRgb kBoard = 0xFF008000;
constexpr QRgb kWhite = 0xFFFFFFFF;

QByteArray readResource(const QString& name) {
  QFile file(QStringLiteral(":/assets/") + name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

quint32 le(const QByteArray& bytes, int at, int size) {
  quint32 v = 0;
  for (int i = size - 1; i >= 0; --i) v = (v << 8) | static_cast<quint8>(bytes[at + i]);
  return v;
}

// The fields of a BMP's file and info headers that the screens rely on.
struct BmpHeader {
  quint32 fileSize, dataOffset, infoSize, bitsPerPixel, compression, coloursUsed;
  qint32 width, height;
};

BmpHeader bmpHeader(const QByteArray& bytes) {
  return {le(bytes, 2, 4),
          le(bytes, 10, 4),
          le(bytes, 14, 4),
          le(bytes, 28, 2),
          le(bytes, 30, 4),
          le(bytes, 46, 4),
          static_cast<qint32>(le(bytes, 18, 4)),
          static_cast<qint32>(le(bytes, 22, 4))};
}

int luma(QRgb c) { return qGray(c); }

double averageLuma(const QImage& image, const QRect& area) {
  double sum = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) sum += luma(image.pixel(x, y));
  return sum / (area.width() * area.height());
}

int colourDistance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
         std::abs(qBlue(a) - qBlue(b));
}

// Which edge of a 32 x 32 bevelled tile a pixel belongs to.
enum class TilePart { Face, TopLeft, BottomRight, Either };

TilePart tilePart(int x, int y) {
  const int nearTopLeft = std::min(x, y);
  const int nearBottomRight = std::min(31 - x, 31 - y);
  if (std::min(nearTopLeft, nearBottomRight) >= 3) return TilePart::Face;
  if (nearTopLeft < nearBottomRight) return TilePart::TopLeft;
  if (nearBottomRight < nearTopLeft) return TilePart::BottomRight;
  return TilePart::Either;  // on the diagonal where the edges meet
}

}  // namespace

class SpriteSheetTest : public fixture::Suite {
  Q_OBJECT

 public:
  SpriteSheetTest() : Suite(Screens::None) {}

 private:
  QImage sheet_;

  // The part of slot n's rectangle its image keeps.
  QImage slotPicture(int number) const { return sheet_.copy(fixture::kSheetSlots[number].kept()); }

 private slots:
  void initTestCase() {
    sheet_ = QImage(QStringLiteral(":/assets/sprite_sheet.bmp"));
    QVERIFY(!sheet_.isNull());
  }

  void sheetIsAnUncompressedBottomUpPaletteBitmap() {
    const QByteArray bytes = readResource(QStringLiteral("sprite_sheet.bmp"));
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    const BmpHeader h = bmpHeader(bytes);
    QCOMPARE(h.infoSize, 40u);  // BITMAPINFOHEADER
    QCOMPARE(h.width, 640);
    QCOMPARE(h.height, 400);  // positive: rows stored bottom-up
    QCOMPARE(h.bitsPerPixel, 8u);
    QCOMPARE(h.compression, 0u);
    QVERIFY(h.coloursUsed == 0 || h.coloursUsed == 256);
    QCOMPARE(h.dataOffset, 14u + 40u + 256u * 4u);
    QCOMPARE(h.fileSize, static_cast<quint32>(bytes.size()));
    QCOMPARE(bytes.size(), 14 + 40 + 1024 + 640 * 400);

    QCOMPARE(sheet_.size(), QSize(640, 400));
    QCOMPARE(sheet_.format(), QImage::Format_Indexed8);
    QCOMPARE(sheet_.colorCount(), 256);
  }

  void tilesHaveTheirFaceAndBevelColours_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<uint>("face");
    QTest::addColumn<uint>("topLeft");
    QTest::addColumn<uint>("bottomRight");
    QTest::newRow("1 blue") << 1 << 0xFF3F3FFFu << 0xFF3FE6FFu << 0xFF3300C0u;
    QTest::newRow("19 red") << 19 << 0xFFFF0700u << 0xFFFFC9C9u << 0xFF7F0024u;
  }

  void tilesHaveTheirFaceAndBevelColours() {
    QFETCH(int, number);
    QFETCH(uint, face);
    QFETCH(uint, topLeft);
    QFETCH(uint, bottomRight);
    const QImage tile = slotPicture(number);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const QRgb c = tile.pixel(x, y);
        const QByteArray where = QByteArray::number(x) + ',' + QByteArray::number(y);
        switch (tilePart(x, y)) {
          case TilePart::Face:
            QVERIFY2(c == face, where);
            break;
          case TilePart::TopLeft:
            QVERIFY2(c == topLeft, where);
            break;
          case TilePart::BottomRight:
            QVERIFY2(c == bottomRight, where);
            break;
          case TilePart::Either:
            QVERIFY2(c == topLeft || c == bottomRight, where);
            break;
        }
      }
  }

  void yellowTileIsRaisedAndGreenTileSunken_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("raised");
    QTest::newRow("2 yellow") << 2 << true;
    QTest::newRow("3 green") << 3 << false;
  }

  void yellowTileIsRaisedAndGreenTileSunken() {
    QFETCH(int, number);
    QFETCH(bool, raised);
    const QImage tile = slotPicture(number);
    const QRgb face = tile.pixel(16, 16);
    for (int y = 3; y < 29; ++y)
      for (int x = 3; x < 29; ++x) QCOMPARE(tile.pixel(x, y), face);
    const QRgb upper = tile.pixel(1, 16);
    const QRgb lower = tile.pixel(30, 16);
    QCOMPARE(tile.pixel(16, 1), upper);
    QCOMPARE(tile.pixel(16, 30), lower);
    if (raised)
      QVERIFY(luma(upper) > luma(face) && luma(face) > luma(lower));
    else
      QVERIFY(luma(upper) < luma(face) && luma(face) < luma(lower));
    if (number == 2)
      QVERIFY(qRed(face) > qBlue(face) + 80 && qGreen(face) > qBlue(face) + 80);  // yellow
    else
      QVERIFY(qGreen(face) > qRed(face) + 60 && qGreen(face) > qBlue(face) + 60);  // green
  }

  void animalFacesFloatOnTheBoardGreen_data() {
    QTest::addColumn<int>("number");
    // Columns a reward screen shows of the face: the koala's image is 97 wide,
    // the giraffe's and the bear's 81, so the face must end before that.
    QTest::addColumn<int>("shownWidth");
    QTest::newRow("4 cow") << 4 << 89;
    QTest::newRow("5 monkey") << 5 << 97;
    QTest::newRow("6 lion") << 6 << 102;
    QTest::newRow("7 koala") << 7 << 97;
    QTest::newRow("8 giraffe") << 8 << 81;
    QTest::newRow("9 bear") << 9 << 81;
  }

  void animalFacesFloatOnTheBoardGreen() {
    QFETCH(int, number);
    QFETCH(int, shownWidth);
    const QImage face = slotPicture(number);
    const int w = face.width();
    const int h = face.height();
    for (int x = 0; x < w; ++x) {
      QCOMPARE(face.pixel(x, 0), kBoard);
      QCOMPARE(face.pixel(x, h - 1), kBoard);
    }
    for (int y = 0; y < h; ++y) {
      QCOMPARE(face.pixel(0, y), kBoard);
      QCOMPARE(face.pixel(w - 1, y), kBoard);
      QCOMPARE(face.pixel(shownWidth - 1, y), kBoard);
    }
    // And there is a face: most of the middle is not green.
    int notGreen = 0;
    const QRect middle(w / 4, h / 4, w / 2, h / 2);
    for (int y = middle.top(); y <= middle.bottom(); ++y)
      for (int x = middle.left(); x <= middle.right(); ++x) notGreen += face.pixel(x, y) != kBoard;
    QVERIFY2(notGreen > middle.width() * middle.height() * 3 / 4, QByteArray::number(notGreen));
  }

  void greenSquareIsPlainBoardGreen() {
    const QImage square = slotPicture(18);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) QCOMPARE(square.pixel(x, y), kBoard);
  }

  void bearTileEndsInAWhiteColumnSharedWithTheStar() {
    const QImage bear = slotPicture(17);
    for (int y = 0; y < 60; ++y) QCOMPARE(bear.pixel(59, y), kWhite);
    // Nothing else is white in its last-but-one column: the wallpaper steps by 59,
    // so only one column may be covered.
    int whiteBefore = 0;
    for (int y = 0; y < 60; ++y) whiteBefore += bear.pixel(58, y) == kWhite;
    QCOMPARE(whiteBefore, 0);

    const QImage star = slotPicture(21);
    QCOMPARE(star, bear.copy(30, 30, 30, 30));
    // The star is pale green, stands alone on the ground and does not touch the
    // edges that the star wallpaper shows side by side.
    const QRgb ground = star.pixel(0, 0);
    int green = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 29; ++x) {
        const QRgb c = star.pixel(x, y);
        green += qGreen(c) > qRed(c) + 30 && qGreen(c) > qBlue(c) + 30;
        if (x == 0 || y == 0 || x == 28 || y == 29) QCOMPARE(c, ground);
      }
    QVERIFY2(green > 100, QByteArray::number(green));
  }

  void wallpaperTilesRepeatWithoutSeams_data() {
    QTest::addColumn<int>("number");
    QTest::newRow("12 orange slices") << 12;
    QTest::newRow("14 blue lattice") << 14;
    QTest::newRow("15 fish") << 15;
  }

  void wallpaperTilesRepeatWithoutSeams() {
    // A motif cut off at one edge, without its rest at the opposite edge, leaves
    // a long run of pixels where one side of the seam is ground and the other is
    // not. Inside the tile such runs are short: round shapes cross a column pair
    // over a few rows only. So no seam may have a longer run than the tile has
    // between any two neighbouring columns (or rows) inside.
    QFETCH(int, number);
    const QImage tile = slotPicture(number).convertToFormat(QImage::Format_RGB32);
    const int w = tile.width();
    const int h = tile.height();
    QHash<QRgb, int> counts;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) ++counts[tile.pixel(x, y)];
    const QRgb ground = std::max_element(counts.cbegin(), counts.cend()).key();
    auto longestRun = [&](int length, const std::function<QPoint(int)>& a,
                          const std::function<QPoint(int)>& b) {
      int run = 0, longest = 0;
      for (int i = 0; i < length; ++i) {
        const bool oneSideGround = (tile.pixel(a(i)) == ground) != (tile.pixel(b(i)) == ground);
        run = oneSideGround ? run + 1 : 0;
        longest = std::max(longest, run);
      }
      return longest;
    };
    auto columns = [&](int left, int right) {
      return longestRun(
          h, [=](int y) { return QPoint(left, y); }, [=](int y) { return QPoint(right, y); });
    };
    auto rows = [&](int top, int bottom) {
      return longestRun(
          w, [=](int x) { return QPoint(x, top); }, [=](int x) { return QPoint(x, bottom); });
    };
    int inside = 0;
    for (int x = 0; x + 1 < w; ++x) inside = std::max(inside, columns(x, x + 1));
    QVERIFY(inside > 0);  // the tile is not blank
    QVERIFY2(columns(w - 1, 0) <= inside, QByteArray::number(columns(w - 1, 0)));
    inside = 0;
    for (int y = 0; y + 1 < h; ++y) inside = std::max(inside, rows(y, y + 1));
    QVERIFY2(rows(h - 1, 0) <= inside, QByteArray::number(rows(h - 1, 0)));
  }

  void orangeBarRunsFromDarkToPaleWithAGreenBand() {
    const QImage bar = slotPicture(20);
    const int middleRow = 12;
    QVERIFY(averageLuma(bar, QRect(0, 4, 10, 16)) + 60 < averageLuma(bar, QRect(79, 4, 10, 16)));
    int bandColumns = 0;
    for (int x = 0; x < bar.width(); ++x) {
      const QRgb c = bar.pixel(x, middleRow);
      if (qGreen(c) > qRed(c) && luma(c) < 100) {
        ++bandColumns;
        QVERIFY2(x > 89 / 4 && x < 89 * 3 / 4, QByteArray::number(x));
      }
    }
    QVERIFY(bandColumns >= 3);
  }

  // The fifty screen shows the whole 209 x 209 kitten; the greeting window its
  // top-left 135 x 174, with a label across y 136..160. Both show a bright
  // photograph that fills the frame: no flat block of ground, the kitten's
  // head and chest in the corner the window shows, its body across the rest.
  void kittenFillsItsFrameBrightly() {
    const QImage kitten = slotPicture(11);
    QCOMPARE(kitten.size(), QSize(209, 209));
    const QRect window(0, 0, 135, 136);  // above the label
    const QRect right(135, 0, 74, 209), below(0, 174, 135, 35);

    // Blocks of 8 x 8 pixels within 12 levels of one shade are flat; the
    // largest patch of flat blocks side by side is at most a quarter.
    constexpr int kBlock = 8;
    constexpr int kBlocks = 209 / kBlock;
    std::vector<char> flat(kBlocks * kBlocks, 0);
    for (int by = 0; by < kBlocks; ++by)
      for (int bx = 0; bx < kBlocks; ++bx) {
        int lo = 255;
        int hi = 0;
        for (int y = by * kBlock; y < (by + 1) * kBlock; ++y)
          for (int x = bx * kBlock; x < (bx + 1) * kBlock; ++x) {
            lo = std::min(lo, luma(kitten.pixel(x, y)));
            hi = std::max(hi, luma(kitten.pixel(x, y)));
          }
        flat[by * kBlocks + bx] = hi - lo <= 12;
      }
    int largest = 0;
    for (int start = 0; start < kBlocks * kBlocks; ++start) {
      if (flat[start] != 1) continue;
      int patch = 0;
      std::vector<int> todo{start};
      flat[start] = 2;
      while (!todo.empty()) {
        const int at = todo.back();
        todo.pop_back();
        ++patch;
        const int bx = at % kBlocks, by = at / kBlocks;
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
          const int nx = bx + dx, ny = by + dy;
          if (nx < 0 || ny < 0 || nx >= kBlocks || ny >= kBlocks || flat[ny * kBlocks + nx] != 1)
            continue;
          flat[ny * kBlocks + nx] = 2;
          todo.push_back(ny * kBlocks + nx);
        }
      }
      largest = std::max(largest, patch);
    }
    QVERIFY2(
        largest * 4 <= kBlocks * kBlocks,
        qPrintable(
            QStringLiteral("a flat patch of %1 of %2 blocks").arg(largest).arg(kBlocks * kBlocks)));

    // Bright where the window looks and in what the fifty screen adds.
    for (const QRect& area : {window, right, below})
      QVERIFY2(averageLuma(kitten, area) > 150,
               qPrintable(QString::number(averageLuma(kitten, area))));

    // White fur (light and without colour) in the window's corner and across
    // the rest; dark eyes, nose and patches among it in the corner.
    const auto share = [&kitten](const QRect& area, const std::function<bool(QRgb)>& is) {
      int n = 0;
      for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += is(kitten.pixel(x, y)) ? 1 : 0;
      return double(n) / (area.width() * area.height());
    };
    const auto fur = [](QRgb c) {
      const int spread =
          std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
      return luma(c) > 190 && spread < 16;
    };
    const auto dark = [](QRgb c) { return luma(c) < 70; };
    qInfo("white fur: %.2f of the window's corner, %.2f of the right; dark: %.3f",
          share(window, fur), share(right, fur),
          share(window, [](QRgb c) { return luma(c) < 70; }));
    QVERIFY2(share(window, fur) > 0.15, qPrintable(QString::number(share(window, fur))));
    QVERIFY2(share(right, fur) > 0.05, qPrintable(QString::number(share(right, fur))));
    QVERIFY2(share(window, dark) > 0.01, qPrintable(QString::number(share(window, dark))));
  }

  void storedBitmapsHaveTheirSizeAndDepth_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<uint>("bitsPerPixel");
    QTest::newRow("white chalk") << "white_chalk.bmp" << QSize(10, 20) << 24u;
    QTest::newRow("yellow chalk") << "yellow_chalk.bmp" << QSize(10, 20) << 4u;
    QTest::newRow("navy square") << "navy_square.bmp" << QSize(40, 40) << 4u;
    QTest::newRow("maroon square") << "maroon_square.bmp" << QSize(40, 40) << 4u;
  }

  void storedBitmapsHaveTheirSizeAndDepth() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(uint, bitsPerPixel);
    const QByteArray bytes = readResource(name);
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    const BmpHeader h = bmpHeader(bytes);
    QCOMPARE(h.width, size.width());
    QCOMPARE(h.height, size.height());
    QCOMPARE(h.bitsPerPixel, bitsPerPixel);
    QCOMPARE(h.compression, 0u);
    QCOMPARE(QImage::fromData(bytes).size(), size);
  }

  void plainWallpapersAreOneColour_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("colour");
    QTest::newRow("navy") << "navy_square.bmp" << 0xFF000080u;
    QTest::newRow("maroon") << "maroon_square.bmp" << 0xFF800000u;
  }

  void plainWallpapersAreOneColour() {
    QFETCH(QString, name);
    QFETCH(uint, colour);
    const QImage square(QStringLiteral(":/assets/") + name);
    for (int y = 0; y < square.height(); ++y)
      for (int x = 0; x < square.width(); ++x)
        QCOMPARE(square.pixel(x, y), static_cast<QRgb>(colour));
  }

  void chalkSticksAreShadedOnTheRight_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("white") << "white_chalk.bmp";
    QTest::newRow("yellow") << "yellow_chalk.bmp";
  }

  void chalkSticksAreShadedOnTheRight() {
    QFETCH(QString, name);
    const QImage chalk(QStringLiteral(":/assets/") + name);
    for (int y = 0; y < 20; ++y) {
      QCOMPARE(chalk.pixel(9, y), 0xFF000000u);
      QVERIFY(luma(chalk.pixel(8, y)) < luma(chalk.pixel(0, y)));
      QVERIFY(luma(chalk.pixel(0, y)) > 200);
    }
    const QRgb body = chalk.pixel(0, 0);
    if (name.startsWith(QLatin1String("yellow")))
      QVERIFY(qBlue(body) < 80 && qRed(body) > 200 && qGreen(body) > 200);
  }

  void iconsHaveTransparentCorners_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("maxColours");  // 0: full colour
    QTest::newRow("chalk") << "chalk_icon.png" << 32 << 16;
    QTest::newRow("rice ball") << "rice_ball.png" << 32 << 16;
    QTest::newRow("icon 16") << "icon_16.png" << 16 << 16;
    QTest::newRow("icon 32") << "icon_32.png" << 32 << 16;
    QTest::newRow("icon 48") << "icon_48.png" << 48 << 0;
    QTest::newRow("icon 64") << "icon_64.png" << 64 << 0;
    QTest::newRow("icon 128") << "icon_128.png" << 128 << 0;
    QTest::newRow("icon 256") << "icon_256.png" << 256 << 0;
  }

  void iconsHaveTransparentCorners() {
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(int, maxColours);
    const QImage icon(QStringLiteral(":/assets/") + name);
    QCOMPARE(icon.size(), QSize(size, size));
    if (maxColours > 0) {
      QCOMPARE(icon.format(), QImage::Format_Indexed8);
      QVERIFY(icon.colorCount() <= maxColours);
    }
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
      QCOMPARE(qAlpha(icon.pixel(corner)), 0);
    QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
  }

  void chalkIconStaysInsideItsControl() {
    // The drill screen shows the icon in a 25 x 33 control from its top-left.
    const QImage icon(QStringLiteral(":/assets/chalk_icon.png"));
    int yellow = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const QRgb c = icon.pixel(x, y);
        if (x >= 25) QCOMPARE(qAlpha(c), 0);
        yellow += qAlpha(c) == 255 && qRed(c) > 200 && qGreen(c) > 180 && qBlue(c) < 120;
      }
    QVERIFY(yellow > 60);
    // Drawn from upper left to lower right.
    QVERIFY(qAlpha(icon.pixel(6, 6)) == 255 && qAlpha(icon.pixel(18, 24)) == 255);
    QVERIFY(qAlpha(icon.pixel(20, 4)) == 0 && qAlpha(icon.pixel(4, 26)) == 0);
  }

  void rosetteLeavesRoomForItsThreeLines() {
    QSvgRenderer rosette(QStringLiteral(":/assets/rosette.svg"));
    QVERIFY(rosette.isValid());
    QCOMPARE(rosette.viewBox(), QRect(0, 0, 2056, 2619));
    QImage image(161, 169, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      rosette.render(&painter, QRectF(0, 0, 161, 169));
    }
    // The badge's three labels, in the image's own coordinates.
    for (const QRect& label :
         {QRect(32, 32, 95, 19), QRect(16, 56, 126, 19), QRect(32, 80, 102, 19)})
      for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x)
          QVERIFY2(image.pixel(x, y) == kWhite,
                   QByteArray::number(x) + ',' + QByteArray::number(y));
    auto count = [&](QRgb wanted) {
      int n = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += colourDistance(image.pixel(x, y), wanted) < 30;
      return n;
    };
    QVERIFY(count(0xFFFF0066) > 150);  // pink segments
    QVERIFY(count(0xFF004CB2) > 150);  // dark blue segments
    // The light-blue tails hang below the band, in the bottom quarter.
    int tail = 0;
    for (int y = 135; y < 169; ++y)
      for (int x = 0; x < 161; ++x) tail += colourDistance(image.pixel(x, y), 0xFF007FE5) < 30;
    QVERIFY(tail > 200);
    QCOMPARE(qAlpha(image.pixel(0, 168)), 0);
  }

  void digitFontHoldsTheDigitsOnly() {
    const QByteArray data = readResource(QStringLiteral("digits.ttf"));
    QVERIFY(!data.isEmpty());
    QVERIFY(data.size() < 16 * 1024);
    const int id = QFontDatabase::addApplicationFontFromData(data);
    QVERIFY(id >= 0);
    QVERIFY(QFontDatabase::applicationFontFamilies(id).contains(QStringLiteral("Poronka Digits")));
    const QRawFont font(data, 37);
    QVERIFY(font.isValid());
    for (char32_t c : {U'0', U'1', U'5', U'9', U'+', U'=', U'\uFF0B', U'\uFF1D'})
      QVERIFY2(font.supportsCharacter(c), QByteArray::number(static_cast<uint>(c), 16));
    QVERIFY(!font.supportsCharacter(U'A'));
    QFontDatabase::removeApplicationFont(id);
  }
};

QTEST_MAIN(SpriteSheetTest)
#include "test_sprite_sheet.moc"

#include "sheet.h"

#include <QFontDatabase>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr QRect sheetRect(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left, bottom - top);
}

QString loadFont(const char* path) {
  const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) {
    std::fprintf(stderr, "draw_pictures: cannot load the font %s\n", path);
    std::exit(1);
  }
  return families.first();
}

}  // namespace

const std::array<Slot, 21>& allSlots() {
  static const std::array<Slot, 21> table{{
      {1, "PicBlueTile", sheetRect(0, 0, 32, 32), {32, 32}},
      {2, "PicYellowTile", sheetRect(0, 35, 32, 67), {32, 32}},
      {3, "PicGreenTile", sheetRect(0, 70, 32, 102), {32, 32}},
      {4, "PicCow", sheetRect(40, 4, 130, 87), {89, 81}},
      {5, "PicMonkey", sheetRect(108, 92, 206, 157), {97, 65}},
      {6, "PicLion", sheetRect(0, 106, 102, 214), {102, 105}},
      {7, "PicKoala", sheetRect(107, 157, 207, 219), {100, 62}},
      {8, "PicGiraffe", sheetRect(134, 0, 219, 94), {85, 94}},
      {9, "PicBear", sheetRect(221, 0, 303, 72), {82, 72}},
      {10, "PicPortrait", sheetRect(8, 231, 94, 329), {85, 98}},
      {11, "PicKitten", sheetRect(424, 4, 633, 213), {209, 209}},
      {12, "PicOrangeSlices", sheetRect(307, 0, 397, 159), {90, 159}},
      {13, "PicApple", sheetRect(214, 206, 284, 276), {70, 70}},
      {14, "PicBlueLattice", sheetRect(143, 225, 207, 289), {64, 64}},
      {15, "PicFish", sheetRect(288, 270, 438, 377), {150, 107}},
      {16, "PicCatTile", sheetRect(223, 76, 283, 136), {60, 60}},
      {17, "PicBearTile", sheetRect(222, 140, 282, 200), {60, 60}},
      {18, "PicGreenSquare", sheetRect(213, 284, 253, 324), {40, 40}},
      {19, "PicRedTile", sheetRect(107, 299, 139, 331), {32, 32}},
      {20, "PicOrangeBar", sheetRect(447, 218, 536, 243), {89, 25}},
      {21, "PicStar", sheetRect(252, 170, 282, 200), {30, 30}},
  }};
  return table;
}

const Slot& slot(int number) { return allSlots()[static_cast<std::size_t>(number - 1)]; }

std::vector<QRgb> sheetFixedColours() {
  using namespace colours;
  // clang-format off
  return {black, white, board, neutral,
          blueFace, blueLight, blueDark, redFace, redLight, redDark,
          yellowFace, yellowLight, yellowDark, greenFace, greenLight, greenDark,
          pink, orangeRind, orangeFlesh, orangePith, paleYellow, appleRed, leafGreen, stemBrown,
          latticeGround, latticeBlue, latticeCross, shapeGrey, fishGround, fishBlue, outlineGrey,
          cream, catGrey, paleBlue, bearBrown, starGreen, barDarkGreen};
  // clang-format on
}

QString emojiFamily() {
  static const QString family = loadFont("/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf");
  return family;
}

QString handwritingFamily() {
  static const QString family = loadFont("/usr/share/fonts/truetype/klee/KleeOne-SemiBold.ttf");
  return family;
}

QString wordFamily() {
  static const QString family = loadFont("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
  return family;
}

QImage drawSheet(const QString& photosDir, std::vector<QRect>& ditherAreas) {
  QImage sheet(640, 400, QImage::Format_RGB32);
  sheet.fill(colours::neutral);
  QPainter painter(&sheet);
  auto put = [&](int number, const QImage& picture) {
    const Slot& s = slot(number);
    Q_ASSERT(picture.size() == s.rect.size());
    painter.drawImage(s.rect.topLeft(), picture);
  };
  const auto size = [](int number) { return slot(number).rect.size(); };
  const auto kept = [](int number) { return slot(number).kept; };

  using namespace colours;
  put(1, drawBevelTile(blueFace, blueLight, blueDark));
  put(2, drawBevelTile(yellowFace, yellowLight, yellowDark));
  put(3, drawBevelTile(greenFace, greenDark, greenLight));  // sunken: dark above, light below
  put(19, drawBevelTile(redFace, redLight, redDark));

  // The giraffe's bottom two rows are the monkey's top two rows; both faces keep a
  // green margin, so the order does not matter.
  put(4, drawCow(size(4), kept(4)));
  put(8, drawGiraffe(size(8), kept(8)));
  put(5, drawMonkey(size(5), kept(5)));
  put(6, drawLion(size(6), kept(6)));
  put(7, drawKoala(size(7), kept(7)));
  put(9, drawBear(size(9), kept(9)));

  put(10, drawPortrait(photosDir, size(10), kept(10)));
  put(11, drawKitten(photosDir, size(11)));
  // The photographs and the eraser's colour ramp are dithered: flat bands of a few
  // palette entries would look poor there.
  ditherAreas = {slot(10).rect, slot(11).rect, slot(20).rect};

  put(12, drawOrangeSlices(size(12)));
  put(13, drawApple(size(13)));
  put(14, drawBlueLattice(size(14)));
  put(15, drawFish(size(15)));
  put(16, drawCatTile(size(16)));
  // The star slot is the bottom-right quarter of the bear tile: drawing the tile
  // draws both.
  put(17, drawBearTile(size(17)));
  {
    QImage green(size(18), QImage::Format_RGB32);
    green.fill(board);
    put(18, green);
  }
  put(20, drawOrangeBar(size(20)));
  painter.end();
  return sheet;
}

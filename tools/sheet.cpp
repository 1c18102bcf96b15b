#include "sheet.h"

#include <QFontDatabase>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

namespace {

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

const std::array<Slot, sheet_layout::kSlotCount>& allSlots() {
  static const auto all = [] {
    std::array<Slot, sheet_layout::kSlotCount> table{};
    for (int n = 1; n <= sheet_layout::kSlotCount; ++n) {
      const sheet_layout::SlotRect& r = sheet_layout::kSlots[n];
      table[static_cast<std::size_t>(n - 1)] = {
          n, r.name, QRect(r.left, r.top, r.width(), r.height()), QSize(r.keptWidth, r.keptHeight)};
    }
    return table;
  }();
  return all;
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

// The picture library: each slot is cut from the sprite sheet into a bitmap of
// its own image's size, clipped or filled with white where the sheet rectangle
// differs; cutting again changes nothing and leaves earlier copies alone.
#include "drill/drill_screen.h"
#include "pictures/picture_library.h"
#include "pictures/sprite_sheet_holder.h"
#include "tests/fixture.h"

namespace {

struct Slot {
  QRect image;                   // the slot's image on the library screen
  int left, top, right, bottom;  // sheet rectangle, right and bottom exclusive
};

// clang-format off
const Slot kSlots[22] = {
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

// A sheet whose every pixel differs from every other and from white.
QImage syntheticSheet(int salt = 0) {
  QImage sheet(640, 400, QImage::Format_RGB32);
  for (int y = 0; y < sheet.height(); ++y)
    for (int x = 0; x < sheet.width(); ++x)
      sheet.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, 0x40 | salt | (x >> 8) | ((y >> 8) << 2)));
  return sheet;
}

// What slot n must hold when cut from `sheet`.
QImage expectedSlot(const QImage& sheet, int n) {
  const Slot& s = kSlots[n];
  QImage picture(s.image.size(), QImage::Format_RGB32);
  picture.fill(Qt::white);
  for (int y = 0; y < picture.height() && s.top + y < s.bottom; ++y)
    for (int x = 0; x < picture.width() && s.left + x < s.right; ++x)
      picture.setPixel(x, y, sheet.pixel(s.left + x, s.top + y));
  return picture;
}

bool samePixels(const QImage& a, const QImage& b) {
  return a.size() == b.size() &&
         a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class PictureLibraryTest : public fixture::Suite {
  Q_OBJECT

 private Q_SLOTS:
  void sheetIsHeldUnstretched() {
    QCOMPARE(Form7->Image1->geometry(), QRect(8, 8, 641, 401));
    QVERIFY(!Form7->Image1->Stretch());
    const QImage& sheet = Form7->Image1->Picture();
    QVERIFY(!sheet.isNull());
    QCOMPARE(sheet.size(), QSize(640, 400));
    // The start-up distribution has cut it already.
    for (int n = 1; n <= TForm1::kSlots; ++n)
      QVERIFY2(samePixels(Form1->SlotPicture(n), expectedSlot(sheet, n)),
               qPrintable(QString::number(n)));
  }

  void everySlotKeepsItsImageSizeClippedOrWhite() {
    const QImage sheet = syntheticSheet();
    Form7->Image1->SetPicture(sheet);
    Form1->SliceAll();
    for (int n = 1; n <= TForm1::kSlots; ++n) {
      const Slot& s = kSlots[n];
      QCOMPARE(Form1->Slot(n)->geometry(), s.image);
      QCOMPARE(Form1->SlotPicture(n).size(), s.image.size());
      QVERIFY2(samePixels(Form1->SlotPicture(n), expectedSlot(sheet, n)),
               qPrintable(QString::number(n)));
    }

    // The edges named: slot 4 keeps 89 x 81 of 90 x 83; slot 6 loses three
    // rows; slot 21's right three columns and bottom three rows are white.
    const QImage& cow = Form1->SlotPicture(PicCow);
    QCOMPARE(cow.pixel(88, 80), sheet.pixel(40 + 88, 4 + 80));
    QCOMPARE(Form1->SlotPicture(PicLion).pixel(101, 104), sheet.pixel(101, 106 + 104));
    const QImage& star = Form1->SlotPicture(PicStar);
    QCOMPARE(star.pixel(29, 29), sheet.pixel(252 + 29, 170 + 29));
    for (int k = 30; k < 33; ++k)
      for (int t = 0; t < 33; ++t) {
        QCOMPARE(star.pixel(k, t), qRgb(255, 255, 255));
        QCOMPARE(star.pixel(t, k), qRgb(255, 255, 255));
      }
  }

  void cuttingAgainChangesNothingAndSparesEarlierCopies() {
    const QImage first = syntheticSheet();
    Form7->Image1->SetPicture(first);
    PORONKA->Button20Click();
    const QImage once = Form1->SlotPicture(PicBlueTile);
    Form1->Button2Click();
    Form1->Button2Click();
    QCOMPARE(Form1->SlotPicture(PicBlueTile), once);

    // A new sheet reaches the slots when they are cut, never the pictures
    // other screens took before.
    const QImage second = syntheticSheet(0x80);
    Form7->Image1->SetPicture(second);
    Form1->SliceAll();
    QVERIFY(samePixels(Form1->SlotPicture(PicCow), expectedSlot(second, PicCow)));
    QVERIFY(samePixels(PORONKA->Image7->Picture(), expectedSlot(first, PicCow)));
    QVERIFY(samePixels(PORONKA->Image1->Picture(), expectedSlot(first, PicCow)));
  }

  void eachNumberedButtonCutsItsOwnSlot() {
    Form7->Image1->SetPicture(syntheticSheet());
    Form1->SliceAll();
    const QImage sheet = syntheticSheet(0x80);
    Form7->Image1->SetPicture(sheet);
    for (int n = 1; n <= TForm1::kSlots; ++n) {
      auto* button =
          fixture::Find<QPushButton>(Form1, qPrintable(QStringLiteral("Button%1").arg(n + 1)));
      QCOMPARE(button->text(), QString::number(n));
      button->click();
      for (int m = 1; m <= TForm1::kSlots; ++m)
        QCOMPARE(samePixels(Form1->SlotPicture(m), expectedSlot(sheet, m)), m <= n);
    }
    QCOMPARE(fixture::Find<QPushButton>(Form1, "Button1")->text(), QStringLiteral("ALL"));
  }
};

PORONKA_TEST_MAIN(PictureLibraryTest)
#include "test_picture_library.moc"

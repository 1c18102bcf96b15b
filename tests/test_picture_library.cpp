// The picture library: each slot is cut from the sprite sheet into a bitmap of
// its own image's size, clipped or filled with white where the sheet rectangle
// differs; cutting again changes nothing and leaves earlier copies alone.
#include "drill/drill_screen.h"
#include "pictures/picture_library.h"
#include "pictures/sprite_sheet_holder.h"
#include "tests/fixture.h"
#include "tests/sheet_slots.h"

namespace {

using fixture::kSheetSlots;
using fixture::NoisySheet;

// What slot n must hold when cut from `sheet`.
QImage expectedSlot(const QImage& sheet, int n) {
  const fixture::SheetSlot& s = kSheetSlots[n];
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
    const QImage sheet = NoisySheet();
    Form7->Image1->SetPicture(sheet);
    Form1->SliceAll();
    for (int n = 1; n <= TForm1::kSlots; ++n) {
      const fixture::SheetSlot& s = kSheetSlots[n];
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
    const QImage first = NoisySheet();
    Form7->Image1->SetPicture(first);
    PORONKA->Button20Click();
    const QImage once = Form1->SlotPicture(PicBlueTile);
    Form1->Button2Click();
    Form1->Button2Click();
    QCOMPARE(Form1->SlotPicture(PicBlueTile), once);

    // A new sheet reaches the slots when they are cut, never the pictures
    // other screens took before.
    const QImage second = NoisySheet(0x80);
    Form7->Image1->SetPicture(second);
    Form1->SliceAll();
    QVERIFY(samePixels(Form1->SlotPicture(PicCow), expectedSlot(second, PicCow)));
    QVERIFY(samePixels(PORONKA->Image7->Picture(), expectedSlot(first, PicCow)));
    QVERIFY(samePixels(PORONKA->Image1->Picture(), expectedSlot(first, PicCow)));
  }

  void eachNumberedButtonCutsItsOwnSlot() {
    Form7->Image1->SetPicture(NoisySheet());
    Form1->SliceAll();
    const QImage sheet = NoisySheet(0x80);
    Form7->Image1->SetPicture(sheet);
    for (int n = 1; n <= TForm1::kSlots; ++n) {
      auto* button =
          ui::Find<QPushButton>(Form1, qPrintable(QStringLiteral("Button%1").arg(n + 1)));
      QCOMPARE(button->text(), QString::number(n));
      button->click();
      for (int m = 1; m <= TForm1::kSlots; ++m)
        QCOMPARE(samePixels(Form1->SlotPicture(m), expectedSlot(sheet, m)), m <= n);
    }
    QCOMPARE(ui::Find<QPushButton>(Form1, "Button1")->text(), QStringLiteral("ALL"));
  }
};

PORONKA_TEST_MAIN(PictureLibraryTest)
#include "test_picture_library.moc"

// The drill screen's pictures: the distribution to every screen, the praise
// picture that wanders as the board is repainted, the wallpaper redrawn with
// each paint, and the tray's eraser and chalks.
#include <QPainter>
#include <array>
#include <vector>

#include "app/backdrop.h"
#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "pictures/picture_library.h"
#include "pictures/sprite_sheet_holder.h"
#include "pictures/wallpaper_chooser.h"
#include "rewards/fifty_screen.h"
#include "rewards/greeting.h"
#include "rewards/hundred_screen.h"
#include "tests/fixture.h"
#include "tests/sheet_slots.h"

namespace {

struct Given {
  ui::Image* image;
  int slot;
};

std::vector<Given> distribution() {
  std::vector<Given> given = {
      {PORONKA->Image1, PicCow},      {PORONKA->Image4, PicBlueTile},
      {PORONKA->Image5, PicRedTile},  {PORONKA->Image6, PicMonkey},
      {PORONKA->Image7, PicCow},      {PORONKA->Image8, PicKoala},
      {PORONKA->Image9, PicGiraffe},  {PORONKA->Image11, PicLion},
      {PORONKA->Image12, PicBear},    {PORONKA->Image10, PicOrangeBar},
      {Form3->Image1, PicKitten},     {Form5->Image1, PicCow},
      {Form5->Image4, PicMonkey},     {Form5->Image5, PicLion},
      {Form5->Image6, PicKoala},      {Form5->Image7, PicGiraffe},
      {Form5->Image8, PicBear},       {Form6->Image1, PicKitten},
      {Form2->Img(50), PicOrangeBar},
  };
  for (int n = 1; n <= 59; ++n) {
    if (n == 50) continue;
    const bool blue = n <= 10 || (n >= 31 && n <= 40) || n >= 51;
    given.push_back({Form2->Img(n), blue ? PicBlueTile : PicRedTile});
  }
  const int chooser[] = {PicOrangeSlices, PicApple,    PicBlueLattice, PicFish,
                         PicCatTile,      PicBearTile, PicGreenSquare, PicStar};
  for (int n = 1; n <= 8; ++n) given.push_back({Form9->Img(n), chooser[n - 1]});
  return given;
}

// Where every component of every screen stands and whether it shows.
QList<std::pair<QRect, bool>> arrangement() {
  QList<std::pair<QRect, bool>> all;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    all.append({top->geometry(), top->isHidden()});
    for (QWidget* w : top->findChildren<QWidget*>()) all.append({w->geometry(), w->isHidden()});
  }
  return all;
}

// A seed from which, of the next six draws, only draw `k` is below 0.005.
std::uint32_t seedForOnlyDraw(int k) {
  constexpr std::uint32_t a = 134775813u;
  std::uint32_t inverse = a;  // Newton: a * inverse == 1 mod 2^32
  for (int i = 0; i < 5; ++i) inverse *= 2u - a * inverse;
  const auto below = [](std::uint32_t s) { return s / 4294967296.0 < 0.005; };
  for (std::uint32_t target = 1000;; target += 100003) {
    std::uint32_t s = target;
    for (int i = 0; i <= k; ++i) s = (s - 1u) * inverse;
    std::uint32_t t = s;
    bool only = true;
    for (int i = 0; i < 6; ++i) {
      t = t * a + 1u;
      only = only && below(t) == (i == k);
    }
    if (only) return s;
  }
}

}  // namespace

class PaintingTest : public fixture::Suite {
  Q_OBJECT

 private Q_SLOTS:
  void distributionGivesEveryScreenItsOwnCopies() {
    // Creation has distributed once already; with a new sheet the slots and
    // every copy change, and nothing moves or shows.
    Form7->Image1->SetPicture(fixture::NoisySheet());
    Form9->Img(9)->SetPicture(QImage(40, 40, QImage::Format_RGB32));
    const QImage navy = Form9->Img(9)->Picture();
    const auto before = arrangement();
    PORONKA->Button20Click();
    QCOMPARE(arrangement(), before);
    for (const Given& g : distribution()) {
      QVERIFY(g.image);
      QVERIFY2(g.image->Picture() == Form1->SlotPicture(g.slot), qPrintable(g.image->objectName()));
    }
    QCOMPARE(Form9->Img(9)->Picture(), navy);

    // Twice gives the same; and the copies are the images' own.
    PORONKA->Button20Click();
    for (const Given& g : distribution())
      QVERIFY2(g.image->Picture() == Form1->SlotPicture(g.slot), qPrintable(g.image->objectName()));
    QPainter(&Form1->Slot(PicCow)->Canvas()).fillRect(0, 0, 10, 10, Qt::red);
    QVERIFY(PORONKA->Image7->Picture() != Form1->SlotPicture(PicCow));
    QVERIFY(PORONKA->Image7->Picture() == Form5->Image1->Picture());
  }

  void praiseAnimalsAreDrawnInTheirOrder() {
    Form7->Image1->SetPicture(fixture::NoisySheet());
    PORONKA->Button20Click();
    // Always below the threshold: the last draw wins, the lion.
    ui::ForceRandomReal(0.004);
    PORONKA->FormPaint();
    QCOMPARE(PORONKA->Image1->Picture(), PORONKA->Image11->Picture());
    // At the threshold nothing changes.
    PORONKA->Image1->SetPicture(PORONKA->Image8->Picture());
    ui::ForceRandomReal(0.005);
    for (int i = 0; i < 100; ++i) PORONKA->FormPaint();
    QCOMPARE(PORONKA->Image1->Picture(), PORONKA->Image8->Picture());
    ui::ForceRandomReal(std::nullopt);

    // One success at each place of the six draws: bear, monkey, cow, koala,
    // giraffe, lion; six draws per paint.
    const std::array<ui::Image*, 6> order{PORONKA->Image12, PORONKA->Image6, PORONKA->Image7,
                                          PORONKA->Image8,  PORONKA->Image9, PORONKA->Image11};
    for (int k = 0; k < 6; ++k) {
      PORONKA->Image1->SetPicture(QImage());
      ui::SetRandomSeed(seedForOnlyDraw(k));
      PORONKA->FormPaint();
      QVERIFY2(PORONKA->Image1->Picture() == order[k]->Picture(), qPrintable(QString::number(k)));
      ui::SetRandomSeed(seedForOnlyDraw(k));
      for (int i = 0; i < 6; ++i) ui::RandomReal();
      const std::uint32_t after = ui::RandomSeed();
      ui::SetRandomSeed(seedForOnlyDraw(k));
      PORONKA->FormPaint();
      QCOMPARE(ui::RandomSeed(), after);
    }
  }

  void aChangedPraisePictureRepaintsOnceMore() {
    PORONKA->show();
    PORONKA->Image1->setVisible(true);
    QCoreApplication::processEvents();
    fixture::PaintCounter counter(PORONKA);
    ui::ForceRandomReal(0.004);
    PORONKA->repaint();
    QCOMPARE(counter.paints, 1);
    ui::ForceRandomReal(0.005);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    QCOMPARE(counter.paints, 2);  // the change brought one more, which changed nothing
  }

  void eachPaintRedrawsTheCurrentWallpaper() {
    // None chosen yet: the backdrop stays as it is.
    Form10->Canvas().fill(Qt::darkCyan);
    const QImage plain = Form10->CanvasPicture();
    PORONKA->FormPaint();
    QCOMPARE(Form10->CanvasPicture(), plain);

    // Chosen by the rotation: redrawn over whatever covered it, and the
    // rotation goes on.
    for (int tick = 0; tick < 1080; ++tick) Form9->Timer1Timer();
    QCOMPARE(Form9->WallpaperChoice, 4);
    const QImage fish = Form10->CanvasPicture();
    QVERIFY(fish != plain);
    Form10->Canvas().fill(Qt::darkCyan);
    PORONKA->FormPaint();
    QCOMPARE(Form10->CanvasPicture(), fish);
    QCOMPARE(Form9->WallpaperPicked, 0);
    QCOMPARE(Form9->WallpaperChoice, 4);
  }

  void eraserRestoresTheCowAndResetsTheCounts() {
    PORONKA->Button13Click();
    PORONKA->Button15Click();  // a hint: the counter window is up
    PORONKA->Edit1->setText(QStringLiteral("5"));
    PORONKA->Edit2->setText(QStringLiteral("4"));
    PORONKA->ProblemsAsked = 6;
    PORONKA->FirstTryCount = 4;
    Form9->ApplyWallpaper(3);
    const QImage wallpaper = Form10->CanvasPicture();
    PORONKA->Image1->SetPicture(PORONKA->Image12->Picture());  // the bear
    QVERIFY(PORONKA->Image1->Picture() != Form1->SlotPicture(PicCow));

    QTest::mouseClick(PORONKA->Image10, Qt::LeftButton);
    QCOMPARE(PORONKA->Image1->Picture(), Form1->SlotPicture(PicCow));
    QVERIFY(!Form2->isVisible());
    QCOMPARE(PORONKA->Edit1->text(), QStringLiteral("0"));
    QCOMPARE(PORONKA->Edit2->text(), QStringLiteral("0"));
    QCOMPARE(PORONKA->ProblemsAsked, 0);
    QCOMPARE(PORONKA->FirstTryCount, 0);
    QCOMPARE(Form9->WallpaperChoice, 3);
    QCOMPARE(Form10->CanvasPicture(), wallpaper);
  }

  void whiteChalksPutUpANewProblemDuringAHint() {
    PORONKA->Button13Click();
    PORONKA->Button15Click();
    QVERIFY(Form2->isVisible());
    QVERIFY(fixture::Shown(PORONKA->Image4));
    QCOMPARE(PORONKA->Label1->FontSize(), 26);
    QTest::mouseClick(PORONKA->Image20, Qt::LeftButton);
    QCOMPARE(PORONKA->ProblemsAsked, 2);
    QVERIFY(!Form2->isVisible());
    QVERIFY(!fixture::Shown(PORONKA->Image4));
    QCOMPARE(PORONKA->Label1->FontSize(), 28);

    PORONKA->WrongTries = 2;
    PORONKA->Button17Click();  // the second hint, with the making-ten animation
    QVERIFY(Form2->isVisible());
    QCOMPARE(PORONKA->WrongTries, 2);
    QTest::mouseClick(PORONKA->Image30, Qt::LeftButton);
    QCOMPARE(PORONKA->ProblemsAsked, 3);
    QCOMPARE(PORONKA->WrongTries, 0);
    QVERIFY(!Form2->isVisible());
  }
};

PORONKA_TEST_MAIN(PaintingTest)
#include "test_painting.moc"

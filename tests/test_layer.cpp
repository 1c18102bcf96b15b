// The layer over Qt: random numbers, conversions and the error box, timer
// intervals, key preview.
#include <QMessageBox>
#include <QSignalSpy>

#include "tests/fixture.h"

namespace {

// A screen that counts the characters its key preview sees.
class PreviewForm : public ui::Form {
 public:
  explicit PreviewForm(bool preview) : ui::Form("Preview") {
    SetKeyPreview(preview);
    button = new QPushButton(QStringLiteral("b"), this);
    edit = new QLineEdit(this);
    edit->move(0, 40);
  }
  void PreviewKey(QChar key) override { seen += key; }

  QString seen;
  QPushButton* button;
  QLineEdit* edit;
};

}  // namespace

class LayerTest : public fixture::Suite {
  Q_OBJECT

 public:
  LayerTest() : Suite(Screens::None) {}

 private Q_SLOTS:
  void randomNumbersFollowTheGenerator() {
    // seed 0 -> 0*134775813+1 = 1; 9*1 div 2^32 = 0
    ui::SetRandomSeed(0);
    QCOMPARE(ui::RandomBelow(9), 0);
    QCOMPARE(ui::RandomSeed(), 1u);
    // 1*134775813+1 = 134775814; 9*134775814 = 1212982326 < 2^32 -> 0
    QCOMPARE(ui::RandomBelow(9), 0);
    QCOMPARE(ui::RandomSeed(), 134775814u);
    // 134775814*134775813+1 mod 2^32 = 3698175007; 9*3698175007 div 2^32 = 7
    QCOMPARE(ui::RandomBelow(9), 7);
    QCOMPARE(ui::RandomSeed(), 3698175007u);

    // The whole unsigned range counts: n*seed never overflows.
    ui::SetRandomSeed(2796574515u);  // steps to 2^31
    QCOMPARE(ui::RandomBelow(1000), 500);
    QCOMPARE(ui::RandomSeed(), 2147483648u);

    ui::SetRandomSeed(2796574515u);
    QCOMPARE(ui::RandomReal(), 0.5);
    ui::SetRandomSeed(0);
    QCOMPARE(ui::RandomReal(), 1.0 / 4294967296.0);

    // A forced value still steps the seed, as a real draw would.
    ui::ForceRandomReal(0.004);
    ui::SetRandomSeed(0);
    QCOMPARE(ui::RandomReal(), 0.004);
    QCOMPARE(ui::RandomSeed(), 1u);
  }

  void seedComesFromTheClock() {
    ui::SetClock([] { return QTime(12, 34, 56, 789); });
    ui::SeedRandom();
    // ((12*60+34)*60+56)*1000+789
    QCOMPARE(ui::RandomSeed(), 45296789u);
    // 45296789*134775813+1 mod 2^32 = 2099557098; 9*2099557098 div 2^32 = 4
    QCOMPARE(ui::RandomBelow(9), 4);

    ui::SetClock([] { return QTime(23, 59, 59, 999); });
    ui::SeedRandom();
    QCOMPARE(ui::RandomSeed(), 86399999u);

    // Without a test clock the seed is the UTC time of day in milliseconds.
    ui::SetClock(nullptr);
    ui::SeedRandom();
    QVERIFY(ui::RandomSeed() < 86400000u);
  }

  void textToIntAcceptsOnlyWholeNumbers() {
    QCOMPARE(ui::TextToInt(QStringLiteral("0")), 0);
    QCOMPARE(ui::TextToInt(QStringLiteral("99")), 99);
    QCOMPARE(ui::TextToInt(QStringLiteral("-12")), -12);
    QCOMPARE(ui::TextToInt(QStringLiteral(" 7 ")), 7);
    QCOMPARE(ui::TextToInt(QStringLiteral("2147483647")), 2147483647);
    for (const char* bad : {"", " ", "abc", "1.5", "12a", "+", "--1", "2147483648", "１２"}) {
      try {
        ui::TextToInt(QString::fromUtf8(bad));
        QFAIL(bad);
      } catch (const ui::HandlerError& e) {
        QCOMPARE(e.message(),
                 QStringLiteral("'%1' は整数ではありません").arg(QString::fromUtf8(bad)));
      }
    }
    QCOMPARE(ui::IntToText(-40), QStringLiteral("-40"));
  }

  void failingHandlerShowsTheBoxAndTheLoopGoesOn() {
    const int before = ui::ErrorCount();
    bool after = false;
    ui::RunHandler([&] {
      ui::TextToInt(QStringLiteral("x"));
      after = true;  // never reached: the failure ends the handler
    });
    QVERIFY(!after);
    QCOMPARE(ui::ErrorCount(), before + 1);
    QMessageBox* box = ui::ErrorBox();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(box->text(), QStringLiteral("'x' は整数ではありません"));
    QCOMPARE(box->windowModality(), Qt::ApplicationModal);

    // No nested event loop: we got here, and timers still fire while the
    // box is up.
    bool fired = false;
    QTimer::singleShot(1, [&] { fired = true; });
    QTRY_VERIFY(fired);

    // A second failure reuses the one box.
    ui::RunHandler([] { ui::TextToInt(QStringLiteral("")); });
    QCOMPARE(ui::ErrorBox(), box);
    QCOMPARE(box->text(), QStringLiteral("'' は整数ではありません"));
    box->accept();
  }

  void intervalRestartsOnlyWhenChanged() {
    ui::SetTimersRunning(true);
    ui::Timer timer(nullptr, "Timer1", 1000);
    QVERIFY(timer.isActive());
    QCOMPARE(timer.timerType(), Qt::PreciseTimer);
    // A tenth of the period gone; a restart would put it back, so the checks
    // below hold however slowly the machine runs.
    QTRY_VERIFY_WITH_TIMEOUT(timer.remainingTime() <= 900, 5000);
    timer.SetInterval(1000);
    QVERIFY(timer.remainingTime() <= 900);  // same value: the countdown runs on
    timer.SetInterval(5000);
    QVERIFY(timer.remainingTime() > 1000);  // another value: a new period
    QCOMPARE(timer.Interval(), 5000);

    ui::SetTimersRunning(false);
    ui::Timer quiet(nullptr, "Timer2", 40);
    QVERIFY(!quiet.isActive());
  }

  void keyPreviewSeesEachCharacterOnceBeforeTheControl() {
    PreviewForm form(true);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // A button ignores digits, so Qt passes the key on to the form: the
    // preview must still count it once.
    QTest::keyClick(form.button, Qt::Key_1, Qt::NoModifier);
    QCOMPARE(form.seen, QStringLiteral("1"));

    // The edit takes the digit as well.
    form.edit->setFocus();
    QTest::keyClicks(form.edit, QStringLiteral("23"));
    QCOMPARE(form.seen, QStringLiteral("123"));
    QCOMPARE(form.edit->text(), QStringLiteral("23"));

    // Keys that type nothing are not characters.
    QTest::keyClick(form.button, Qt::Key_Left);
    QTest::keyClick(&form, Qt::Key_Shift);
    QCOMPARE(form.seen, QStringLiteral("123"));

    // Through the window, as the platform delivers it, to the focused edit.
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.edit->setFocus();
    QTest::keyClick(form.windowHandle(), Qt::Key_Period, Qt::NoModifier);
    QCOMPARE(form.seen, QStringLiteral("123."));
    QCOMPARE(form.edit->text(), QStringLiteral("23."));

    PreviewForm plain(false);
    QTest::keyClick(plain.button, Qt::Key_4);
    QVERIFY(plain.seen.isEmpty());
  }

  void picturesAreCopiedAndDrawn() {
    QImage sheet(8, 8, QImage::Format_RGB32);
    sheet.fill(Qt::red);
    sheet.setPixel(2, 3, qRgb(0, 0, 255));

    ui::Image image(nullptr, "Image1", false);
    image.resize(4, 4);
    QImage& canvas = image.Canvas();  // white, the control's size
    QCOMPARE(canvas.size(), QSize(4, 4));
    QCOMPARE(canvas.pixel(3, 3), qRgb(255, 255, 255));
    // Right and bottom are exclusive; what falls outside the bitmap is lost.
    ui::CopyArea(canvas, {0, 0, 3, 3}, sheet, {1, 1, 4, 4});
    QCOMPARE(canvas.pixel(1, 2), qRgb(0, 0, 255));
    QCOMPARE(canvas.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(canvas.pixel(3, 3), qRgb(255, 255, 255));

    ui::Image copy(nullptr, "Image2", false);
    copy.SetPicture(image.Picture());
    image.Canvas().fill(Qt::black);
    QCOMPARE(copy.Picture().pixel(1, 2), qRgb(0, 0, 255));  // a copy, not shared

    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(Qt::green);
    QVERIFY(!ui::DrawPicture(target, 0, 0, QImage()));
    QVERIFY(ui::DrawPicture(target, 6, 6, sheet));
    QCOMPARE(target.pixel(8, 9), qRgb(0, 0, 255));
    QCOMPARE(target.pixel(5, 5), QColor(Qt::green).rgb());
  }

  void pointsConvertAtNinetySixDpi() {
    QCOMPARE(ui::PointsToPixels(28), 37);
    QCOMPARE(ui::PointsToPixels(26), 35);
    QCOMPARE(ui::PointsToPixels(18), 24);
    QCOMPARE(ui::PointsToPixels(12), 16);
    QCOMPARE(ui::PointsToPixels(10), 13);
    for (int pt : {10, 12, 18, 26, 28}) QCOMPARE(ui::PixelsToPoints(ui::PointsToPixels(pt)), pt);
  }
};

PORONKA_TEST_MAIN(LayerTest)
#include "test_layer.moc"

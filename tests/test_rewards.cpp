// The reward screens: the badge's stay, the buttons and frames of the fifty
// and hundred screens, which of them pass keys on to the drill, and the
// captions the judge writes at the milestones.
#include <QEventLoop>

#include "app/backdrop.h"
#include "drill/drill_screen.h"
#include "rewards/badge.h"
#include "rewards/fifty_screen.h"
#include "rewards/hundred_screen.h"
#include "tests/fixture.h"

namespace {

// A right answer to the problem on the board, judged as the chalk would.
void answerRight() {
  PORONKA->CorrectSum = 13;
  PORONKA->TypedAnswer = 13;
  fixture::Dispatch([] { PORONKA->Button12Click(); });
}

}  // namespace

class RewardsTest : public fixture::Suite {
  Q_OBJECT

 private Q_SLOTS:
  void badgeStaysEightTicksFromItsFirstShowing() {
    auto tick = [] { Form4->Timer1Timer(); };
    // Ticks while it is hidden count nothing.
    for (int i = 0; i < 20; ++i) tick();
    QCOMPARE(Form4->StreakScreenTicks, 0);

    ui::SetVisible(Form4, true);
    for (int i = 1; i <= 7; ++i) tick();
    QVERIFY(Form4->isVisible());
    QCOMPARE(Form4->StreakScreenTicks, 7);
    tick();
    QVERIFY(!Form4->isVisible());
    QCOMPARE(Form4->StreakScreenTicks, 0);

    // Shown again while up: it still goes at the 8th tick of the first showing.
    ui::SetVisible(Form4, true);
    for (int i = 0; i < 3; ++i) tick();
    Form4->Label2->SetCaption(QStringLiteral("20だいつづけて"));
    ui::SetVisible(Form4, true);
    for (int i = 0; i < 4; ++i) tick();
    QVERIFY(Form4->isVisible());
    tick();
    QVERIFY(!Form4->isVisible());

    // The next showing has its full stay again.
    ui::SetVisible(Form4, true);
    for (int i = 0; i < 7; ++i) tick();
    QVERIFY(Form4->isVisible());
  }

  void rosetteFillsTheBadgeWithTheLinesInsideItsOval() {
    const QImage& rosette = Form4->Image1->Picture();
    QVERIFY(!rosette.isNull());
    QCOMPARE(rosette.size(), QSize(161, 169));
    QCOMPARE(Form4->Image1->geometry(), QRect(8, 8, 161, 169));
    // The screen's pink shows at the corners.
    QCOMPARE(qAlpha(rosette.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(rosette.pixel(160, 168)), 0);
    // Every corner of every line lies on the white centre.
    for (const ui::Label* line : {Form4->Label1, Form4->Label2, Form4->Label3}) {
      const QRect r = line->geometry().translated(-Form4->Image1->pos());
      for (const QPoint p : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        QVERIFY2(
            rosette.pixelColor(p) == Qt::white,
            qPrintable(line->objectName() + QStringLiteral(" at %1,%2").arg(p.x()).arg(p.y())));
    }
  }

  void buttonsAndFramesOnlyHideTheSecondaryScreens() {
    PORONKA->show();
    ui::SetVisible(Form3, true);
    QTest::mouseClick(Form3->BitBtn1, Qt::LeftButton);
    QVERIFY(!Form3->isVisible());

    QVERIFY(Form5->isVisible());  // since creation
    QTest::mouseClick(Form5->Button1, Qt::LeftButton);
    QVERIFY(!Form5->isVisible());

    // The frames' close buttons hide the screen and leave the program running:
    // the loop ends by the watchdog's code, not by an exit.
    ui::SetVisible(Form3, true);
    ui::SetVisible(Form5, true);
    QEventLoop loop;
    QTimer::singleShot(0, [] {
      Form3->close();
      Form5->close();
    });
    QTimer::singleShot(0, &loop, [&] { loop.exit(7); });
    QCOMPARE(loop.exec(), 7);
    QVERIFY(!Form3->isVisible());
    QVERIFY(!Form5->isVisible());
    QVERIFY(PORONKA->isVisible());
  }

  void onlyTheBadgePassesKeysToTheDrill() {
    ui::SetVisible(Form3, true);
    QTest::keyClick(Form3, Qt::Key_5, Qt::NoModifier);
    QTest::keyClick(Form3->BitBtn1, Qt::Key_5, Qt::NoModifier);
    QTest::keyClick(Form5, Qt::Key_7, Qt::NoModifier);
    QTest::keyClick(Form5->Button1, Qt::Key_7, Qt::NoModifier);
    QCOMPARE(PORONKA->TypedAnswer, 0);
    QCOMPARE(PORONKA->WritingMode, 0);

    ui::SetVisible(Form4, true);
    QTest::keyClick(Form4, Qt::Key_1, Qt::NoModifier);
    QTest::keyClick(Form4, Qt::Key_3, Qt::NoModifier);
    QCOMPARE(PORONKA->TypedAnswer, 13);
    QCOMPARE(PORONKA->WritingMode, 3);
    QTest::keyClick(Form4, Qt::Key_Period, Qt::NoModifier);
    QCOMPARE(PORONKA->TypedAnswer, 0);
  }

  void milestonesWriteTheCaptionsAndBringTheScreens() {
    // A run of 50: the fifty screen, and no badge.
    PORONKA->CorrectStreak = 49;
    answerRight();
    QCOMPARE(Form3->Label1->text(), QStringLiteral("50だい れんぞく"));
    QVERIFY(Form3->isVisible());
    QVERIFY(!Form4->isVisible());

    // A run of 60: the badge with its middle line.
    PORONKA->CorrectStreak = 59;
    answerRight();
    QCOMPARE(Form4->Label2->text(), QStringLiteral("60だいつづけて"));
    QVERIFY(Form4->isVisible());
    // The line keeps its left and top and stays inside the badge.
    QCOMPARE(Form4->Label2->pos(), QPoint(24, 64));

    // A run of 100 while the fifty screen is still up rewrites it.
    PORONKA->CorrectStreak = 99;
    answerRight();
    QCOMPARE(Form3->Label1->text(), QStringLiteral("100だい れんぞく"));
    QVERIFY(Form3->isVisible());

    // The hundredth sum solved: the screen that stood behind the backdrop.
    PORONKA->Edit2->setText(QStringLiteral("99"));
    answerRight();
    QCOMPARE(Form5->Label2->text(), QStringLiteral("100だいもできてりっぱだよ"));
    QVERIFY(Form5->isVisible());
  }

  // Last: once the program has been told to end, no later event loop runs.
  void moreIsEnoughEndsTheProgram() {
    fixture::RunStartUp();
    QCOMPARE(fixture::ExitCodeAfter([] { QTest::mouseClick(Form5->Button2, Qt::LeftButton); }), 0);
    for (QWidget* w : QApplication::topLevelWidgets())
      QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
  }
};

PORONKA_TEST_MAIN(RewardsTest)
#include "test_rewards.moc"

// The chalk: five strokes per digit, the shared tick count, and the judge
// inside the fifth tick.
#include "drill/drill_screen.h"
#include "fixture.h"

namespace {

void Tick() { fixture::Dispatch([] { PORONKA->Timer3Timer(); }); }

// Puts up 8 + 5.
void Problem() {
  PORONKA->Button13Click();
  PORONKA->Label1->SetCaption(QStringLiteral("8"));
  PORONKA->Label3->SetCaption(QStringLiteral("5"));
  PORONKA->CorrectSum = 13;
}

}  // namespace

class WritingAnimationTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init() {
    fixture::CreateQuietScreens();
    Problem();
  }
  void cleanup() { DestroyScreens(); }

  void eachDigitIsWrittenInFiveStrokes() {
    auto* p = PORONKA;
    for (int i = 0; i < 7; ++i) Tick();  // nothing typed: nothing moves
    QCOMPARE(p->Image2->pos(), QPoint(192, 48));
    QCOMPARE(p->WritingTick, 0);

    const QList<QPoint> first{{193, 30}, {209, 33}, {198, 40}, {206, 46}, {200, 48}};
    const QList<QPoint> second{{216, 30}, {233, 33}, {222, 40}, {231, 46}, {224, 48}};
    p->DigitAction(1);
    for (int t = 0; t < 5; ++t) {
      QCOMPARE(p->Label5->text(), QString());  // written only at the end
      Tick();
      QCOMPARE(p->Image2->pos(), first[t]);
    }
    QCOMPARE(p->Label5->text(), QStringLiteral("1"));
    QVERIFY(p->Image2->isHidden() && !p->Image3->isHidden() && p->Image40->isHidden());
    QCOMPARE(p->WritingMode, 0);

    p->DigitAction(3);
    for (int t = 0; t < 5; ++t) {
      Tick();
      QCOMPARE(p->Image3->pos(), second[t]);
    }
    QVERIFY(!p->Label6->isHidden());
    QCOMPARE(p->CorrectStreak, 1);
    QVERIFY(p->Image2->isHidden() && p->Image3->isHidden() && !p->Image40->isHidden());
  }

  void aSecondDigitDuringTheFirstSharesItsTicks() {
    auto* p = PORONKA;
    p->DigitAction(1);
    Tick();
    Tick();
    p->DigitAction(3);
    QCOMPARE(p->WritingMode, 3);
    QCOMPARE(p->WritingTick, 2);
    Tick();
    Tick();
    QVERIFY(p->Label6->isHidden());
    QVERIFY(p->Image3->isHidden());  // moved, never shown
    QCOMPARE(p->Image3->pos(), QPoint(231, 46));
    Tick();
    QCOMPARE(p->CorrectStreak, 1);
    QCOMPARE(p->Label5->text(), QStringLiteral("13"));
    for (int i = 0; i < 10; ++i) Tick();
    QCOMPARE(p->CorrectStreak, 1);  // one judgement only
  }

  void threeQuickDigitsShowTheLastOneUnjudged() {
    auto* p = PORONKA;
    const int beeps = ui::BeepCount();
    p->DigitAction(1);
    Tick();
    p->DigitAction(2);
    Tick();
    p->DigitAction(3);
    QCOMPARE(p->WritingMode, 3);
    for (int i = 0; i < 3; ++i) Tick();
    QCOMPARE(p->Label5->text(), QStringLiteral("3"));
    QCOMPARE(p->TypedAnswer, 3);
    QCOMPARE(ui::BeepCount(), beeps);
    QVERIFY(p->Label6->isHidden() && p->Label7->isHidden());
  }
};

PORONKA_TEST_MAIN(WritingAnimationTest)
#include "test_writing_animation.moc"

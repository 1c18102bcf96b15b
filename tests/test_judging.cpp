// The judge, the hints, the scores, the automatic next problem, milestones,
// a reset, and Edit2 holding something that is not a number.
#include <QMessageBox>

#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "rewards/badge.h"
#include "rewards/fifty_screen.h"
#include "rewards/greeting.h"
#include "rewards/hundred_screen.h"
#include "tests/fixture.h"

namespace {

using fixture::Answer;
using fixture::PutUpEightPlusFive;
using fixture::Shown;

// A right answer stays typed: "けす" first.
void Again(int number) {
  PORONKA->BitBtn1Click();
  Answer(number);
}

void Ticks(void (TPORONKA::*timer)(), int n) { fixture::Ticks(PORONKA, timer, n); }

}  // namespace

class JudgingTest : public fixture::Suite {
  Q_OBJECT
 private Q_SLOTS:
  void init() {
    Suite::init();
    PutUpEightPlusFive();
  }

  void rightAnswerCountsAndCanBeJudgedAgain() {
    auto* p = PORONKA;
    const int beeps = ui::BeepCount();
    Answer(1);
    QVERIFY(!Shown(p->Label6) && !Shown(p->Label7) && !Shown(p->Image1));
    Answer(3);
    QVERIFY(Shown(p->Label6) && Shown(p->Image1));
    QCOMPARE(p->Edit1->text(), QStringLiteral("1"));
    QCOMPARE(p->Edit2->text(), QStringLiteral("1"));
    Answer(1);  // 131: only its last digit is shown
    QCOMPARE(p->Label5->text(), QStringLiteral("1"));
    Answer(3);
    QCOMPARE(p->CorrectStreak, 2);
    QCOMPARE(p->Edit2->text(), QStringLiteral("2"));
    QCOMPARE(ui::BeepCount(), beeps);
  }

  void wrongAnswersClimbTheLadderAndGiveHints() {
    auto* p = PORONKA;
    p->CorrectStreak = 7;
    const int beeps = ui::BeepCount();
    Answer(12);
    QCOMPARE(p->TypedAnswer, 1000);
    QCOMPARE(p->Label5->text(), QStringLiteral("12"));
    QCOMPARE(p->CorrectStreak, 0);
    QVERIFY(Shown(p->Label7) && !Shown(p->Label8) && !Shown(p->Label9));
    QVERIFY(Shown(Form2) && Shown(p->Image4) && Shown(p->Image5));
    QCOMPARE(p->Label1->FontSize(), 26);
    QCOMPARE(Form6->Timer1->Interval(), 130);  // first hint only
    Answer(14);
    QVERIFY(!Shown(p->Label7) && Shown(p->Label8) && !Shown(p->Label9));
    QCOMPARE(Form6->Timer1->Interval(), 800);
    Answer(15);
    Answer(16);
    QVERIFY(!Shown(p->Label7) && !Shown(p->Label8) && Shown(p->Label9));
    QCOMPARE(ui::BeepCount(), beeps + 4);
    Answer(13);
    QVERIFY(Shown(p->Label6) && !Shown(p->Label9));
    QCOMPARE(p->Edit2->text(), QStringLiteral("0"));  // not at the first try
  }

  void hintsKeepTheFirstTryAndCancelTheNextProblem() {
    auto* p = PORONKA;
    p->Button15->click();
    QVERIFY(Shown(Form2) && Shown(p->Image4));
    p->Button17->click();
    QCOMPARE(Form6->Timer1->Interval(), 800);
    Answer(13);
    QCOMPARE(p->Edit2->text(), QStringLiteral("1"));
    const std::int32_t asked = p->ProblemsAsked;
    p->Button15->click();  // within 1.2 s of the right answer
    Ticks(&TPORONKA::Timer2Timer, 40);
    QCOMPARE(p->ProblemsAsked, asked);
    QVERIFY(Shown(p->Image1));
  }

  void nextProblemComesOnceAfterEachRightAnswer() {
    auto* p = PORONKA;
    Answer(13);
    const std::int32_t asked = p->ProblemsAsked;
    Ticks(&TPORONKA::Timer2Timer, 11);
    QCOMPARE(p->ProblemsAsked, asked);
    Ticks(&TPORONKA::Timer2Timer, 1);
    QCOMPARE(p->ProblemsAsked, asked + 1);
    // A digit on the new problem while the praise picture is still up: it
    // stays on the board, and no other problem replaces this one.
    Ticks(&TPORONKA::Timer2Timer, 3);
    Answer(1);
    Ticks(&TPORONKA::Timer2Timer, 4);
    QVERIFY(Shown(p->Image1));
    Ticks(&TPORONKA::Timer2Timer, 1);  // 2.0 s after the right answer
    QVERIFY(!Shown(p->Image1));
    Ticks(&TPORONKA::Timer2Timer, 40);
    QCOMPARE(p->ProblemsAsked, asked + 1);
    QCOMPARE(p->Label5->text(), QStringLiteral("1"));
    QCOMPARE(p->TypedAnswer, 1);

    // Typing on the solved problem puts the next one off.
    p->BitBtn1Click();
    PutUpEightPlusFive();
    Answer(13);
    Ticks(&TPORONKA::Timer2Timer, 5);
    Answer(1);
    Ticks(&TPORONKA::Timer2Timer, 11);
    QCOMPARE(p->ProblemsAsked, asked + 2);
    Ticks(&TPORONKA::Timer2Timer, 1);
    QCOMPARE(p->ProblemsAsked, asked + 3);

    // The new problem answered right before the praise has gone: one more
    // problem, 1.2 s after this answer, and its own 2.0 s of praise.
    Ticks(&TPORONKA::Timer2Timer, 2);
    Answer(p->CorrectSum);
    QVERIFY(Shown(p->Label6));
    Ticks(&TPORONKA::Timer2Timer, 11);
    QCOMPARE(p->ProblemsAsked, asked + 3);
    Ticks(&TPORONKA::Timer2Timer, 1);
    QCOMPARE(p->ProblemsAsked, asked + 4);
    Ticks(&TPORONKA::Timer2Timer, 7);
    QVERIFY(Shown(p->Image1));
    Ticks(&TPORONKA::Timer2Timer, 1);
    QVERIFY(!Shown(p->Image1));
    Ticks(&TPORONKA::Timer2Timer, 40);
    QCOMPARE(p->ProblemsAsked, asked + 4);
  }

  void buttonModePraiseGoesAfterTwentyTicks() {
    auto* p = PORONKA;
    p->RadioGroup1->SetItemIndex(1);
    Answer(13);
    QCOMPARE(p->AutoNextPending, 0);
    Ticks(&TPORONKA::Timer4Timer, 19);
    QVERIFY(Shown(p->Image1));
    Ticks(&TPORONKA::Timer4Timer, 1);
    QVERIFY(!Shown(p->Image1));
    // A count left from a picture that a wrong answer hid shortens the next.
    Again(13);
    Ticks(&TPORONKA::Timer4Timer, 5);
    Again(12);
    Ticks(&TPORONKA::Timer4Timer, 10);  // not counted while hidden
    Answer(13);
    Ticks(&TPORONKA::Timer4Timer, 14);
    QVERIFY(Shown(p->Image1));
    Ticks(&TPORONKA::Timer4Timer, 1);
    QVERIFY(!Shown(p->Image1));
  }

  void milestonesBringUpTheRewardScreens() {
    auto* p = PORONKA;
    ui::SetVisible(Form5, false);
    const auto run = [p](std::int32_t before) {
      ui::SetVisible(Form3, false);
      ui::SetVisible(Form4, false);
      p->CorrectStreak = before;
      Again(13);
    };
    run(9);
    QVERIFY(Shown(Form4) && !Shown(Form3));
    QCOMPARE(Form4->Label2->text(), QStringLiteral("10だいつづけて"));
    run(49);
    QVERIFY(Shown(Form3) && !Shown(Form4));
    QCOMPARE(Form3->Label1->text(), QStringLiteral("50だい れんぞく"));
    run(59);
    QCOMPARE(Form4->Label2->text(), QStringLiteral("60だいつづけて"));
    run(99);
    QVERIFY(Shown(Form3) && !Shown(Form4) && !Shown(Form5));
    QCOMPARE(Form3->Label1->text(), QStringLiteral("100だい れんぞく"));

    // At 99 also an answer after a wrong one brings it; the count stays.
    p->WrongTries = 1;
    p->FirstTryCount = 99;
    p->Edit2->setText(QStringLiteral("99"));
    Again(13);
    QVERIFY(Shown(Form5));
    QCOMPARE(Form5->Label2->text(), QStringLiteral("100だいもできてりっぱだよ"));
    QCOMPARE(p->Edit2->text(), QStringLiteral("99"));
    // Whatever the child types into Edit2: no overflow, no false screen.
    ui::SetVisible(Form5, false);
    for (const char* text : {"-1", "1", "2147483647", " +199 "}) {
      QVERIFY(!Shown(Form5));
      p->Edit2->setText(QString::fromLatin1(text));
      Again(13);
    }
    QVERIFY(Shown(Form5));
    QCOMPARE(Form5->Label2->text(), QStringLiteral("200だいもできてりっぱだよ"));
  }

  void edit2NotANumberCutsTheRightAnswerShort() {
    auto* p = PORONKA;
    const int errors = ui::ErrorCount();
    p->Edit2->setText(QString());
    Answer(12);
    Answer(4);
    QCOMPARE(ui::ErrorCount(), errors);  // wrong and one-digit answers read nothing
    PutUpEightPlusFive();
    p->CorrectStreak = 49;
    Answer(13);
    QCOMPARE(ui::ErrorCount(), errors + 1);
    QCOMPARE(ui::ErrorBox()->text(), QStringLiteral("'' は整数ではありません"));
    QCOMPARE(p->CorrectStreak, 50);
    QVERIFY(Shown(Form3) && !Shown(p->Label6) && !Shown(p->Image1));
    QCOMPARE(p->AutoNextPending, 0);
    QCOMPARE(p->FirstTryCount, 0);
    QVERIFY(Shown(p->Image3) && !Shown(p->Image40));  // the chalk's last step cut short
    QCOMPARE(p->WritingMode, 0);
    p->Edit2->setText(QStringLiteral("1.5"));
    Again(13);
    QCOMPARE(ui::ErrorBox()->text(), QStringLiteral("'1.5' は整数ではありません"));
    p->Edit2->setText(QStringLiteral("5"));
    Again(13);
    QCOMPARE(ui::ErrorCount(), errors + 2);
    QVERIFY(Shown(p->Label6));
    QCOMPARE(p->Edit2->text(), QStringLiteral("1"));
  }

  void resetClearsTheCountsAndBlanksTheBoard() {
    auto* p = PORONKA;
    p->Button15->click();
    Answer(13);
    QCOMPARE(p->Edit2->text(), QStringLiteral("1"));
    p->Button18Click();
    QCOMPARE(p->Edit1->text(), QStringLiteral("0"));
    QCOMPARE(p->Edit2->text(), QStringLiteral("0"));
    QVERIFY(!Shown(p->Label1) && !Shown(p->Label5) && !Shown(p->Label6) && !Shown(Form2));
    QCOMPARE(p->CorrectStreak, 1);
    PutUpEightPlusFive();
    Answer(13);
    QCOMPARE(p->Edit1->text(), QStringLiteral("1"));
  }
};

PORONKA_TEST_MAIN(JudgingTest)
#include "test_judging.moc"

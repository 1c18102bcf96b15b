// New problems: carrying sums only, the memory of recent problems, and what a
// new problem puts on the board and clears.
#include <QSet>

#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "tests/fixture.h"

namespace {

// A clock that moves on by a millisecond at every reading, so that problems
// are seeded differently.
void TickingClock() {
  static int ms = 0;
  ms = 0;
  ui::SetClock([] {
    ++ms;
    return QTime::fromMSecsSinceStartOfDay(ms % 86400000);
  });
}

int Key() { return PORONKA->Label1->text().toInt() * 10 + PORONKA->Label3->text().toInt(); }

}  // namespace

class ProblemsTest : public fixture::Suite {
  Q_OBJECT

 private Q_SLOTS:
  void everyProblemCarries() {
    TickingClock();
    QSet<int> seen;
    for (int i = 0; i < 600; ++i) {
      PORONKA->Button13Click();
      const int first = PORONKA->Label1->text().toInt();
      const int second = PORONKA->Label3->text().toInt();
      QVERIFY(first >= 1 && first <= 9);
      QVERIFY(second >= 1 && second <= 9);
      QVERIFY(first + second >= 10);
      QCOMPARE(PORONKA->CorrectSum, first + second);
      seen.insert(Key());
    }
    QCOMPARE(seen.size(), 45);  // every one of the 45 problems comes up
  }

  void drawIsWorkedOutFromTheClock() {
    // Midnight seeds 0: the seed steps to 1, 9*1 div 2^32 = 0, so the first
    // addend is 1; then 134775814, 1*134775814 div 2^32 = 0, so the second
    // is 0 + 10 - 1 = 9.
    ui::SetClock([] { return QTime(0, 0); });
    PORONKA->Button13Click();
    QCOMPARE(PORONKA->Label1->text(), QStringLiteral("1"));
    QCOMPARE(PORONKA->Label3->text(), QStringLiteral("9"));
    // The same clock draws 1 + 9 again, which is recent: the draw goes on.
    PORONKA->Button13Click();
    QVERIFY(Key() != 19);
  }

  void recentProblemsAreNotRepeated() {
    TickingClock();
    QList<int> keys;
    for (int i = 0; i < 44 + 43 * 8; ++i) {
      PORONKA->Button13Click();
      keys << Key();
    }
    // The first 44 are all different; the list is emptied after the 44th.
    QCOMPARE(QSet<int>(keys.begin(), keys.begin() + 44).size(), 44);
    // Then cycles of 43 that leave slot 1 empty.
    for (int cycle = 0; cycle < 8; ++cycle) {
      const auto from = keys.begin() + 44 + 43 * cycle;
      QCOMPARE(QSet<int>(from, from + 43).size(), 43);
    }
    QCOMPARE(PORONKA->HistoryCount, 1);
    QCOMPARE(PORONKA->RecentProblems[1], 0);
    PORONKA->Button13Click();
    QCOMPARE(PORONKA->HistoryCount, 2);
    QCOMPARE(PORONKA->RecentProblems[1], 0);
    QCOMPARE(PORONKA->RecentProblems[2], Key());
  }

  void newProblemClearsTheBoard() {
    TickingClock();
    PORONKA->Button13Click();
    QCOMPARE(PORONKA->Edit1->text(), QStringLiteral("0"));  // problems before this one
    QCOMPARE(PORONKA->ProblemsAsked, 1);

    // Leave traces of an answer, a hint and feedback.
    PORONKA->Label5->SetCaption(QStringLiteral("12"));
    PORONKA->Label7->show();
    PORONKA->Label6->show();
    PORONKA->Image4->show();
    PORONKA->Image5->show();
    PORONKA->Image40->show();
    PORONKA->Image2->hide();
    PORONKA->Label1->SetFontSize(26);
    PORONKA->WrongTries = 3;
    PORONKA->TypedAnswer = 1000;
    PORONKA->CorrectStreak = 7;
    PORONKA->FirstTryCount = 4;
    ui::SetVisible(Form2, true);

    PORONKA->Button13Click();  // before answering: replaced, and counted
    QCOMPARE(PORONKA->Edit1->text(), QStringLiteral("1"));
    QCOMPARE(PORONKA->ProblemsAsked, 2);
    QCOMPARE(PORONKA->Label5->text(), QString());
    QVERIFY(fixture::Shown(PORONKA->Label5));
    for (ui::Label* l : {PORONKA->Label6, PORONKA->Label7, PORONKA->Label8, PORONKA->Label9})
      QVERIFY(!fixture::Shown(l));
    for (ui::Label* l : {PORONKA->Label1, PORONKA->Label2, PORONKA->Label3, PORONKA->Label4})
      QVERIFY(fixture::Shown(l));
    QCOMPARE(PORONKA->Label2->text(), QStringLiteral("＋"));
    QCOMPARE(PORONKA->Label4->text(), QStringLiteral("＝"));
    QVERIFY(!fixture::Shown(PORONKA->Image4));
    QVERIFY(!fixture::Shown(PORONKA->Image5));
    QVERIFY(fixture::Shown(PORONKA->Image2));
    QVERIFY(!fixture::Shown(PORONKA->Image40));
    QVERIFY(!Form2->isVisible());
    QCOMPARE(PORONKA->Label1->font().pixelSize(), 37);  // 28 points
    QCOMPARE(PORONKA->Label3->font().pixelSize(), 37);
    QCOMPARE(PORONKA->WrongTries, 0);
    QCOMPARE(PORONKA->TypedAnswer, 0);
    // Streak, first-try count and the praise picture are not the problem's.
    QCOMPARE(PORONKA->CorrectStreak, 7);
    QCOMPARE(PORONKA->FirstTryCount, 4);

    // The problem button does the same.
    QTest::mouseClick(PORONKA->Button13, Qt::LeftButton);
    QCOMPARE(PORONKA->Edit1->text(), QStringLiteral("2"));
  }
};

PORONKA_TEST_MAIN(ProblemsTest)
#include "test_problems.moc"

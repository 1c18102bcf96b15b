// The making-ten animation, tick by tick: which counter image goes and which
// comes at every tick of the kitten window's Timer1.
#include <QtTest>

#include <set>

#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "fixture.h"
#include "rewards/greeting.h"

namespace {

std::set<int> ShownCounters() {
  std::set<int> shown;
  for (int n = 1; n <= 59; ++n)
    if (n != 50 && fixture::Shown(Form2->Img(n))) shown.insert(n);
  return shown;
}

// One tick, told as the images it hid and showed: "-16 +45".
QString Tick() {
  const std::set<int> before = ShownCounters();
  Form6->Timer1Timer();
  const std::set<int> after = ShownCounters();
  QStringList change;
  for (int n : before)
    if (!after.count(n)) change << QStringLiteral("-%1").arg(n);
  for (int n : after)
    if (!before.count(n)) change << QStringLiteral("+%1").arg(n);
  return change.join(QLatin1Char(' '));
}

// Ticks until the animation ends (at most `limit`); the number of ticks.
int RunToEnd(int limit = 100) {
  int ticks = 0;
  while (Form6->AnimationMode != 0 && ticks < limit) {
    Form6->Timer1Timer();
    ++ticks;
  }
  return ticks;
}

// As the second hint does it: 800 ms to the first step, arrange, ask.
void SecondHint(const char* first, const char* second) {
  PORONKA->Label1->SetCaption(QString::fromLatin1(first));
  PORONKA->Label3->SetCaption(QString::fromLatin1(second));
  Form6->Timer1->SetInterval(800);
  PORONKA->Button14Click();
  PORONKA->Button16Click();
}

std::set<int> Range(int from, int to) {
  std::set<int> r;
  for (int n = from; n <= to; ++n) r.insert(n);
  return r;
}

std::set<int> operator+(std::set<int> a, const std::set<int>& b) {
  a.insert(b.begin(), b.end());
  return a;
}

}  // namespace

class TestMakingTen : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init() { fixture::CreateQuietScreens(); }
  void cleanup() { DestroyScreens(); }

  void eightPlusFive() {
    SecondHint("8", "5");
    QCOMPARE(Form6->Timer1->Interval(), 800);
    const char* steps[] = {"-16 +45", "-45 +15", "-15 +44", "-44 +14", "-14 +43",
                           "-43 +22", "-17 +46", "-46 +16", "-16 +45", "-45 +15",
                           "-15 +44", "-44 +14", "-14 +43", "-43 +13", "-13 +42",
                           "-42 +21"};
    for (int tick = 1; tick <= 16; ++tick) {
      QCOMPARE(Tick(), QString::fromLatin1(steps[tick - 1]));
      QCOMPARE(Form6->Timer1->Interval(), tick == 6 ? 700 : 80);
      QCOMPARE(Form6->AnimationMode, tick == 16 ? 0 : 1);
    }
    QCOMPARE(Form6->TargetStackHeight, 10);
    QCOMPARE(ShownCounters(), Range(3, 10) + Range(21, 22) + Range(18, 20));
    // Idle ticks change nothing on screen.
    for (int i = 0; i < 5; ++i) QCOMPARE(Tick(), QString());
    QCOMPARE(Form6->Timer1->Interval(), 80);
  }

  void equalAddendsCrossAtOnce() {
    SecondHint("5", "5");
    QCOMPARE(Tick(), QStringLiteral("-16 +25"));  // no rise first
    QCOMPARE(Form6->Timer1->Interval(), 700);
    QCOMPARE(RunToEnd() + 1, 1 + 4 + 8 + 12 + 16);
    QCOMPARE(ShownCounters(), Range(6, 10) + Range(21, 25));

    SecondHint("9", "9");
    QCOMPARE(Tick(), QStringLiteral("-12 +21"));
    QCOMPARE(Form6->AnimationMode, 0);
    QCOMPARE(Form6->Timer1->Interval(), 80);
    QCOMPARE(ShownCounters(), Range(2, 10) + Range(13, 20) + Range(21, 21));
  }

  void lowestCounterClimbsAllTheWay() {
    SecondHint("9", "1");
    for (int tick = 1; tick <= 15; ++tick) Form6->Timer1Timer();
    QCOMPARE(ShownCounters(), Range(2, 10) + Range(42, 42));
    QCOMPARE(Tick(), QStringLiteral("-42 +21"));
    QCOMPARE(Form6->AnimationMode, 0);

    SecondHint("4", "9");  // blue moves right
    QCOMPARE(Form6->AnimationMode, 2);
    QCOMPARE(Tick(), QStringLiteral("-7 +56"));
    QCOMPARE(RunToEnd(), 9);
    QCOMPARE(ShownCounters(), Range(8, 10) + Range(12, 20) + Range(31, 31));

    SecondHint("6", "7");
    QCOMPARE(RunToEnd(), 2 + 6 + 10);  // from levels 6, 5 and 4
    QCOMPARE(ShownCounters(), Range(8, 10) + Range(14, 20) + Range(31, 33));
  }

  // A new problem neither stops nor restarts the animation; a new start does.
  void runsOnAcrossNewProblems() {
    SecondHint("8", "5");
    for (int tick = 1; tick <= 3; ++tick) Form6->Timer1Timer();
    PORONKA->Label1->SetCaption(QStringLiteral("7"));
    PORONKA->Label3->SetCaption(QStringLiteral("4"));
    PORONKA->Button14Click();
    QCOMPARE(ShownCounters(), Range(4, 10) + Range(17, 20));
    QCOMPARE(Form6->AnimationMode, 1);
    QCOMPARE(Tick(), QStringLiteral("+14"));  // settles where the old counter was going
    RunToEnd();
    QCOMPARE(Form6->TargetStackHeight, 10);

    SecondHint("8", "5");
    for (int tick = 1; tick <= 3; ++tick) Form6->Timer1Timer();
    SecondHint("4", "9");
    QCOMPARE(Form6->AnimationMode, 2);
    QCOMPARE(Form6->StepCount, 0);
    RunToEnd();
    QCOMPARE(ShownCounters(), Range(8, 10) + Range(12, 20) + Range(31, 31));
  }
};

PORONKA_TEST_MAIN(TestMakingTen)
#include "test_making_ten.moc"

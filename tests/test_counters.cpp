// The counter window and the making-ten animation on its counters.
#include <QtTest>

#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "rewards/greeting.h"
#include "tests/fixture.h"

namespace {

// The counter images that would show, as runs of numbers: "3-10 16-20".
QString Shown() {
  QStringList runs;
  for (int n = 1; n <= 59; ++n) {
    if (n == 50 || !fixture::Shown(Form2->Img(n))) continue;
    int last = n;
    while (last + 1 <= 59 && last + 1 != 50 && fixture::Shown(Form2->Img(last + 1))) ++last;
    runs << (last == n ? QString::number(n) : QStringLiteral("%1-%2").arg(n).arg(last));
    n = last;
  }
  return runs.join(QLatin1Char(' '));
}

// One tick of the animation, told as the images it hid and showed: "-16 +45".
QString Tick() {
  QList<bool> before;
  for (int n = 0; n <= 59; ++n) before << (n > 0 && fixture::Shown(Form2->Img(n)));
  Form6->Timer1Timer();
  QStringList hid, showed;
  for (int n = 1; n <= 59; ++n) {
    const bool now = fixture::Shown(Form2->Img(n));
    if (before[n] && !now) hid << QStringLiteral("-%1").arg(n);
    if (!before[n] && now) showed << QStringLiteral("+%1").arg(n);
  }
  return (hid + showed).join(QLatin1Char(' '));
}

void Arrange(const char* first, const char* second) {
  PORONKA->Label1->SetCaption(QString::fromLatin1(first));
  PORONKA->Label3->SetCaption(QString::fromLatin1(second));
  PORONKA->Button14Click();
}

// As the second hint does it: the first step 800 ms on, arrange, ask.
void SecondHint(const char* first, const char* second) {
  Form6->Timer1->SetInterval(800);
  Arrange(first, second);
  PORONKA->Button16Click();
}

}  // namespace

class CountersTest : public fixture::Suite {
  Q_OBJECT
 private Q_SLOTS:
  void windowLayout() {
    QCOMPARE(Form2->geometry(), QRect(87, 6, 114, 422));
    QVERIFY(!Form2->isVisible());
    const int rows[] = {24, 56, 88, 120, 152, 200, 232, 264, 296, 328};
    const int halves[] = {40, 72, 104, 136, 176, 216, 248, 280, 312};
    for (int i = 0; i < 10; ++i)
      for (int group = 0; group < 4; ++group)
        QCOMPARE(Form2->Img(1 + i + 10 * group)->geometry(),
                 QRect(group % 2 ? 64 : 16, rows[i], 33, 33));
    for (int i = 0; i < 9; ++i) {
      QCOMPARE(Form2->Img(41 + i)->geometry(), QRect(64, halves[i], 33, 33));
      QCOMPARE(Form2->Img(51 + i)->geometry(), QRect(16, halves[i], 33, 33));
    }
    for (int n = 1; n <= 61; ++n) QCOMPARE(Form2->Img(n)->Stretch(), n == 50 || n >= 60);
    QCOMPARE(Shown(), QStringLiteral("11-20 41-49"));
    QCOMPARE(Form2->Img(50)->geometry(), QRect(49, 384, 57, 25));
    QCOMPARE(Form2->Img(61)->geometry(), QRect(12, 389, 6, 33));
    QCOMPARE(Form2->Button1->geometry(), QRect(0, 408, 115, 17));

    QStringList order;
    for (const QObject* child : Form2->children())
      if (child->isWidgetType()) order << child->objectName().remove(QStringLiteral("Image"));
    QCOMPARE(
        order.join(QLatin1Char(' ')),
        QStringLiteral("9 29 40 39 38 37 36 35 34 33 32 31 20 19 18 17 16 15 14 13 12 11 "
                       "30 28 27 26 25 24 23 22 21 10 8 7 6 5 4 3 2 1 "
                       "41 42 43 44 45 46 47 48 49 51 52 53 54 55 56 57 58 59 50 60 61 Button1"));
  }

  void arrangement() {
    const char* cases[][3] = {{"9", "9", "2-10 12-20"}, {"1", "9", "10 12-20"},
                              {"7", "5", "4-10 16-20"}, {"7", "5", "4-10 16-20"},
                              {"5", "6", "6-10 15-20"}, {"0", "12", "11-20"},
                              {"-3", "0", ""}};
    for (const auto& c : cases) {
      Arrange(c[0], c[1]);
      QCOMPARE(Shown(), QString::fromLatin1(c[2]));
    }
    // Whatever an animation left in the crossed and sliding places goes.
    for (int n : {21, 25, 31, 35, 44, 49, 51, 59}) Form2->Img(n)->setVisible(true);
    Arrange("8", "5");
    QCOMPARE(Shown(), QStringLiteral("3-10 16-20"));
    QVERIFY(!Form2->isVisible());
    // A caption that is no number stops the arrangement where it is.
    PORONKA->Label1->SetCaption(QStringLiteral("x"));
    fixture::Dispatch([] { PORONKA->Button14Click(); });
    QCOMPARE(Shown(), QStringLiteral("16-20"));
  }

  void newProblemHidesAndKeysReachTheDrill() {
    ui::SetVisible(Form2, true);
    PORONKA->Button13Click();
    QVERIFY(!Form2->isVisible());
    const int a = PORONKA->Label1->Caption().toInt(), b = PORONKA->Label3->Caption().toInt();
    // A single counter reads as "10", a run as "8-10" (the problem is random).
    const auto run = [](int from, int to) {
      return from == to ? QString::number(to) : QStringLiteral("%1-%2").arg(from).arg(to);
    };
    QCOMPARE(Shown(), run(11 - a, 10) + QLatin1Char(' ') + run(21 - b, 20));
    ui::SetVisible(Form2, true);
    QTest::keyClick(Form2, '4');
    QTest::keyClick(Form2->Button1, '2');
    QCOMPARE(PORONKA->TypedAnswer, 42);
  }

  void eightPlusFive() {
    SecondHint("8", "5");
    QCOMPARE(Form6->AnimationMode, 1);
    QCOMPARE(Form6->Timer1->Interval(), 800);
    const char* steps[] = {"-16 +45", "-45 +15", "-15 +44", "-44 +14", "-14 +43", "-43 +22",
                           "-17 +46", "-46 +16", "-16 +45", "-45 +15", "-15 +44", "-44 +14",
                           "-14 +43", "-43 +13", "-13 +42", "-42 +21"};
    for (int tick = 1; tick <= 16; ++tick) {
      QCOMPARE(Tick(), QString::fromLatin1(steps[tick - 1]));
      QCOMPARE(Form6->Timer1->Interval(), tick == 6 ? 700 : 80);
      QCOMPARE(Form6->AnimationMode, tick == 16 ? 0 : 1);
    }
    QCOMPARE(Shown(), QStringLiteral("3-10 18-22"));
    for (int i = 0; i < 3; ++i) QCOMPARE(Tick(), QString());  // idle
  }

  void otherSums() {
    SecondHint("5", "5");  // the first crosses without rising; five cross
    QCOMPARE(Tick(), QStringLiteral("-16 +25"));
    QCOMPARE(Form6->Timer1->Interval(), 700);
    QCOMPARE(fixture::RunMakingTenToEnd(), 4 + 8 + 12 + 16);
    QCOMPARE(Shown(), QStringLiteral("6-10 21-25"));

    SecondHint("9", "1");
    for (int tick = 1; tick <= 15; ++tick) Form6->Timer1Timer();
    QCOMPARE(Shown(), QStringLiteral("2-10 42"));
    QCOMPARE(Tick(), QStringLiteral("-42 +21"));
    QCOMPARE(Form6->AnimationMode, 0);

    SecondHint("4", "9");  // blue climbs and crosses to the right
    QCOMPARE(Form6->AnimationMode, 2);
    QCOMPARE(Tick(), QStringLiteral("-7 +56"));
    QCOMPARE(fixture::RunMakingTenToEnd(), 9);
    QCOMPARE(Shown(), QStringLiteral("8-10 12-20 31"));

    SecondHint("6", "7");  // from levels 6, 5 and 4
    QCOMPARE(fixture::RunMakingTenToEnd(), 2 + 6 + 10);
    QCOMPARE(Shown(), QStringLiteral("8-10 14-20 31-33"));

    SecondHint("9", "9");
    QCOMPARE(Tick(), QStringLiteral("-12 +21"));
    QCOMPARE(Form6->AnimationMode, 0);
  }

  // A new problem neither stops nor restarts the animation; a new start does.
  void runsOnAcrossNewProblems() {
    SecondHint("8", "5");
    for (int tick = 1; tick <= 3; ++tick) Form6->Timer1Timer();
    Arrange("7", "4");
    QCOMPARE(Shown(), QStringLiteral("4-10 17-20"));
    QCOMPARE(Tick(), QStringLiteral("+14"));  // goes on where the old counter was going
    fixture::RunMakingTenToEnd();
    QCOMPARE(Form6->TargetStackHeight, 10);

    SecondHint("8", "5");
    for (int tick = 1; tick <= 3; ++tick) Form6->Timer1Timer();
    SecondHint("4", "9");
    fixture::RunMakingTenToEnd();
    QCOMPARE(Shown(), QStringLiteral("8-10 12-20 31"));
  }
};

PORONKA_TEST_MAIN(CountersTest)
#include "test_counters.moc"

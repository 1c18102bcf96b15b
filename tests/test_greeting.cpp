// The kitten's visits: when the window comes and goes, and what it says.
#include <QtTest>

#include "rewards/greeting.h"
#include "tests/fixture.h"

class GreetingTest : public fixture::Suite {
  Q_OBJECT
 private Q_SLOTS:
  void visitsAndPhrases() {
    const struct {
      int count;
      int points;
      const char* phrase;
    } visits[] = {{300, 18, " やあ！ "},        {600, 18, "それいけ"},
                  {2700, 10, "まだやってるの"}, {3000, 12, "きみはすごい"},
                  {4500, 12, "もうしらない"},   {4800, 12, "もうしらない"},
                  {9000, 12, "もうしらない"}};
    for (const auto& v : visits) {
      // Up from the tick whose count is a positive multiple of 300 (not the
      // first tick, count 0) to the one whose count is 3 more.
      while (Form6->GreetingSeconds < v.count) {
        const int count = Form6->GreetingSeconds;
        Form6->Timer2Timer();
        QCOMPARE(Form6->isVisible(), count >= 300 && count % 300 < 3);
      }
      QVERIFY(!Form6->isVisible());
      Form6->Timer2Timer();
      QVERIFY2(Form6->isVisible(), qPrintable(QString::number(v.count)));
      QCOMPARE(Form6->Label1->Caption(), QString::fromUtf8(v.phrase));
      QCOMPARE(Form6->Label1->FontSize(), v.points);
      QCOMPARE(Form6->Label1->pos(), QPoint(16, 136));
      QCOMPARE(Form6->Label1->height(), Form6->Label1->sizeHint().height());
      for (int tick = 1; tick <= 3; ++tick) {
        QVERIFY(Form6->isVisible());
        Form6->Timer2Timer();
      }
      QVERIFY(!Form6->isVisible());  // hidden by the tick at count + 3
    }
    QCOMPARE(Form6->Label1->font().pixelSize(), 16);
    QVERIFY(Form6->Label1->font().bold());
  }
};

PORONKA_TEST_MAIN(GreetingTest)
#include "test_greeting.moc"

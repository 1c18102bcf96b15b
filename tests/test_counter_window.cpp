// The counter window: where every counter stands, and how the two addends are
// laid out in it.
#include <QtTest>

#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "fixture.h"
#include "rewards/greeting.h"

namespace {

// The counter images that would show, by number, ascending.
QList<int> ShownCounters() {
  QList<int> shown;
  for (int n = 1; n <= 59; ++n)
    if (n != 50 && fixture::Shown(Form2->Img(n))) shown << n;
  return shown;
}

QList<int> Range(int from, int to) {
  QList<int> r;
  for (int n = from; n <= to; ++n) r << n;
  return r;
}

void Arrange(const char* first, const char* second) {
  PORONKA->Label1->SetCaption(QString::fromLatin1(first));
  PORONKA->Label3->SetCaption(QString::fromLatin1(second));
  PORONKA->Button14Click();
}

}  // namespace

class TestCounterWindow : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init() { fixture::CreateQuietScreens(); }
  void cleanup() { DestroyScreens(); }

  void windowAndPlaces() {
    QCOMPARE(Form2->geometry(), QRect(87, 6, 114, 422));
    QVERIFY(!Form2->isVisible());
    QCOMPARE(Form2->Color(), QColor(0x00, 0x80, 0x00));
    QVERIFY(Form2->KeyPreview());
    const int rows[] = {24, 56, 88, 120, 152, 200, 232, 264, 296, 328};
    const int halves[] = {40, 72, 104, 136, 176, 216, 248, 280, 312};
    for (int i = 0; i < 10; ++i) {
      QCOMPARE(Form2->Img(1 + i)->geometry(), QRect(16, rows[i], 33, 33));
      QCOMPARE(Form2->Img(11 + i)->geometry(), QRect(64, rows[i], 33, 33));
      QCOMPARE(Form2->Img(21 + i)->geometry(), QRect(16, rows[i], 33, 33));
      QCOMPARE(Form2->Img(31 + i)->geometry(), QRect(64, rows[i], 33, 33));
    }
    for (int i = 0; i < 9; ++i) {
      QCOMPARE(Form2->Img(41 + i)->geometry(), QRect(64, halves[i], 33, 33));
      QCOMPARE(Form2->Img(51 + i)->geometry(), QRect(16, halves[i], 33, 33));
    }
    for (int n = 1; n <= 59; ++n) QCOMPARE(Form2->Img(n)->Stretch(), n == 50);
    QCOMPARE(ShownCounters(), Range(11, 20) + Range(41, 49));
    QCOMPARE(Form2->Img(50)->geometry(), QRect(49, 384, 57, 25));
    QCOMPARE(Form2->Img(60)->geometry(), QRect(4, 384, 6, 33));
    QCOMPARE(Form2->Img(61)->geometry(), QRect(12, 389, 6, 33));
    QVERIFY(Form2->Img(60)->Stretch() && Form2->Img(61)->Stretch());
    QCOMPARE(Form2->Button1->geometry(), QRect(0, 408, 115, 17));
    QVERIFY(Form2->Button1->text().isEmpty());

    QStringList order;
    for (const QObject* child : Form2->children())
      if (child->isWidgetType()) order << child->objectName();
    QStringList expected{"Image9", "Image29"};
    const auto add = [&](int from, int to) {
      for (int n = from; from <= to ? n <= to : n >= to; n += from <= to ? 1 : -1)
        expected << QStringLiteral("Image%1").arg(n);
    };
    add(40, 31), add(20, 11), add(30, 30), add(28, 21), add(10, 10), add(8, 1);
    add(41, 49), add(51, 59), add(50, 50), add(60, 61);
    expected << "Button1";
    QCOMPARE(order, expected);
  }

  void arrangement() {
    Arrange("9", "9");  // rows 2 to 10 of both columns
    QCOMPARE(ShownCounters(), Range(2, 10) + Range(12, 20));
    Arrange("1", "9");
    QCOMPARE(ShownCounters(), QList<int>{10} + Range(12, 20));
    Arrange("7", "5");
    QCOMPARE(ShownCounters(), Range(4, 10) + Range(16, 20));
    Arrange("7", "5");
    QCOMPARE(ShownCounters(), Range(4, 10) + Range(16, 20));
    Arrange("5", "6");  // the lower five; a sixth above the gap
    QCOMPARE(ShownCounters(), Range(6, 10) + Range(15, 20));
    Arrange("0", "12");
    QCOMPARE(ShownCounters(), Range(11, 20));
    Arrange("-3", "0");
    QCOMPARE(ShownCounters(), QList<int>{});
    QVERIFY(!Form2->isVisible());
    QCOMPARE(PORONKA->Label1->Caption(), QStringLiteral("-3"));

    // What an animation left in the crossed and sliding places goes.
    for (int n : {21, 25, 31, 35, 44, 49, 51, 59}) Form2->Img(n)->setVisible(true);
    Arrange("8", "5");
    QCOMPARE(ShownCounters(), Range(3, 10) + Range(16, 20));

    // A caption that is no number stops the arrangement where it is.
    const int errors = ui::ErrorCount();
    PORONKA->Label1->SetCaption(QStringLiteral("x"));
    fixture::Dispatch([] { PORONKA->Button14Click(); });
    QCOMPARE(ui::ErrorCount(), errors + 1);
    QCOMPARE(ShownCounters(), Range(16, 20));
  }

  void moveRequestPicksTheKind() {
    const struct { const char* a; const char* b; int kind, target, giving; } cases[] = {
        {"8", "5", 1, 8, 5}, {"5", "5", 1, 5, 5}, {"4", "9", 2, 9, 4}, {"9", "9", 1, 9, 9}};
    for (const auto& c : cases) {
      Arrange(c.a, c.b);
      PORONKA->Button16Click();
      QCOMPARE(Form6->AnimationMode, c.kind);
      QCOMPARE(Form6->TargetStackHeight, c.target);
      QCOMPARE(Form6->GivingStackCount, c.giving);
    }
  }

  void newProblemHidesAndKeysGoToTheDrill() {
    ui::SetVisible(Form2, true);
    QVERIFY(Form2->isVisible());
    PORONKA->Button13Click();
    QVERIFY(!Form2->isVisible());
    const int a = PORONKA->Label1->Caption().toInt();
    const int b = PORONKA->Label3->Caption().toInt();
    QCOMPARE(ShownCounters(), Range(11 - a, 10) + Range(21 - b, 20));

    ui::SetVisible(Form2, true);
    QTest::keyClick(Form2, '4');
    QTest::keyClick(Form2->Button1, '2');
    QCOMPARE(PORONKA->TypedAnswer, 42);
  }
};

PORONKA_TEST_MAIN(TestCounterWindow)
#include "test_counter_window.moc"

// From key to judgement: keypad, keyboard, erase, the keys the secondary
// screens pass on, a flood of keys, and the chalk's five strokes.
#include <QClipboard>

#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "pictures/wallpaper_chooser.h"
#include "rewards/badge.h"
#include "rewards/fifty_screen.h"
#include "rewards/greeting.h"
#include "rewards/hundred_screen.h"
#include "tests/fixture.h"

namespace {

// Keys go through QApplication::notify, as with QTest, but without QTest's
// warning for every key a screen leaves to its controls.
void Keys(QWidget* to, const char* keys) {
  for (; *keys; ++keys) {
    const QString text(QLatin1Char{*keys});
    QKeyEvent down(QEvent::KeyPress, *keys, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, *keys, Qt::NoModifier, text);
    QApplication::sendEvent(to, &down);
    QApplication::sendEvent(to, &up);
  }
}

void Tick(int n = 1) { fixture::ChalkTicks(n); }

}  // namespace

class AnswerEntryTest : public fixture::Suite {
  Q_OBJECT
 private Q_SLOTS:
  void init() {
    Suite::init();
    fixture::PutUpEightPlusFive();
  }

  void keypadAndKeyboardBuildTheNumber() {
    auto* p = PORONKA;
    ui::SetVisible(p, true);
    p->Button1->click();
    Keys(p->Button13, "3");  // passed on from the button to its screen: still once
    QCOMPARE(p->TypedAnswer, 13);
    QCOMPARE(p->WritingMode, 3);
    QVERIFY(p->Image2->isHidden() && !p->Image40->isHidden());  // chalk back in the tray

    p->Label7->setVisible(true);
    Keys(p, ".");
    QCOMPARE(p->TypedAnswer, 0);
    QCOMPARE(p->WritingMode, 3);  // a running chalk goes on
    QVERIFY(!p->Label7->isHidden());
    p->Button10->click();
    p->Button7->click();
    QCOMPARE(p->TypedAnswer, 7);
    QCOMPARE(p->WritingMode, 2);

    p->TypedAnswer = 1000;  // left by a wrong answer
    p->Label5->setVisible(false);
    Keys(p, "x");
    QVERIFY(!p->Label5->isHidden());
    QCOMPARE(p->TypedAnswer, 0);

    p->Edit2->setFocus();
    p->Edit2->setText(QStringLiteral("0"));
    QTest::keyClick(p->Edit2, '4');
    QCOMPARE(p->TypedAnswer, 4);
    QCOMPARE(p->Edit2->text(), QStringLiteral("0"));  // the count is not typed into
  }

  // A child who clicks into a count and types, deletes or pastes changes
  // nothing there, and the digits still make the answer.
  void theCountsTakeTheFocusButNoTyping() {
    auto* p = PORONKA;
    ui::SetVisible(p, true);
    p->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p));
    p->Edit1->setText(QStringLiteral("99"));
    p->Edit2->setText(QStringLiteral("7"));
    QGuiApplication::clipboard()->setText(QStringLiteral("x.10"));
    p->TypedAnswer = 0;
    for (QLineEdit* edit : {p->Edit1, p->Edit2}) {
      const QString before = edit->text();
      QTest::mouseClick(edit, Qt::LeftButton);
      QCOMPARE(QApplication::focusWidget(), edit);
      // As the platform delivers keys: to the window, then to its focused control.
      QTest::keyClick(p->windowHandle(), 'x');
      QTest::keyClick(p->windowHandle(), '1');
      for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_End, Qt::Key_Backspace})
        QTest::keyClick(p->windowHandle(), key);
      QTest::keyClick(p->windowHandle(), Qt::Key_V, Qt::ControlModifier);
      QTest::keyClick(p->windowHandle(), Qt::Key_Insert, Qt::ShiftModifier);
      QTest::keyClick(p->windowHandle(), Qt::Key_2);
      QCOMPARE(edit->text(), before);
    }
    QCOMPARE(p->TypedAnswer, 100 + 2);  // 1 2 1 2: a long run keeps its last digit
  }

  void secondaryScreensForwardDigitsAndErase() {
    auto* p = PORONKA;
    for (QWidget* form : QList<QWidget*>{Form2, Form4, Form6, Form9}) {
      ui::SetVisible(form, true);
      p->TypedAnswer = 1000;
      Keys(form, "13");
      QCOMPARE(p->TypedAnswer, 13);
      Keys(form, ".0z9");
      QCOMPARE(p->TypedAnswer, 9);
      QCOMPARE(p->WritingMode, 2);
    }
    for (QWidget* form : QList<QWidget*>{Form3, Form5}) {  // these keep their keys
      ui::SetVisible(form, true);
      Keys(form, "5.");
      QCOMPARE(p->TypedAnswer, 9);
    }
  }

  void aFloodOfDigitsLeavesOnlyTheLastOne() {
    auto* p = PORONKA;
    const int errors = ui::ErrorCount();
    for (int i = 0; i < 20000; ++i) {
      const char digit[] = {static_cast<char>('0' + (i * 7 + 3) % 10), 0};
      Keys(p, digit);
      QVERIFY(p->TypedAnswer >= 0 && p->TypedAnswer <= 999);  // never the 1000 marker
    }
    Keys(p, "6");
    Tick(10);
    QCOMPARE(p->Label5->text(), QStringLiteral("6"));
    QVERIFY(p->Label6->isHidden() && p->Label7->isHidden());  // one digit is not judged
    QCOMPARE(ui::ErrorCount(), errors);
  }

  void eachDigitIsWrittenInFiveStrokes() {
    auto* p = PORONKA;
    Tick(7);  // nothing typed: nothing moves
    QCOMPARE(p->Image2->pos(), QPoint(192, 48));
    const QList<QPoint> first{{193, 30}, {209, 33}, {198, 40}, {206, 46}, {200, 48}};
    const QList<QPoint> second{{216, 30}, {233, 33}, {222, 40}, {231, 46}, {224, 48}};
    p->DigitAction(1);
    for (const QPoint& at : first) {
      QCOMPARE(p->Label5->text(), QString());  // written only at the end
      Tick();
      QCOMPARE(p->Image2->pos(), at);
    }
    QCOMPARE(p->Label5->text(), QStringLiteral("1"));
    QVERIFY(p->Image2->isHidden() && !p->Image3->isHidden() && p->Image40->isHidden());
    p->DigitAction(3);
    for (const QPoint& at : second) {
      Tick();
      QCOMPARE(p->Image3->pos(), at);
    }
    QCOMPARE(p->CorrectStreak, 1);
    QVERIFY(p->Image3->isHidden() && !p->Image40->isHidden());
  }

  void aSecondDigitDuringTheFirstSharesItsTicks() {
    auto* p = PORONKA;
    p->DigitAction(1);
    Tick(2);
    p->DigitAction(3);
    Tick(2);
    QVERIFY(p->Image3->isHidden());  // moved, never shown
    QCOMPARE(p->Image3->pos(), QPoint(231, 46));
    QCOMPARE(p->CorrectStreak, 0);
    Tick();
    QCOMPARE(p->Label5->text(), QStringLiteral("13"));
    Tick(10);
    QCOMPARE(p->CorrectStreak, 1);  // one judgement only
  }
};

PORONKA_TEST_MAIN(AnswerEntryTest)
#include "test_answer_entry.moc"

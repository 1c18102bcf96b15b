// Answer entry: keypad, keyboard, erase, the keys the secondary screens pass
// on, and a flood of keys before one judgement.
#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "fixture.h"
#include "pictures/wallpaper_chooser.h"
#include "rewards/badge.h"
#include "rewards/fifty_screen.h"
#include "rewards/greeting.h"
#include "rewards/hundred_screen.h"

namespace {

// One key through QApplication::notify, as QTest does, but without QTest's
// warning for every key a screen leaves to its controls.
void Key(QWidget* to, char c) {
  const QString text(QLatin1Char{c});
  QKeyEvent down(QEvent::KeyPress, c, Qt::NoModifier, text);
  QKeyEvent up(QEvent::KeyRelease, c, Qt::NoModifier, text);
  QApplication::sendEvent(to, &down);
  QApplication::sendEvent(to, &up);
}

void Keys(QWidget* to, const char* keys) {
  for (; *keys; ++keys) Key(to, *keys);
}

}  // namespace

class AnswerEntryTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init() {
    fixture::CreateQuietScreens();
    PORONKA->Button13Click();
  }
  void cleanup() { DestroyScreens(); }

  void keypadBuildsTheNumberAndErases() {
    auto* p = PORONKA;
    fixture::Find<QPushButton>(p, "Button1")->click();
    fixture::Find<QPushButton>(p, "Button3")->click();
    QCOMPARE(p->TypedAnswer, 13);
    QCOMPARE(p->WritingMode, 3);
    // The second digit before the first chalk ended: the chalk goes to the tray.
    QVERIFY(p->Image2->isHidden());
    QVERIFY(!p->Image40->isHidden());

    p->Label5->SetCaption(QStringLiteral("13"));
    p->Label7->setVisible(true);
    fixture::Find<QPushButton>(p, "BitBtn1")->click();
    QCOMPARE(p->TypedAnswer, 0);
    QCOMPARE(p->Label5->text(), QString());
    QCOMPARE(p->WritingMode, 3);        // a running chalk goes on
    QVERIFY(!p->Label7->isHidden());    // feedback stays

    fixture::Find<QPushButton>(p, "Button10")->click();
    fixture::Find<QPushButton>(p, "Button7")->click();
    QCOMPARE(p->TypedAnswer, 7);
    QCOMPARE(p->WritingMode, 2);

    // After a wrong answer the next digit starts afresh.
    p->TypedAnswer = 1000;
    fixture::Find<QPushButton>(p, "Button4")->click();
    QCOMPARE(p->TypedAnswer, 4);
  }

  void keyboardOnTheDrillReachesItOnceAndTheControlToo() {
    auto* p = PORONKA;
    ui::SetVisible(p, true);
    p->Label5->setVisible(false);  // as after a reset
    Key(p, 'x');
    QVERIFY(!p->Label5->isHidden());
    QCOMPARE(p->TypedAnswer, 0);
    p->TypedAnswer = 1000;
    Key(p, 'a');  // any key clears the marker
    QCOMPARE(p->TypedAnswer, 0);

    // A button passes a digit on to its screen: still one digit.
    Key(p->Button13, '2');
    Key(p, '3');
    QCOMPARE(p->TypedAnswer, 23);
    Key(p, '.');
    QCOMPARE(p->TypedAnswer, 0);

    p->Edit2->setFocus();
    p->Edit2->setText(QStringLiteral("0"));
    QTest::keyClick(p->Edit2, '4');
    QCOMPARE(p->TypedAnswer, 4);
    QCOMPARE(p->Edit2->text(), QStringLiteral("04"));
    QTest::keyClick(p->Edit2, Qt::Key_Backspace);
    QCOMPARE(p->TypedAnswer, 4);
  }

  void secondaryScreensForwardDigitsAndErase() {
    auto* p = PORONKA;
    const QList<QWidget*> forwarding{Form2, Form4, Form6, Form9};
    for (QWidget* form : forwarding) {
      ui::SetVisible(form, true);
      p->TypedAnswer = 1000;
      Keys(form, "13");
      QCOMPARE(p->TypedAnswer, 13);
      Key(form, '.');
      QCOMPARE(p->TypedAnswer, 0);
      Keys(form, "0z9");
      QCOMPARE(p->TypedAnswer, 9);
      QCOMPARE(p->WritingMode, 2);
    }
    // The fifty and hundred screens keep their keys.
    for (QWidget* form : QList<QWidget*>{Form3, Form5}) {
      ui::SetVisible(form, true);
      Keys(form, "5.");
      QCOMPARE(p->TypedAnswer, 9);
    }
  }

  void aFloodOfDigitsLeavesOnlyTheLastOne() {
    auto* p = PORONKA;
    const int errors = ui::ErrorCount();
    QString flood;
    for (int i = 0; i < 20000; ++i) flood += QChar(u'0' + (i * 7 + 3) % 10);
    for (QChar c : flood) {
      Key(p, static_cast<char>(c.unicode()));
      QVERIFY(p->TypedAnswer >= 0 && p->TypedAnswer <= 999);  // never the 1000 marker
    }
    Key(p, '6');
    QCOMPARE(p->WritingMode, 3);
    for (int i = 0; i < 10; ++i) fixture::Dispatch([] { PORONKA->Timer3Timer(); });
    QCOMPARE(p->Label5->text(), QStringLiteral("6"));
    QCOMPARE(p->TypedAnswer, 6);
    QVERIFY(p->Label6->isHidden() && p->Label7->isHidden());
    QCOMPARE(ui::ErrorCount(), errors);
  }
};

PORONKA_TEST_MAIN(AnswerEntryTest)
#include "test_answer_entry.moc"

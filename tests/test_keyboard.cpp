// Everything with the keys: Return presses the focused button on every
// screen, the chooser's pictures take the focus and are chosen with Space or
// Return, Tab goes between the board and the chooser and leads back to the
// board from the counter window and the badge, and the focus mark shows.
#include <QSignalSpy>

#include "blackboard/counter_window.h"
#include "pictures/wallpaper_chooser.h"
#include "rewards/badge.h"
#include "rewards/fifty_screen.h"
#include "rewards/hundred_screen.h"
#include "tests/fixture.h"

namespace {

// Activated, as the window system would after the program asked.
void activate(QWidget* form) {
  form->show();
  QVERIFY(QTest::qWaitForWindowExposed(form));
  ui::GiveKeysTo(form);
  QTRY_VERIFY(form->isActiveWindow());
}

void key(QWidget* receiver, int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(receiver, static_cast<Qt::Key>(k), modifiers);
}

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kYellow = 0xFFFFFF00;

// The mark's two rings, read at the middle of each edge of a grabbed control.
bool markedAllRound(const QImage& image) {
  const int w = image.width(), h = image.height();
  const struct {
    int x, y, dx, dy;
  } edges[] = {{0, h / 2, 1, 0}, {w - 1, h / 2, -1, 0}, {w / 2, 0, 0, 1}, {w / 2, h - 1, 0, -1}};
  for (const auto& e : edges) {
    for (int i = 0; i < 2 * ui::kFocusMarkWidth; ++i) {
      const QRgb want = i < ui::kFocusMarkWidth ? kBlack : kYellow;
      if (image.pixel(e.x + i * e.dx, e.y + i * e.dy) != want) return false;
    }
  }
  return true;
}

QImage grabbed(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace

class KeyboardTest : public fixture::Suite {
  Q_OBJECT

 private Q_SLOTS:
  void returnPressesEveryButton() {
    fixture::RunStartUp();
    for (QWidget* form : std::initializer_list<QWidget*>{Form2, Form3}) ui::SetVisible(form, true);
    ui::RaiseToTop(Form5);
    int buttons = 0;
    for (QWidget* form : std::initializer_list<QWidget*>{PORONKA, Form2, Form3, Form5}) {
      for (QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
        if (button->isHidden() || !button->isVisibleTo(form)) continue;
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        key(button, button == PORONKA->Button1 ? Qt::Key_Enter : Qt::Key_Return,
            button == PORONKA->Button1 ? Qt::KeypadModifier : Qt::NoModifier);
        QVERIFY2(clicked.count() == 1, qPrintable(button->objectName()));
        ++buttons;
      }
    }
    QVERIFY(buttons >= 20);
    // Return on the radio item "ボタン" chooses it, like Space.
    key(PORONKA->RadioGroup1->Item(1), Qt::Key_Return);
    QCOMPARE(PORONKA->RadioGroup1->ItemIndex(), 1);

    // A held Return presses once.
    QSignalSpy clicked(PORONKA->Button13, &QAbstractButton::clicked);
    QKeyEvent first(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                       true);
    QApplication::sendEvent(PORONKA->Button13, &first);
    QApplication::sendEvent(PORONKA->Button13, &repeated);
    QCOMPARE(clicked.count(), 1);
  }

  // Arrows then Space, as a child bangs them, never walk the focus on to
  // "おしまい" and close the program; the radio items still move with them.
  void arrowsLeaveAPushButtonsFocusWhereItIs() {
    activate(PORONKA);
    for (QPushButton* button : PORONKA->findChildren<QPushButton*>()) {
      if (!button->isVisibleTo(PORONKA) || !(button->focusPolicy() & Qt::TabFocus)) continue;
      button->setFocus(Qt::TabFocusReason);
      for (const Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
        key(button, k);
        QVERIFY2(PORONKA->focusWidget() == button, qPrintable(button->objectName()));
      }
    }
    PORONKA->RadioGroup1->Item(0)->setFocus(Qt::TabFocusReason);
    key(PORONKA->RadioGroup1->Item(0), Qt::Key_Right);
    QCOMPARE(PORONKA->focusWidget(), PORONKA->RadioGroup1->Item(1));
    QCOMPARE(PORONKA->RadioGroup1->ItemIndex(), 1);
    key(PORONKA->RadioGroup1->Item(1), Qt::Key_Left);
    QCOMPARE(PORONKA->RadioGroup1->ItemIndex(), 0);
    // Tab still moves on.
    PORONKA->BitBtn1->setFocus(Qt::TabFocusReason);
    key(PORONKA->BitBtn1, Qt::Key_Tab);
    QVERIFY(PORONKA->focusWidget() != PORONKA->BitBtn1);
  }

  void fiftyScreenClosesWithReturnAsWithSpace() {
    for (const Qt::Key k : {Qt::Key_Return, Qt::Key_Space}) {
      ui::SetVisible(Form3, true);
      QVERIFY(Form3->isVisible());
      key(Form3->BitBtn1, k);
      QVERIFY(!Form3->isVisible());
    }
  }

  void chooserPicturesTakeTheFocusAndAreChosenWithTheKeys() {
    activate(Form9);
    for (int n = 1; n <= TForm9::kWallpapers; ++n)
      QVERIFY(Form9->Img(n)->focusPolicy() & Qt::TabFocus);
    QCOMPARE(Form9->focusWidget(), Form9->Img(1));

    // Tab row by row; the arrows to the neighbour that way.
    const int rowByRow[] = {1, 4, 2, 5, 3, 6, 7, 8, 9, 10};
    for (int i = 1; i < 10; ++i) {
      key(Form9->focusWidget(), Qt::Key_Tab);
      QCOMPARE(Form9->focusWidget(), Form9->Img(rowByRow[i]));
    }
    Form9->Img(1)->setFocus();
    const std::pair<Qt::Key, int> walk[] = {
        {Qt::Key_Right, 4}, {Qt::Key_Down, 5}, {Qt::Key_Down, 6}, {Qt::Key_Left, 3},
        {Qt::Key_Down, 7},  {Qt::Key_Down, 9}, {Qt::Key_Down, 9}, {Qt::Key_Up, 7}};
    for (const auto& [k, n] : walk) {
      key(Form9->focusWidget(), k);
      QCOMPARE(Form9->focusWidget(), Form9->Img(n));
    }

    key(Form9->Img(7), Qt::Key_Return);
    QCOMPARE(Form9->WallpaperChoice, 7);
    QCOMPARE(Form9->WallpaperPicked, 7);
    Form9->Img(2)->setFocus();
    key(Form9->Img(2), Qt::Key_Space);
    QCOMPARE(Form9->WallpaperChoice, 2);

    // A digit typed there still reaches the drill, once.
    PORONKA->TypedAnswer = 0;
    QTest::keyClick(Form9->Img(2), '7');
    QCOMPARE(PORONKA->TypedAnswer, 7);
  }

  // No window manager offers the chooser: Tab past the board's last control
  // goes to its first picture, past its last picture back to the board.
  void tabGoesBetweenTheBoardAndTheChooser() {
    fixture::RunStartUp();
    activate(PORONKA);
    PORONKA->Button19->setFocus();
    key(PORONKA->Button19, Qt::Key_Tab);
    QTRY_VERIFY(Form9->isActiveWindow());
    QCOMPARE(Form9->focusWidget(), Form9->Img(1));
    QVERIFY(Form9->testAttribute(Qt::WA_KeyboardFocusChange));  // the mark shows at once

    Form9->Img(10)->setFocus();
    key(Form9->Img(10), Qt::Key_Tab);
    QTRY_VERIFY(PORONKA->isActiveWindow());
    QCOMPARE(PORONKA->focusWidget(), PORONKA->Button13);

    key(PORONKA->Button13, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(Form9->isActiveWindow());
    QCOMPARE(Form9->focusWidget(), Form9->Img(10));

    // Inside the board Tab stays on the board, through the tray's pictures.
    activate(PORONKA);
    PORONKA->BitBtn1->setFocus();
    key(PORONKA->BitBtn1, Qt::Key_Tab);
    QCOMPARE(PORONKA->focusWidget(), PORONKA->Image20);
    key(PORONKA->Image20, Qt::Key_Tab);
    key(PORONKA->Image30, Qt::Key_Tab);
    QCOMPARE(PORONKA->focusWidget(), PORONKA->Image10);
    QVERIFY(PORONKA->isActiveWindow());
  }

  void counterWindowAndBadgeLeadBackToTheBoard() {
    fixture::RunStartUp();
    activate(PORONKA);
    PORONKA->Button15->setFocus();
    PORONKA->Button15Click();  // shows the counter window, which takes the keys
    activate(Form2);
    QCOMPARE(Form2->focusWidget(), Form2->Button1);
    key(Form2->Button1, Qt::Key_Return);
    QTRY_VERIFY(PORONKA->isActiveWindow());
    QCOMPARE(PORONKA->focusWidget(), PORONKA->Button15);  // where the child left it
    activate(Form2);
    key(Form2->Button1, Qt::Key_Tab);
    QTRY_VERIFY(PORONKA->isActiveWindow());
    QCOMPARE(PORONKA->focusWidget(), PORONKA->Button15);
    QVERIFY(Form2->isVisible());

    // The badge: Tab leaves it up, Return or Escape puts it away at once, and
    // its next showing has its full stay.
    for (const Qt::Key k : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape}) {
      ui::SetVisible(Form4, true);
      activate(Form4);
      fixture::Ticks(Form4, &TForm4::Timer1Timer, 3);
      key(Form4, k);
      QTRY_VERIFY(PORONKA->isActiveWindow());
      QCOMPARE(Form4->isVisible(), k == Qt::Key_Tab);
      if (k == Qt::Key_Tab) ui::SetVisible(Form4, false);
    }
    QCOMPARE(Form4->StreakScreenTicks, 0);
  }

  void focusMarkShowsOnButtonsPicturesAndCounts() {
    fixture::RunStartUp();
    activate(PORONKA);
    // Before any key moved the focus (a child at the mouse), no mark.
    PORONKA->Button7->setFocus(Qt::MouseFocusReason);
    QVERIFY(!markedAllRound(grabbed(PORONKA->Button7)));

    PORONKA->Button13->setFocus();
    key(PORONKA->Button13, Qt::Key_Tab);
    QCOMPARE(PORONKA->focusWidget(), PORONKA->Button7);
    QVERIFY(markedAllRound(grabbed(PORONKA->Button7)));
    QVERIFY(!markedAllRound(grabbed(PORONKA->Button8)));  // only the focused one

    // The counter window, which takes the keys when it comes up, shows where.
    PORONKA->Button15Click();
    activate(Form2);
    QVERIFY(markedAllRound(grabbed(Form2->Button1)));

    activate(PORONKA);
    PORONKA->Button11->setFocus();
    for (int i = 0; i < 2; ++i) key(PORONKA->focusWidget(), Qt::Key_Tab);
    QCOMPARE(PORONKA->focusWidget(), PORONKA->Image20);
    key(PORONKA->Image20, Qt::Key_Tab);
    key(PORONKA->Image30, Qt::Key_Tab);
    QCOMPARE(PORONKA->focusWidget(), PORONKA->Image10);
    QVERIFY(markedAllRound(grabbed(PORONKA->Image10)));

    PORONKA->Edit1->setFocus(Qt::TabFocusReason);
    QVERIFY(markedAllRound(grabbed(PORONKA->Edit1)));

    activate(Form9);
    key(Form9->Img(1), Qt::Key_Right);
    QVERIFY(markedAllRound(grabbed(Form9->Img(4))));
  }
};

PORONKA_TEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"

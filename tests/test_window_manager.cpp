// The screens as a window manager sees them: which frames offer which buttons
// and actions, close requests, where the keys go when a screen hides, the
// counter window against the board, and one program per desktop.
#include <QFileInfo>
#include <QInputMethodQueryEvent>
#include <QTemporaryDir>

#include "app/backdrop.h"
#include "app/desktop/single_instance.h"
#include "app/desktop/window_manager.h"
#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "pictures/wallpaper_chooser.h"
#include "rewards/badge.h"
#include "rewards/greeting.h"
#include "rewards/hundred_screen.h"
#include "tests/fixture.h"

namespace {

using H = wm::MotifHints;
constexpr std::uint32_t kButtons = H::kDecorMenu | H::kDecorMinimize | H::kDecorMaximize;
constexpr std::uint32_t kActions =
    H::kFuncResize | H::kFuncMinimize | H::kFuncMaximize | H::kFuncClose;

// The drill screen up and active, as after start.
void startUp() {
  fixture::RunStartUp();
  QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Form9));
  PORONKA->activateWindow();
  QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(PORONKA));
}

// A close request, as from the window manager: true when the screen closed.
bool closeRequest(QWidget* form) { return form->close(); }

}  // namespace

class WindowManagerTest : public fixture::Suite {
  Q_OBJECT

 private Q_SLOTS:
  void framesOfferTheirButtonsOnly() {
    for (wm::BareFrame bare :
         {wm::BareFrame::TitleBar, wm::BareFrame::Border, wm::BareFrame::Nothing}) {
      const H none = wm::MotifHintsFor(ui::Frame::SingleBare, bare);
      QCOMPARE(none.flags, std::uint32_t{H::kFunctions | H::kDecorations});
      QCOMPARE(none.functions, std::uint32_t{H::kFuncMove});
      QCOMPARE(none.decorations & kButtons, 0u);
      const H backdrop = wm::MotifHintsFor(ui::Frame::None, bare);
      QCOMPARE(backdrop.functions, 0u);
      QCOMPARE(backdrop.decorations, 0u);
      const H single = wm::MotifHintsFor(ui::Frame::Single, bare);
      QCOMPARE(single.functions, std::uint32_t{kActions & ~H::kFuncResize} | H::kFuncMove);
      QCOMPARE(single.decorations & kButtons, kButtons);
      QVERIFY(wm::MotifHintsFor(ui::Frame::Sizeable, bare).functions & H::kFuncResize);
    }
    // A title bar without buttons only where the window manager draws one.
    QCOMPARE(wm::MotifHintsFor(ui::Frame::SingleBare, wm::BareFrame::TitleBar).decorations,
             std::uint32_t{H::kDecorBorder | H::kDecorTitle});
    QCOMPARE(wm::MotifHintsFor(ui::Frame::SingleBare, wm::BareFrame::Border).decorations,
             std::uint32_t{H::kDecorBorder});
    QCOMPARE(wm::MotifHintsFor(ui::Frame::SingleBare, wm::BareFrame::Nothing).decorations, 0u);
    QCOMPARE(wm::BareFrameOf(QStringLiteral("GNOME Shell")), wm::BareFrame::TitleBar);
    QCOMPARE(wm::BareFrameOf(QStringLiteral("Openbox")), wm::BareFrame::Border);
    QCOMPARE(wm::BareFrameOf(QStringLiteral("Xfwm4")), wm::BareFrame::Nothing);
    QCOMPARE(wm::BareFrameOf(QString()), wm::BareFrame::Nothing);

    QVERIFY(wm::Closable(ui::Frame::Single));
    QVERIFY(wm::Closable(ui::Frame::Sizeable));
    QVERIFY(!wm::Closable(ui::Frame::SingleBare));
    QVERIFY(!wm::Closable(ui::Frame::None));
  }

  void closeRequestsNeverEndTheProgram() {
    startUp();
    ui::SetVisible(Form2, true);
    ui::SetVisible(Form5, true);
    QTimer::singleShot(0, [] {
      QVERIFY(!closeRequest(PORONKA));
      QVERIFY(!closeRequest(Form2));
      QVERIFY(!closeRequest(Form10));
      QCoreApplication::exit(7);  // the loop ends only here
    });
    QEventLoop loop;
    QCOMPARE(loop.exec(), 7);
    // Screens without a close box stay; the drill screen above all.
    QVERIFY(PORONKA->isVisible());
    QVERIFY(Form2->isVisible());
    QVERIFY(Form10->isVisible());
    // One with a close box only hides.
    QVERIFY(closeRequest(Form5));
    QVERIFY(!Form5->isVisible());
    QVERIFY(closeRequest(Form9));
    QVERIFY(!Form9->isVisible());
    QVERIFY(PORONKA->isVisible());
  }

  void theDrillScreenTakesTheKeysBackWhenTheActiveScreenHides() {
    startUp();
    // The kitten comes up and takes the keys; three ticks later it goes.
    Form6->GreetingSeconds = 300;
    Form6->Timer2Timer();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Form6));
    for (int tick = 0; tick < 3; ++tick) Form6->Timer2Timer();
    QVERIFY(!Form6->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(PORONKA));

    // The badge, after eight ticks of its own.
    ui::SetVisible(Form4, true);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Form4));
    for (int tick = 0; tick < 8; ++tick) Form4->Timer1Timer();
    QVERIFY(!Form4->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(PORONKA));

    // The counter window, at a new problem.
    fixture::Dispatch([] { PORONKA->Button15Click(); });
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Form2));
    fixture::Dispatch([] { PORONKA->Button13Click(); });
    QVERIFY(!Form2->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(PORONKA));

    // A screen closed from its frame.
    ui::SetVisible(Form5, true);
    ui::RaiseToTop(Form5);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Form5));
    QVERIFY(closeRequest(Form5));
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(PORONKA));
  }

  void aScreenHidingWithoutTheKeysTakesNothing() {
    startUp();
    ui::SetVisible(Form4, true);
    ui::SetVisible(Form6, true);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Form6));
    ui::SetVisible(Form4, false);  // the kitten keeps the keys
    QTest::qWait(20);
    QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Form6));
  }

  void aClickOnTheBackdropBringsBackAMinimisedBoardAndChooser() {
    startUp();
    PORONKA->showMinimized();
    Form9->showMinimized();
    QTRY_VERIFY(PORONKA->isMinimized());
    QTest::mouseClick(Form10, Qt::LeftButton, Qt::NoModifier, QPoint(900, 700));
    QVERIFY(!PORONKA->isMinimized());
    QVERIFY(!Form9->isMinimized());
    QVERIFY(PORONKA->isVisible() && Form9->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Form9));
  }

  void theCounterWindowStandsAgainstTheBoard() {
    // Frames drawn by a window manager: the counter window's frame ends where
    // the board's begins, tops level.
    const QRect board(208, 6, 283 + 10, 422 + 34);
    QCOMPARE(wm::LeftOf(board, QSize(114, 422), QMargins(5, 29, 5, 5)), QPoint(84, 6));
    QCOMPARE(wm::LeftOf(board, QSize(114, 422), QMargins()), QPoint(94, 6));

    // No frames at all: client areas touch, whatever the board's position.
    startUp();
    fixture::Dispatch([] { PORONKA->Button15Click(); });
    QCOMPARE(Form2->geometry(), QRect(94, 6, 114, 422));
    ui::SetVisible(Form2, false);
    PORONKA->move(300, 40);
    fixture::Dispatch([] { PORONKA->Button15Click(); });
    QTRY_COMPARE(Form2->geometry(), QRect(186, 40, 114, 422));
  }

  void countFieldsKeepNoInputMethod() {
    for (QLineEdit* count : {PORONKA->Edit1, PORONKA->Edit2}) {
      QVERIFY(!count->testAttribute(Qt::WA_InputMethodEnabled));
      QInputMethodQueryEvent query(Qt::ImEnabled);
      QApplication::sendEvent(count, &query);
      QVERIFY(!query.value(Qt::ImEnabled).toBool());
    }
  }

  void oneProgramPerDesktop() {
    // A desktop of this test's own, so that no program on the real one meets it.
    const QString desktop = QStringLiteral("test-wm-%1").arg(QCoreApplication::applicationPid());
    int calls = 0;
    auto first = std::make_unique<SingleInstance>(desktop);
    QVERIFY(first->Claim([&] { ++calls; }));

    // A second launch on the same desktop asks the first to come forward.
    SingleInstance second(desktop);
    QVERIFY(!second.Claim([] { QFAIL("the second launch was asked to come forward"); }));
    QTRY_COMPARE(calls, 1);
    QTest::qWait(50);
    QCOMPARE(calls, 1);  // one request, one coming forward
    // Another desktop has a program of its own.
    SingleInstance elsewhere(desktop + QStringLiteral("-elsewhere"));
    QVERIFY(elsewhere.Claim([] {}));

    // Once the first has ended, a launch starts afresh.
    first.reset();
    SingleInstance third(desktop);
    QVERIFY(third.Claim([] {}));

    QVERIFY(!SingleInstance::DesktopKey().isEmpty());
  }
};

PORONKA_TEST_MAIN(WindowManagerTest)
#include "test_window_manager.moc"

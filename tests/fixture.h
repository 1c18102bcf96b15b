// What every screen test shares: the application set up as the program does,
// fresh screens for each test, and one helper for each step the suites take
// again and again. Components are found with ui::Find, as the program finds
// them.
#pragma once

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/backdrop.h"
#include "app/screens.h"
#include "app/ui/ui.h"
#include "drill/drill_screen.h"
#include "rewards/greeting.h"

#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
// From Qt 6.7 on, QTRY_ turns its std::chrono timeout into an int inside the
// test's own code, where -Wconversion reports it. The two that the suites use
// (QTRY_VERIFY and QTRY_COMPARE go through them) are put around Qt's own
// QTRY_IMPL with that warning silenced there, so everything else keeps it.
#define PORONKA_QT_NARROWS(...)                                                     \
  _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wconversion\"") \
      __VA_ARGS__ _Pragma("GCC diagnostic pop")
#undef QTRY_VERIFY_WITH_TIMEOUT
#define QTRY_VERIFY_WITH_TIMEOUT(expr, timeout)                 \
  do {                                                          \
    PORONKA_QT_NARROWS(QTRY_IMPL(expr, timeout)) QVERIFY(expr); \
  } while (false)
#undef QTRY_COMPARE_WITH_TIMEOUT
#define QTRY_COMPARE_WITH_TIMEOUT(expr, expected, timeout)                                 \
  do {                                                                                     \
    PORONKA_QT_NARROWS(QTRY_IMPL((expr) == (expected), timeout)) QCOMPARE(expr, expected); \
  } while (false)
#endif

namespace fixture {

// Offscreen windows cannot be raised or sized by hints, and the platform says
// so at every showing. Keep the test logs to what matters. (Installed from
// inside a test run, so that it wraps the test log's own handler.)
inline void QuietOffscreenNotes() {
  static const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.startsWith(QLatin1String("This plugin does not support"))) return;
        previous(type, context, message);
      });
}

// Creates the ten screens with their timers stopped, so that a tick comes
// only when a test calls a timer handler.
inline void CreateQuietScreens() {
  QuietOffscreenNotes();
  ui::SetTimersRunning(false);
  ui::SetClock(nullptr);
  ui::ForceRandomReal(std::nullopt);
  CreateScreens();
}

// Puts back everything the layer lets a test change, so that no test sees
// what the one before it left: the clock, the seed, a forced random value,
// the timers' running flag and the error box.
inline void ResetSeams() {
  ui::SetClock(nullptr);
  ui::SetRandomSeed(0);
  ui::ForceRandomReal(std::nullopt);
  ui::SetTimersRunning(false);
  delete ui::ErrorBox();
}

// The base of every test suite: fresh quiet screens before each test (unless
// the suite makes its own), and after it the screens gone and every seam put
// back. A suite that needs more before each test defines its own init() and
// calls Suite::init() first.
class Suite : public QObject {
  Q_OBJECT

 protected:
  enum class Screens { Quiet, None };
  explicit Suite(Screens screens = Screens::Quiet) : screens_(screens) {}

 protected Q_SLOTS:
  void init() {
    if (screens_ == Screens::Quiet) CreateQuietScreens();
  }
  void cleanup() {
    DestroyScreens();
    ResetSeams();
  }

 private:
  const Screens screens_;
};

// Runs a handler through the program's one failure dispatch point, as a
// signal from Qt would.
template <class F>
void Dispatch(F&& handler) {
  ui::RunHandler(std::forward<F>(handler));
}

// A screen's timer ticked `n` times by hand, each tick through the dispatch
// point as the timer's own would go.
template <class Screen>
void Ticks(Screen* screen, void (Screen::*tick)(), int n) {
  for (int i = 0; i < n; ++i) Dispatch([screen, tick] { (screen->*tick)(); });
}

// Ticks of the chalk that writes the answer: five write a digit.
inline void ChalkTicks(int n) { Ticks(PORONKA, &TPORONKA::Timer3Timer, n); }

// A new problem, then 8 + 5 on the board in its place.
inline void PutUpEightPlusFive() {
  PORONKA->Button13Click();
  PORONKA->Label1->SetCaption(QStringLiteral("8"));
  PORONKA->Label3->SetCaption(QStringLiteral("5"));
  PORONKA->CorrectSum = 13;
}

// The digits of `number` typed at once, and the chalk's five ticks that write
// them: one judgement.
inline void Answer(int number) {
  const QString digits = QString::number(number);
  for (const QChar digit : digits) PORONKA->DigitAction(digit.digitValue());
  ChalkTicks(5);
}

// The making-ten animation ticked until it ends (at most 100 ticks); returns
// how many ticks it took.
inline int RunMakingTenToEnd() {
  int ticks = 0;
  for (; Form6->AnimationMode != 0 && ticks < 100; ++ticks) Dispatch([] { Form6->Timer1Timer(); });
  return ticks;
}

// The drill screen shown, as main() shows it, and the backdrop's seven
// start-up steps: the program is up with its first problem.
inline void RunStartUp() {
  PORONKA->show();
  for (int tick = 0; tick < 7; ++tick) Form10->Timer1Timer();
}

// Runs `event` from a fresh event loop and returns the code the loop ends
// with: 0 when the program was told to end, 99 when nothing ended it within
// five seconds.
inline int ExitCodeAfter(std::function<void()> event) {
  QEventLoop loop;
  QTimer::singleShot(0, std::move(event));
  QTimer::singleShot(5000, &loop, [&] { loop.exit(99); });
  return loop.exec();
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// Whether a component would show while its screen shows.
inline bool Shown(const QWidget* w) { return !w->isHidden(); }

}  // namespace fixture

// Like QTEST_MAIN, with the application set up as the program sets it up.
#define PORONKA_TEST_MAIN(TestClass)        \
  int main(int argc, char** argv) {         \
    QApplication app(argc, argv);           \
    SetUpApplication();                     \
    TestClass test;                         \
    return QTest::qExec(&test, argc, argv); \
  }

// What every screen test shares: the application set up as the program does,
// fresh screens for each test, and ways to find and drive components.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "app/screens.h"
#include "app/ui/ui.h"

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

template <class T>
T* Find(const QObject* form, const char* name) {
  T* found = form->findChild<T*>(QString::fromLatin1(name));
  if (!found) qFatal("no component %s on %s", name, qPrintable(form->objectName()));
  return found;
}

// Runs a handler through the program's one failure dispatch point, as a
// signal from Qt would.
template <class F>
void Dispatch(F&& handler) {
  ui::RunHandler(std::forward<F>(handler));
}

inline QString Caption(const QObject* form, const char* label) {
  return Find<QLabel>(form, label)->text();
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

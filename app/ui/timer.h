// The screens' timers, with the two things a plain QTimer does not give them:
// an interval set to its own value leaves the countdown alone, and a timer
// sleeps without wake-ups while a tick would change nothing.
#pragma once

#include <QBasicTimer>
#include <QTimer>
#include <chrono>
#include <functional>

namespace ui {

// A timer of a screen: runs from creation to exit. It may sleep while its
// screen's state says that a tick would change nothing; it then costs no
// wake-ups, and it wakes as soon as that state changes, with its next tick
// where it would have fallen had it never slept.
class Timer : public QTimer {
  Q_OBJECT
 public:
  using Clock = std::chrono::steady_clock;

  Timer(QObject* parent, const char* name, int intervalMs);
  ~Timer() override;
  // A changed value restarts the countdown; the same value changes nothing.
  void SetInterval(int ms);
  int Interval() const { return interval(); }

  // `idle` tells whether a tick would change nothing now. It is asked each
  // time the event loop is about to wait, and whenever the loop wakes, so a
  // change made by any handler wakes the timer before the loop waits again.
  void SleepWhile(std::function<bool()> idle);
  bool Sleeping() const { return asleep_; }
  // When the next tick is due, asleep or not.
  Clock::time_point NextTick() const { return next_; }
  // Asks every timer that may sleep whether to sleep or wake (the event loop
  // does this by itself; tests that change state outside it may call it).
  static void CheckSleepers();

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  void ticked();
  void sleep();
  void wake(Clock::time_point now, Clock::time_point lastCheck);

  std::function<bool()> idle_;
  bool running_ = false;  // ticks at all (tests create timers stopped)
  bool asleep_ = false;
  QBasicTimer firstTick_;  // the first tick after waking, in phase
  Clock::time_point next_{};
};
// For tests: timers are created stopped, so that ticks come only when a
// test calls the handlers.
void SetTimersRunning(bool running);

}  // namespace ui

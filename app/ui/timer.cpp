// The screens' timers. Each runs from creation to exit, but one whose state
// says a tick would change nothing stops its system timer, so an idle program
// costs almost no wake-ups. It keeps the time its next tick is due, and on
// waking lets that tick (or a later one of the same rhythm) fall exactly
// where the never-sleeping timer's would have.
#include "app/ui/timer.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimerEvent>
#include <algorithm>
#include <vector>

namespace ui {

namespace {

bool timersRunning = true;
std::vector<Timer*> sleepers;          // timers that may sleep
Timer::Clock::time_point lastCheck{};  // when CheckSleepers last ran

}  // namespace

void SetTimersRunning(bool running) { timersRunning = running; }

Timer::Timer(QObject* parent, const char* name, int intervalMs) : QTimer(parent) {
  setObjectName(QString::fromLatin1(name));
  setTimerType(Qt::PreciseTimer);
  setInterval(intervalMs);
  // Connected before any handler, so that the phase is kept first.
  connect(this, &QTimer::timeout, this, &Timer::ticked);
  if (!timersRunning) return;
  running_ = true;
  start();
  next_ = Clock::now() + std::chrono::milliseconds(intervalMs);
}

Timer::~Timer() { std::erase(sleepers, this); }

void Timer::SetInterval(int ms) {
  if (ms == interval()) return;  // QTimer restarts even on the same value
  setInterval(ms);               // a running QTimer starts a new period here
  if (!running_) return;
  next_ = Clock::now() + std::chrono::milliseconds(ms);
  if (firstTick_.isActive()) {  // woken, first tick pending: a new period instead
    firstTick_.stop();
    start();
  }
}

void Timer::SleepWhile(std::function<bool()> idle) {
  idle_ = std::move(idle);
  if (std::find(sleepers.begin(), sleepers.end(), this) == sleepers.end()) sleepers.push_back(this);
  static bool hooked = false;
  if (hooked) return;
  auto* dispatcher = QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread());
  if (!dispatcher) return;
  hooked = true;
  // A loop that is about to wait has run every handler of this round; one
  // that wakes (also in a loop that never waits) has run those of the last.
  QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &Timer::CheckSleepers);
  QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, &Timer::CheckSleepers);
}

void Timer::CheckSleepers() {
  const Clock::time_point now = Clock::now();
  for (Timer* t : sleepers) {
    if (!t->running_) continue;
    const bool idle = t->idle_();
    if (idle && !t->asleep_)
      t->sleep();
    else if (!idle && t->asleep_)
      t->wake(now, lastCheck);
  }
  lastCheck = now;
}

// The running tick's due time becomes the next one's less an interval; a
// tick that came more than an interval late starts a new rhythm, as QTimer's.
void Timer::ticked() {
  const Clock::time_point now = Clock::now();
  const Clock::duration period = std::chrono::milliseconds(interval());
  next_ += period;
  if (next_ <= now) next_ = now + period;
}

void Timer::sleep() {
  stop();
  firstTick_.stop();
  asleep_ = true;
}

// Ticks that fell due while asleep changed nothing and are passed over. One
// that fell due after the loop's last look, while the change that wakes the
// timer was being made, comes at once, as a late tick of a busy loop would.
void Timer::wake(Clock::time_point now, Clock::time_point lastLook) {
  asleep_ = false;
  const Clock::duration period = std::chrono::milliseconds(interval());
  if (next_ <= now) {
    next_ += (now - next_) / period * period;  // the last due time up to now
    if (next_ <= lastLook) next_ += period;
  }
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(
      std::max<Clock::duration>(next_ - now, Clock::duration::zero()));
  firstTick_.start(static_cast<int>(wait.count()), Qt::PreciseTimer, this);
}

// The first tick after waking: the QTimer takes up its rhythm from here and
// this is its tick.
void Timer::timerEvent(QTimerEvent* event) {
  if (event->timerId() != firstTick_.timerId()) return QTimer::timerEvent(event);
  firstTick_.stop();
  start();
  QTimerEvent tick(timerId());
  QTimer::timerEvent(&tick);
}

}  // namespace ui

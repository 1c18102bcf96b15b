// The floor the other figures are compared with: a bare Qt window with the
// program's nine timers at their intervals, each tick doing nothing.
//
//   bare_timers              runs until it is killed (idle cost, memory)
//   bare_timers LAUNCH_NS    prints the milliseconds from LAUNCH_NS (the
//                            launch time, nanoseconds since the epoch) to the
//                            window's first paint, then exits
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/bench_util.h"

namespace {

constexpr int kIntervalsMs[] = {10, 750, 100, 40, 100, 500, 130, 1000, 1000};

class FirstPaint : public QObject {
 public:
  explicit FirstPaint(long long launchedNs) : launchedNs_(launchedNs) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && launchedNs_ > 0) {
      const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                           std::chrono::system_clock::now().time_since_epoch())
                           .count();
      std::printf("%.1f\n", static_cast<double>(now - launchedNs_) / 1e6);
      std::fflush(stdout);
      launchedNs_ = 0;
      QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  long long launchedNs_;
};

}  // namespace

int main(int argc, char* argv[]) {
  const long long launched = argc > 1 ? std::atoll(argv[1]) : 0;
  bench::ChoosePlatform();
  QApplication app(argc, argv);
  QWidget window;
  window.setGeometry(208, 6, 283, 422);
  FirstPaint watch(launched);
  window.installEventFilter(&watch);
  for (int ms : kIntervalsMs) {
    auto* timer = new QTimer(&window);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, [] {});
    timer->start(ms);
  }
  window.show();
  return QApplication::exec();
}

// What a wrong answer's bell costs the event loop: the time ui::Beep() takes
// on the calling thread, the first time (which starts the sound worker) and
// afterwards. Plays through whatever sound server the environment names
// (PULSE_SERVER), or the X bell where none answers. Prints its figures.
//
//   beep_cost [beeps]    20 by default
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/ui/ui.h"

namespace {

using Clock = std::chrono::steady_clock;

double Us(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double TimedBeep() {
  const auto start = Clock::now();
  ui::Beep();
  return Us(Clock::now() - start);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

  const double first = TimedBeep();
  std::vector<double> later;
  // A bell every 100 ms, as if the child kept answering wrong at speed.
  QTimer timer;
  timer.setInterval(100);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    later.push_back(TimedBeep());
    if (static_cast<int>(later.size()) == count) {
      timer.stop();
      // Let the last bells play before the worker goes.
      QTimer::singleShot(1000, &app, &QApplication::quit);
    }
  });
  timer.start();
  QApplication::exec();

  std::sort(later.begin(), later.end());
  std::printf(
      "Beep() on the event loop's thread: first %.0f us; then median %.1f us, "
      "max %.1f us over %d beeps\n",
      first, later[later.size() / 2], later.back(), count);
  return 0;
}

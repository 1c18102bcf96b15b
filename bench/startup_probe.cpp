// The program's own start-up, instrumented: prints the milliseconds from the
// moment the bench script launched it (passed as nanoseconds since the epoch)
// to the first paint of a problem on the drill screen, then exits.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/screens.h"
#include "app/ui/ui.h"
#include "bench/bench_util.h"
#include "drill/drill_screen.h"

namespace {

class FirstProblemWatch : public QObject {
 public:
  explicit FirstProblemWatch(long long launchedNs) : launchedNs_(launchedNs) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_ && PORONKA->ProblemsAsked > 0 &&
        PORONKA->Label1->isVisible()) {
      done_ = true;
      const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                           std::chrono::system_clock::now().time_since_epoch())
                           .count();
      std::printf("%.1f\n", static_cast<double>(now - launchedNs_) / 1e6);
      std::fflush(stdout);
      QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  long long launchedNs_;
  bool done_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  const long long launched = argc > 1 ? std::atoll(argv[1]) : 0;
  bench::ChoosePlatform();
  QApplication app(argc, argv);
  SetUpApplication();
  CreateScreens();
  FirstProblemWatch watch(launched);
  PORONKA->Label1->installEventFilter(&watch);
  const int code = ui::RunApplication();
  DestroyScreens();
  return code;
}

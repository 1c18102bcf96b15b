// Key-to-judgement latency and the CPU used while a child types steadily.
//
// Runs the whole program with its timers running, types answers as key
// events posted to the drill screen's event queue, and measures from each
// posted key to the end of the chalk tick that judged it. Every fourth
// problem gets a wrong answer first, so hints and the making-ten animation
// run as they would for a child. Prints its figures and exits.
//
//   key_latency [seconds]    typing time, 60 by default; 5 for a quick check
//
// Without a display it runs offscreen; with DISPLAY set, on X11.
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <vector>

#include "app/screens.h"
#include "app/ui/ui.h"
#include "bench/bench_util.h"
#include "drill/drill_screen.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

constexpr int kIdleSeconds = 5;
constexpr int kMissedAfterMs = 2000;
constexpr int kMinPresses = 50;

class Typist : public QObject {
 public:
  explicit Typist(double seconds) : seconds_(seconds) {
    // The filter sees the tick before the drill does: a running animation at
    // its fourth stroke judges in this tick. The slot, connected after the
    // drill's own, runs when the tick is done.
    PORONKA->Timer3->installEventFilter(this);
    QObject::connect(PORONKA->Timer3, &QTimer::timeout, this, [this] { afterTick(); });
  }

  void Start() { waitForFirstProblem(); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Timer)
      judging_ = PORONKA->WritingMode != 0 && PORONKA->WritingTick == 4;
    return false;
  }

 private:
  void waitForFirstProblem() {
    if (PORONKA->ProblemsAsked == 0) {
      QTimer::singleShot(50, this, [this] { waitForFirstProblem(); });
      return;
    }
    // The button mode: a new problem comes when asked for, so no key lands
    // on a problem that is being replaced.
    PORONKA->RadioGroup1->SetItemIndex(1);
    idleCpu_ = bench::CpuSeconds();
    QTimer::singleShot(kIdleSeconds * 1000, this, [this] {
      idleCpu_ = bench::CpuSeconds() - idleCpu_;
      typingStart_ = Clock::now();
      typingCpu_ = bench::CpuSeconds();
      nextKey();
    });
  }

  void nextKey() {
    if (Ms(Clock::now() - typingStart_) >= seconds_ * 1000.0) return finish();
    if (keys_.empty()) {
      if (problems_ > 0) PORONKA->Button13->click();
      const std::int32_t sum = PORONKA->CorrectSum;
      if (problems_ % 4 == 3) queueNumber(sum == 18 ? 17 : sum + 1);
      queueNumber(sum);
      ++problems_;
    }
    const char key = keys_.front();
    keys_.pop_front();
    posted_ = Clock::now();
    waiting_ = true;
    const int press = ++presses_;
    bench::TypeKey(PORONKA, key);
    QTimer::singleShot(kMissedAfterMs, this, [this, press] {
      if (waiting_ && presses_ == press) {
        waiting_ = false;
        ++missed_;
        pause();
      }
    });
  }

  void queueNumber(std::int32_t n) {
    keys_.push_back(static_cast<char>('0' + n / 10));
    keys_.push_back(static_cast<char>('0' + n % 10));
  }

  void afterTick() {
    if (!judging_) return;
    judging_ = false;
    if (!waiting_) return;
    waiting_ = false;
    latencies_.push_back(Ms(Clock::now() - posted_));
    pause();
  }

  // A child's rhythm: the next key comes a little after the chalk has
  // written, at no fixed phase of the 40 ms tick.
  void pause() {
    QTimer::singleShot(std::uniform_int_distribution<int>(200, 400)(random_), this,
                       [this] { nextKey(); });
  }

  void finish() {
    const double wall = Ms(Clock::now() - typingStart_) / 1000.0;
    const double cpu = bench::CpuSeconds() - typingCpu_;
    std::vector<double> sorted = latencies_;
    std::sort(sorted.begin(), sorted.end());
    // One "name value unit" line per figure. The design's window for a key
    // to its judgement is five 40 ms ticks: 160 to 200 ms.
    std::printf("platform %s name\n", qPrintable(QGuiApplication::platformName()));
    std::printf("presses %d count\njudged %zu count\nmissed %d count\nproblems %d count\n",
                presses_, sorted.size(), missed_, problems_);
    if (!sorted.empty()) {
      const auto outside = std::count_if(sorted.begin(), sorted.end(),
                                         [](double ms) { return ms < 155.0 || ms > 205.0; });
      std::printf("key_to_judgement_median %.1f ms\nkey_to_judgement_worst %.1f ms\n",
                  sorted[sorted.size() / 2], sorted.back());
      std::printf("key_to_judgement_best %.1f ms\nkey_to_judgement_outside_155_205 %td count\n",
                  sorted.front(), outside);
    }
    if (presses_ < kMinPresses)
      std::fprintf(stderr, "note: fewer than %d presses; run longer for a steady figure\n",
                   kMinPresses);
    std::printf("typing_cpu %.2f %%_of_a_core\n", 100.0 * cpu / wall);
    std::printf("idle_cpu_before_typing %.2f %%_of_a_core\n", 100.0 * idleCpu_ / kIdleSeconds);
    std::fflush(stdout);
    QCoreApplication::exit(missed_ == 0 ? 0 : 1);
  }

  double seconds_;
  std::mt19937 random_{20240601};
  std::deque<char> keys_;
  std::vector<double> latencies_;
  Clock::time_point posted_{};
  Clock::time_point typingStart_{};
  double typingCpu_ = 0;
  double idleCpu_ = 0;
  bool judging_ = false;
  bool waiting_ = false;
  int presses_ = 0;
  int missed_ = 0;
  int problems_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
  const double seconds = bench::TypingSeconds(argc, argv);
  if (seconds <= 0) return 2;
  bench::ChoosePlatform();
  QApplication app(argc, argv);
  SetUpApplication();
  CreateScreens();
  Typist typist(seconds);
  typist.Start();
  const int code = ui::RunApplication();
  DestroyScreens();
  return code;
}

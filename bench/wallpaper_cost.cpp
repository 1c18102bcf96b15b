// What the wallpaper costs the drill screen, which redraws it on every paint.
//
// First the cost of one full redraw of each wallpaper onto the backdrop (and
// of repainting the backdrop window), and of a redraw that finds the
// wallpaper unchanged. Then the whole program runs with wallpaper 8 (1271
// tiles) while answers are typed at a child's pace, and prints the CPU used.
//
//   wallpaper_cost [seconds]    typing time, 60 by default; 5 for a quick check
//
// Without a display it runs offscreen on a 1920 x 1080 screen; with DISPLAY
// set, on X11 (run it under `xvfb-run -s "-screen 0 1920x1080x24"`). On a
// 3840 x 2160 screen at QT_SCALE_FACTOR=2 it also says whether a full redraw
// of wallpaper 8 stays within 5 ms.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>

#include "app/backdrop.h"
#include "app/desktop/window_manager.h"
#include "app/screens.h"
#include "app/ui/ui.h"
#include "bench/bench_util.h"
#include "drill/drill_screen.h"
#include "pictures/wallpaper_chooser.h"

namespace {

using Clock = std::chrono::steady_clock;

template <class F>
double MicrosecondsEach(int times, F&& work) {
  const auto start = Clock::now();
  for (int i = 0; i < times; ++i) work();
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / times;
}

// Costs of single operations, measured once the program is up.
double MeasureRedraws() {
  const QSize canvas = Form10->CanvasSize();
  const qreal ratio = Form10->ScreenRatio();
  std::printf("backdrop canvas: %d x %d at ratio %g%s\n", canvas.width(), canvas.height(), ratio,
              Form10->CanvasOnServer() ? ", kept by the X server" : "");
  double fullEight = 0;
  for (int n = 1; n <= TForm9::kWallpapers; ++n) {
    // Another wallpaper drawn before each makes every timed redraw a full one.
    const int other = n == 1 ? 2 : 1;
    double total = 0;
    constexpr int kTimes = 50;
    for (int i = 0; i < kTimes; ++i) {
      Form9->RedrawWallpaper(other);
      wm::Sync();
      total += MicrosecondsEach(1, [n] {
        Form9->RedrawWallpaper(n);
        wm::Sync();
      });
    }
    const double us = total / kTimes;
    if (n == 8) fullEight = us;
    std::printf("full redraw of wallpaper %2d: %8.1f us\n", n, us);
  }
  // A redraw costs what the screen's device pixels cost; on a scaled desktop
  // each tile is drawn larger, and at a fractional ratio in up to four sizes.
  const QSize device = Form10->CanvasPicture().size();
  const char* budget = "";
  if (device.width() >= 3840 && ratio >= 2)
    budget = fullEight <= 5000 ? " (within 5 ms)" : " (over 5 ms)";
  std::printf("full redraw of wallpaper 8 on %d x %d device pixels at ratio %g: %.2f ms%s\n",
              device.width(), device.height(), ratio, fullEight / 1000, budget);
  Form9->ApplyWallpaper(8);
  const double skipped = MicrosecondsEach(100000, [] { Form9->RedrawWallpaper(8); });
  std::printf("redraw of wallpaper 8 unchanged: %.3f us\n", skipped);
  const double window = MicrosecondsEach(50, [] {
    Form10->repaint();
    wm::Sync();
  });
  std::printf("repaint of the backdrop window: %.1f us\n", window);
  return fullEight + window;
}

// Types right answers into the drill screen at a child's pace, in the button
// mode, with a new problem after each answer.
class Typist : public QObject {
 public:
  explicit Typist(double seconds) : seconds_(seconds) { PORONKA->installEventFilter(this); }

  void Start() { waitForFirstProblem(); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints_;
    return false;
  }

 private:
  void waitForFirstProblem() {
    if (PORONKA->ProblemsAsked == 0) {
      QTimer::singleShot(50, this, [this] { waitForFirstProblem(); });
      return;
    }
    fullCostUs_ = MeasureRedraws();
    PORONKA->RadioGroup1->SetItemIndex(1);
    Form9->ApplyWallpaper(8);
    start_ = Clock::now();
    cpu_ = bench::CpuSeconds();
    paints_ = 0;
    nextKey();
  }

  void nextKey() {
    const double elapsed = std::chrono::duration<double>(Clock::now() - start_).count();
    if (elapsed >= seconds_) return finish(elapsed);
    if (keys_.empty()) {
      if (presses_ > 0) PORONKA->Button13->click();
      const std::int32_t sum = PORONKA->CorrectSum;
      keys_.push_back(static_cast<char>('0' + sum / 10));
      keys_.push_back(static_cast<char>('0' + sum % 10));
    }
    const char key = keys_.front();
    keys_.pop_front();
    ++presses_;
    bench::TypeKey(PORONKA, key);
    QTimer::singleShot(std::uniform_int_distribution<int>(250, 450)(random_), this,
                       [this] { nextKey(); });
  }

  void finish(double wall) {
    const double cpu = bench::CpuSeconds() - cpu_;
    const QSize screen = QGuiApplication::primaryScreen()->size();
    std::printf("platform: %s, screen %d x %d\n", qPrintable(QGuiApplication::platformName()),
                screen.width(), screen.height());
    std::printf("typing with wallpaper 8 for %.1f s: %d keys, %d paints of the drill screen\n",
                wall, presses_, paints_);
    std::printf("CPU: %.2f s (%.1f %% of one core)\n", cpu, 100.0 * cpu / wall);
    std::printf(
        "had every paint redrawn wallpaper 8 and repainted the backdrop: about %.1f %% more\n",
        100.0 * paints_ * fullCostUs_ / 1e6 / wall);
    std::fflush(stdout);
    QCoreApplication::exit(0);
  }

  double seconds_;
  double fullCostUs_ = 0;
  std::mt19937 random_{20240601};
  std::deque<char> keys_;
  Clock::time_point start_{};
  double cpu_ = 0;
  int presses_ = 0;
  int paints_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
  const double seconds = bench::TypingSeconds(argc, argv);
  if (seconds <= 0) return 2;
  bench::ChoosePlatform(1920, 1080);
  QApplication app(argc, argv);
  SetUpApplication();
  CreateScreens();
  Typist typist(seconds);
  typist.Start();
  const int code = ui::RunApplication();
  DestroyScreens();
  return code;
}

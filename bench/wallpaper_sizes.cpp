// What a full redraw of wallpaper 8 (tiles of 33 on steps of 29 and 30, the
// most tiles of any wallpaper) costs on large backdrops, next to the least any
// full redraw could cost: writing every pixel of the backdrop once.
//
//   wallpaper_sizes [repeats]    30 by default
//
// Prints `name value unit` lines. Runs offscreen; the backdrop is given each
// size before its canvas is made.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/backdrop.h"
#include "app/screens.h"
#include "app/ui/ui.h"
#include "pictures/wallpaper_chooser.h"

namespace {

using Clock = std::chrono::steady_clock;

// Median of `repeats` timings of `work`, in microseconds.
template <class F>
double MedianUs(int repeats, F&& work) {
  std::vector<double> us;
  for (int i = 0; i < repeats; ++i) {
    const auto start = Clock::now();
    work();
    us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
  }
  std::nth_element(us.begin(), us.begin() + repeats / 2, us.end());
  return us[static_cast<size_t>(repeats / 2)];
}

void Measure(QSize size, int repeats) {
  CreateScreens();
  Form10->resize(size);
  QImage& canvas = ui::FormCanvas(Form10);
  const QString tag = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
  if (canvas.size() != size) {
    std::fprintf(stderr, "backdrop canvas is %d x %d, not %s\n", canvas.width(), canvas.height(),
                 qPrintable(tag));
    std::exit(1);
  }
  const QImage& tile = Form9->Tile(8);
  const int columns = (size.width() - tile.width() + 28) / 29 + 1;
  const int rows = (size.height() - tile.height() + 29) / 30 + 1;
  Form9->ApplyWallpaper(8);
  // One changed pixel makes the backdrop another picture: a full redraw.
  const double redraw = MedianUs(repeats, [] {
    Form10->Canvas().setPixel(0, 0, 0);
    Form9->RedrawWallpaper(8);
  });
  const double unchanged = MedianUs(repeats, [] { Form9->RedrawWallpaper(8); });
  const double floor = MedianUs(repeats, [] { Form10->Canvas().fill(Qt::darkBlue); });
  std::printf("wallpaper8_tiles_%s %d tiles\n", qPrintable(tag),
              std::max(41, columns) * std::max(31, rows));
  std::printf("wallpaper8_full_redraw_%s %.1f us\n", qPrintable(tag), redraw);
  std::printf("wallpaper8_unchanged_redraw_%s %.2f us\n", qPrintable(tag), unchanged);
  std::printf("floor_fill_backdrop_%s %.1f us\n", qPrintable(tag), floor);
  std::printf("wallpaper8_over_floor_%s %.1f x\n", qPrintable(tag), redraw / floor);
  std::fflush(stdout);
  DestroyScreens();
}

}  // namespace

int main(int argc, char* argv[]) {
  const int repeats = argc > 1 ? std::atoi(argv[1]) : 30;
  if (repeats <= 0) {
    std::fprintf(stderr, "usage: %s [repeats, default 30]\n", argv[0]);
    return 2;
  }
  QFile config(QDir::temp().filePath(QStringLiteral("poronka-bench-1280x1024.json")));
  if (config.open(QIODevice::WriteOnly | QIODevice::Truncate))
    config.write(
        R"({"windowFrameMargins": false, "screens": [{"name": "s0", "width": 1280, "height": 1024}]})");
  config.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
  ui::SetTimersRunning(false);
  QApplication app(argc, argv);
  SetUpApplication();
  for (const QSize size : {QSize(1920, 1080), QSize(3840, 2160)}) Measure(size, repeats);
  return 0;
}

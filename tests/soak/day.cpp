// A whole day of the program left running: every timer ticks as often as in
// 24 hours, in time order, and now and then a child answers. Checks that
// memory stays flat, that the kitten keeps coming every 300 seconds and says
// "もうしらない" from its 15th visit on, that the wallpaper keeps its cycle of
// 1619 seconds, that the start-up steps never run again, and that every count
// stays in its range.
//
//   day [hours]      24 by default
//
// The last line is "P passed, F failed", counting checks.
#include <QApplication>
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

#include "app/backdrop.h"
#include "pictures/wallpaper_chooser.h"
#include "rewards/badge.h"
#include "rewards/fifty_screen.h"
#include "rewards/greeting.h"
#include "rewards/hundred_screen.h"
#include "tests/soak/driver.h"

namespace {

// Under the address sanitizer freed memory waits in its quarantine, so the
// resident size says nothing about leaks there (its leak check does).
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryMeans = false;
#else
constexpr bool kMemoryMeans = true;
#endif
constexpr long kGrowthKb = 2 * 1024;

long long passed = 0, failed = 0;

void Check(bool ok, const std::string& what) {
  if (ok) {
    ++passed;
    return;
  }
  ++failed;
  if (failed <= 20) std::printf("FAIL: %s\n", what.c_str());
}

// The wallpaper the rotation applies at a tick count of the chooser, or 0.
int RotationAt(std::int32_t ticks) {
  constexpr int kOrder[] = {10, 7, 8, 6, 5, 4, 3, 2, 1};
  return ticks % 180 == 0 && ticks >= 180 && ticks <= 1620 ? kOrder[ticks / 180 - 1] : 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  const int hours = argc > 1 ? std::atoi(argv[1]) : 24;
  if (hours <= 0 || hours > 24 * 365) {
    std::fprintf(stderr, "usage: %s [hours, default 24]\n", argv[0]);
    return 2;
  }
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")) ||
        message.startsWith(QLatin1String("QStandardPaths:")))
      return;
    if (type != QtDebugMsg) std::fprintf(stderr, "qt: %s\n", qPrintable(message));
  });
  ui::SetTimersRunning(false);
  QApplication app(argc, argv);
  QGuiApplication::setQuitOnLastWindowClosed(false);
  SetUpApplication();
  CreateScreens();
  PORONKA->show();
  const auto start = std::chrono::steady_clock::now();
  {
    soak::SimulatedTime time;
    std::mt19937 random(20240601);
    const std::int64_t end = std::int64_t{hours} * 3600 * 1000;

    int visits = 0;
    bool kittenUp = false;
    std::int64_t kittenSince = 0;
    std::map<std::int64_t, int> wallpapers;  // chooser tick -> wallpaper applied
    std::int64_t chooserTicks = 0;
    int lastWallpaper = 0;
    long rssAtHour1 = 0, rssMax = 0;
    std::int64_t nextAnswer = 30000, answers = 0, rightAnswers = 0;
    std::int32_t startupBefore = 0;

    for (std::int64_t second = 1000; second <= end; second += 1000) {
      const soak::SimulatedTime::Source* ticked = nullptr;
      while (true) {
        const std::int32_t askedBefore = PORONKA->ProblemsAsked;
        startupBefore = Form10->StartupTick;
        if (!time.TickBefore(second, &ticked)) break;
        if (ticked->timer == Form10->Timer1) {
          if (startupBefore >= 7 && PORONKA->ProblemsAsked != askedBefore)
            Check(false, "the start-up sequencer put up a problem again");
          if (startupBefore >= 10 && Form10->StartupTick < 10)
            Check(false,
                  "the start-up sequencer went back to " + std::to_string(Form10->StartupTick));
        } else if (ticked->timer == Form6->Timer2) {
          const std::int32_t s = Form6->GreetingSeconds - 1;  // the count this tick saw
          if (Form6->isVisible() && !kittenUp) {
            ++visits;
            kittenSince = s;
            Check(s == 300 * visits,
                  "visit " + std::to_string(visits) + " at second " + std::to_string(s));
            const QString caption = Form6->Label1->text();
            if (visits == 1)
              Check(caption == QStringLiteral(" やあ！ "), "the first visit's greeting");
            if (visits >= 15)
              Check(caption == QStringLiteral("もうしらない"),
                    "visit " + std::to_string(visits) + " says " + caption.toStdString());
          }
          if (!Form6->isVisible() && kittenUp)
            Check(s - kittenSince == 3, "a visit of " + std::to_string(s - kittenSince) + " s");
          kittenUp = Form6->isVisible();
        } else if (ticked->timer == Form9->Timer1) {
          ++chooserTicks;
          if (Form9->WallpaperChoice != lastWallpaper)
            wallpapers[chooserTicks] = lastWallpaper = Form9->WallpaperChoice;
          Check(RotationAt(Form9->WallpaperTicks) == 0 ||
                    Form9->WallpaperChoice == RotationAt(Form9->WallpaperTicks),
                "the rotation's wallpaper at tick " + std::to_string(chooserTicks));
        }
      }
      QCoreApplication::processEvents();  // paints, as the loop would

      // Now and then a child comes by and answers, mostly right.
      if (time.Now() >= nextAnswer && PORONKA->CorrectSum >= 10) {
        ++answers;
        PORONKA->BitBtn1Click();
        std::vector<int> digits = soak::RightDigits();
        if (std::uniform_int_distribution<int>(0, 4)(random) == 0)
          digits = {1, 9};  // always wrong
        else
          ++rightAnswers;
        for (int d : digits) ui::RunHandler([d] { PORONKA->DigitAction(d); });
        if (Form3->isVisible()) Form3->BitBtn1->click();  // "もっとやる"
        if (Form5->isVisible() && PORONKA->FirstTryCount > 0) Form5->Button1->click();
        nextAnswer += std::uniform_int_distribution<int>(5000, 90000)(random);
      }

      if (second % 3600000 == 0) {
        const long rss = soak::RssKb();
        if (second == 3600000) rssAtHour1 = rss;
        rssMax = std::max(rssMax, rss);
        std::printf("hour %2lld: RSS %ld kB, %lld answers, %d problems, %d kitten visits\n",
                    static_cast<long long>(second / 3600000), rss, static_cast<long long>(answers),
                    PORONKA->ProblemsAsked, visits);
        std::fflush(stdout);
      }
    }

    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    long long ticks = 0;
    std::printf("ticks in %d h:", hours);
    for (const auto& source : time.Sources()) {
      ticks += source.ticks;
      std::printf(" %s %lld", source.name.c_str(), static_cast<long long>(source.ticks));
    }
    std::printf("\n%lld ticks in %.1f s (%.0f ticks/s)\n", ticks, wall, double(ticks) / wall);

    // As often as in real time.
    const std::pair<const char*, std::int64_t> periods[] = {
        {"Form10.Timer1", 10},   {"PORONKA.Timer3", 40}, {"PORONKA.Timer2", 100},
        {"PORONKA.Timer4", 100}, {"Form4.Timer1", 500},  {"PORONKA.Timer1", 750},
        {"Form6.Timer2", 1000},  {"Form9.Timer1", 1000}};
    for (const auto& [name, ms] : periods) {
      const auto* source = time.Find(name);
      Check(source && source->ticks == end / ms,
            std::string(name) + " ticked " + std::to_string(source ? source->ticks : -1));
    }

    // The kitten: every 300 s, all day.
    Check(visits == static_cast<int>((end / 1000 - 1) / 300), std::to_string(visits) + " visits");
    // The wallpaper: the first round at 180, 360 … 1620, then every change
    // again 1619 ticks later, with the same wallpaper.
    int cycles = 0;
    for (const auto& [tick, wallpaper] : wallpapers) {
      if (tick <= 1620) Check(tick % 180 == 0 && wallpaper == RotationAt(int(tick)), "first round");
      const auto again = wallpapers.find(tick + 1619);
      if (tick + 1619 <= chooserTicks)
        Check(again != wallpapers.end() && again->second == wallpaper,
              "no wallpaper " + std::to_string(wallpaper) + " at tick " +
                  std::to_string(tick + 1619));
      cycles += tick > 1620;
    }
    Check(wallpapers.size() == 9 + static_cast<size_t>(9 * ((chooserTicks - 1620) / 1619) +
                                                       (chooserTicks - 1620) % 1619 / 180),
          std::to_string(wallpapers.size()) + " wallpaper changes");
    Check(Form9->WallpaperPicked == 0, "the rotation stopped");

    // Nothing ran away.
    Check(Form6->GreetingSeconds == end / 1000,
          "GreetingSeconds " + std::to_string(Form6->GreetingSeconds));
    Check(Form10->StartupTick >= 10 && Form10->StartupTick <= 10000, "StartupTick");
    Check(Form9->WallpaperTicks >= 2 && Form9->WallpaperTicks <= 1620, "WallpaperTicks");
    Check(Form4->StreakScreenTicks >= 0 && Form4->StreakScreenTicks <= 8, "badge ticks");
    Check(PORONKA->WritingTick >= 0 && PORONKA->WritingTick <= 5, "WritingTick");
    Check(PORONKA->AutoNextTicks >= 0 && PORONKA->AutoNextTicks <= 20, "AutoNextTicks");
    Check(PORONKA->FirstTryCount > 0 && PORONKA->ProblemsAsked > 0, "answers were counted");
    Check(ui::ErrorCount() == 0, "an error box came up");

    // Memory: what the first hour took, the rest of the day must not add to.
    const long rss = soak::RssKb();
    Check(!kMemoryMeans || hours < 2 || rssMax - rssAtHour1 <= kGrowthKb,
          "memory grew by " + std::to_string(rssMax - rssAtHour1) + " kB after the first hour");
    std::printf(
        "RSS after 1 h %ld kB, at most %ld kB, at the end %ld kB; %lld answers (%lld right), "
        "%d kitten visits, %zu wallpaper changes (%d after the first round)\n",
        rssAtHour1, rssMax, rss, static_cast<long long>(answers),
        static_cast<long long>(rightAnswers), visits, wallpapers.size(), cycles);
  }
  std::printf("%lld passed, %lld failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}

// Small pieces the benchmarks share.
#pragma once

#include <sys/resource.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QString>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace bench {

// CPU time this process has used so far, user and system, in seconds.
inline double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The typing time from the command line (60 s unless given); 0 when the
// argument is no use, after saying how to call the program.
inline double TypingSeconds(int argc, char* argv[]) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 60.0;
  if (seconds <= 0) std::fprintf(stderr, "usage: %s [seconds of typing, default 60]\n", argv[0]);
  return seconds > 0 ? seconds : 0;
}

// Where the benchmarks run, unless QT_QPA_PLATFORM says: on X11 when there
// is a display (as the program itself does), else offscreen on a screen of
// `width` x `height`. Call before the QApplication is created.
inline void ChoosePlatform(int width = 1280, int height = 1024) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    return;
  }
  QFile config(
      QDir::temp().filePath(QStringLiteral("poronka-bench-%1x%2.json").arg(width).arg(height)));
  if (config.open(QIODevice::WriteOnly | QIODevice::Truncate))
    config.write(
        QStringLiteral(
            R"({"windowFrameMargins": false, "screens": [{"name": "s0", "width": %1, "height": %2}]})")
            .arg(width)
            .arg(height)
            .toUtf8());
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
}

// One key typed on `screen`, as the window system would deliver it: press
// and release, queued, to the control that has the focus.
inline void TypeKey(QWidget* screen, char key) {
  QWidget* to = screen->focusWidget() ? screen->focusWidget() : screen;
  const QString text(QLatin1Char{key});
  QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
  QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

}  // namespace bench

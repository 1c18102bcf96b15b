// What the soak and the simulated day share: a simulated clock that ticks
// every timer of the screens in time order, the program's memory, and
// helpers to answer the problem on the board.
#pragma once

#include <unistd.h>
#include <QApplication>
#include <QMetaMethod>
#include <QMetaObject>
#include <QTime>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/screens.h"
#include "app/ui/ui.h"
#include "drill/drill_screen.h"

namespace soak {

// Resident memory of this process, in kilobytes.
inline long RssKb() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Every timer of every screen, ticked as Qt would tick it, but on simulated
// time: a tick is the timer's timeout signal, so it goes through the same
// connection and failure dispatch as a real one. A timer whose interval
// changes starts a new period from that moment, as a QTimer does.
class SimulatedTime {
 public:
  struct Source {
    ui::Timer* timer;
    std::string name;
    int interval;
    std::int64_t due;
    std::int64_t ticks = 0;
    QMetaMethod timeout = {};
  };

  // Finds the timers of the screens; the clock of the problem draws follows
  // the simulated time, so that a seed replays.
  SimulatedTime() {
    for (ui::Form* form : CreatedScreens())
      for (ui::Timer* t : form->findChildren<ui::Timer*>()) {
        const std::string name =
            form->objectName().toStdString() + "." + t->objectName().toStdString();
        const QMetaObject* meta = t->metaObject();
        sources_.push_back({t, name, t->interval(), t->interval(), 0,
                            meta->method(meta->indexOfSignal("timeout()"))});
        if (!sources_.back().timeout.isValid()) qFatal("no timeout signal on %s", name.c_str());
      }
    ui::SetClock([this] { return QTime::fromMSecsSinceStartOfDay(int(now_ % 86400000)); });
  }
  ~SimulatedTime() { ui::SetClock(nullptr); }

  std::int64_t Now() const { return now_; }
  const std::vector<Source>& Sources() const { return sources_; }
  const Source* Find(const std::string& name) const {
    for (const Source& s : sources_)
      if (s.name == name) return &s;
    return nullptr;
  }

  // Something other than a tick may have changed an interval.
  void NoteIntervals() {
    for (Source& s : sources_)
      if (s.timer->interval() != s.interval) {
        s.interval = std::max(1, s.timer->interval());
        s.due = now_ + s.interval;
      }
  }

  // Runs the next tick due at or before `until`; false when there is none
  // (the clock then stands at `until`). `ticked` names the timer.
  bool TickBefore(std::int64_t until, const Source** ticked = nullptr) {
    Source* next = nullptr;
    for (Source& s : sources_)
      if (s.due <= until && (!next || s.due < next->due)) next = &s;
    if (!next) {
      now_ = std::max(now_, until);
      return false;
    }
    now_ = next->due;
    next->due += next->interval;
    ++next->ticks;
    next->timeout.invoke(next->timer, Qt::DirectConnection);
    NoteIntervals();
    if (ticked) *ticked = next;
    return true;
  }

 private:
  std::vector<Source> sources_;
  std::int64_t now_ = 0;
};

// The digits of the sum on the board, as a child would type them.
inline std::vector<int> RightDigits() {
  const std::int32_t sum = PORONKA->CorrectSum;
  return {sum / 10, sum % 10};
}

}  // namespace soak

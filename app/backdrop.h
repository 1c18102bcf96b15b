// The backdrop: a frameless navy window over the whole screen, behind the
// drill. Its timer brings the program up, step by step, once.
#pragma once

#include <cstdint>

#include "app/ui/ui.h"

class TForm10 : public ui::Form {
  Q_OBJECT
 public:
  TForm10();

  // The sequencer's ticks. Only its own handler reads it, and once the last
  // start-up step has run the running program lets the timer sleep, so there
  // it stays at 7; called by hand the handler counts on to 10000 and wraps.
  std::int32_t StartupTick = 0;

  ui::Timer* Timer1;

 public Q_SLOTS:
  // handlers (app/backdrop.cpp)
  void Timer1Timer();   // the start-up sequencer, every 10 ms
  void FormActivate();  // keeps the drill screen and the chooser in front

  // The backdrop over whatever was showing, then the drill screen and the
  // chooser over it: a click on the backdrop, or a second launch.
  void ComeForward();
  // A screen came, went or changed: the screens stand on the home screen
  // again, the backdrop covers it, the wallpaper is drawn at its new size.
  void ScreensChanged();

 protected:
  void Activated() override { FormActivate(); }
  void mousePressEvent(QMouseEvent* event) override;
};

// The ten-in-a-row badge: a rosette that goes away by itself after 8 ticks.
#pragma once

#include <cstdint>

#include "app/ui/ui.h"

class TForm4 : public ui::Form {
  Q_OBJECT
 public:
  TForm4();

  std::int32_t StreakScreenTicks = 0;

  ui::Image* Image1 = nullptr;
  ui::Label* Label1 = nullptr;
  ui::Label* Label2 = nullptr;
  ui::Label* Label3 = nullptr;
  ui::Timer* Timer1 = nullptr;

 public Q_SLOTS:
  // handlers (rewards/badge.cpp)
  void Timer1Timer();
  void FormKeyPress(QChar key);
  void Dismiss();  // Return or Escape: away before its time

 protected:
  void PreviewKey(QChar key) override { FormKeyPress(key); }
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

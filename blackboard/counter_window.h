// The counter window beside the board: the two addends as columns of blue and
// red counters, with spare counters for the making-ten animation.
#pragma once

#include <array>

#include "app/ui/ui.h"

class TForm2 : public ui::Form {
  Q_OBJECT
 public:
  TForm2();

  // Image1 to Image61 by number (Image50, Image60 and Image61 are the tray).
  ui::Image* Img(int number) const { return images_.at(static_cast<size_t>(number)); }

  QPushButton* Button1;  // the chalk tray along the bottom edge

  // Stands against the drill screen's left edge, tops level, frames included.
  void StandBesideBoard();

 public Q_SLOTS:
  // handlers (blackboard/counter_window.cpp)
  void FormKeyPress(QChar key);
  void Button1Click();  // the tray: back to the board

 protected:
  void PreviewKey(QChar key) override { FormKeyPress(key); }
  void showEvent(QShowEvent* event) override;

 private:
  bool watchingFrame_ = false;
  int corrections_ = 0;     // moves asked for since it was framed, this showing
  qreal stoodAtRatio_ = 0;  // the device pixel ratio it last stood beside the board at
  std::array<ui::Image*, 62> images_{};
};

// The hundred-solved screen: the six animals, two rice balls and a choice to
// go on or to stop.
#pragma once

#include "app/ui/ui.h"

class TForm5 : public ui::Form {
  Q_OBJECT
 public:
  TForm5();

  ui::Image* Image1 = nullptr;
  ui::Label* Label1 = nullptr;
  ui::Label* Label2 = nullptr;
  ui::Image* Image2 = nullptr;
  ui::Image* Image3 = nullptr;
  ui::Image* Image4 = nullptr;
  ui::Image* Image5 = nullptr;
  ui::Image* Image6 = nullptr;
  ui::Image* Image7 = nullptr;
  ui::Image* Image8 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

 public Q_SLOTS:
  // handlers (rewards/hundred_screen.cpp)
  void Button1Click();  // "もっとやりたい": hide
  void Button2Click();  // "もうおしまい": end the program
};

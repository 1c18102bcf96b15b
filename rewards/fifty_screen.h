// The fifty-in-a-row screen: a kitten and "n だい れんぞく".
#pragma once

#include "app/ui/ui.h"

class TForm3 : public ui::Form {
  Q_OBJECT
 public:
  TForm3();

  ui::Image* Image1 = nullptr;
  ui::Label* Label1 = nullptr;
  ui::Label* Label2 = nullptr;
  QPushButton* BitBtn1 = nullptr;

 public Q_SLOTS:
  // handlers (rewards/fifty_screen.cpp)
  void BitBtn1Click();  // "もっとやる": hide
};

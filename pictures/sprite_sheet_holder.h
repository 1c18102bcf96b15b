// Holds the sprite sheet as the picture of its only image. Never shown.
#pragma once

#include "app/ui/ui.h"

class TForm7 : public ui::Form {
  Q_OBJECT
 public:
  TForm7();

  ui::Image* Image1 = nullptr;  // the sheet
};

#include "pictures/sprite_sheet_holder.h"

TForm7::TForm7() : ui::Form("Form7") {
  setWindowTitle(QStringLiteral("Form7"));
  SetDefaultFont("ＭＳ Ｐゴシック", 12, Qt::black);
  SetFrame(ui::Frame::Single);
  Place(2, 31, 635, 392, false);
}

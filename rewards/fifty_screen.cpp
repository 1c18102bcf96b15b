#include "rewards/fifty_screen.h"

TForm3::TForm3() : ui::Form("Form3") {
  setWindowTitle(QStringLiteral("Form3"));
  SetColor(QColor(0xF1, 0xA2, 0xFF));
  SetDefaultFont("ＭＳ Ｐゴシック", 27, Qt::black);
  SetFrame(ui::Frame::Single);
  Place(216, 22, 269, 354, false);
}

void TForm3::BitBtn1Click() { ui::SetVisible(this, false); }

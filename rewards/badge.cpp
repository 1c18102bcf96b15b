#include "rewards/badge.h"

#include "app/screens.h"
#include "drill/drill_screen.h"

TForm4::TForm4() : ui::Form("Form4") {
  setWindowTitle(QStringLiteral("Form4"));
  SetColor(QColor(0xFF, 0x80, 0xFF));
  SetDefaultFont("ＭＳ Ｐゴシック", 12, Qt::black);
  SetFrame(ui::Frame::SingleBare);
  Place(35, 242, 178, 186, false);
  SetKeyPreview(true);
  Timer1 = new ui::Timer(this, "Timer1", 500);
  ui::Connect(Timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);
}

void TForm4::Timer1Timer() {}

void TForm4::FormKeyPress(QChar key) { PORONKA->ForwardKey(key); }

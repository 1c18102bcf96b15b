#include "rewards/greeting.h"

#include "app/screens.h"
#include "drill/drill_screen.h"

TForm6::TForm6() : ui::Form("Form6") {
  setWindowTitle(QStringLiteral("Form6"));
  SetColor(QColor(0x00, 0x80, 0x00));
  SetDefaultFont("ＭＳ Ｐゴシック", 12, Qt::black);
  SetFrame(ui::Frame::SingleBare);
  Place(484, 4, 135, 174, false);
  SetKeyPreview(true);
  Timer1 = new ui::Timer(this, "Timer1", 130);
  Timer2 = new ui::Timer(this, "Timer2", 1000);
  ui::Connect(Timer1, &QTimer::timeout, this, &TForm6::Timer1Timer);
  ui::Connect(Timer2, &QTimer::timeout, this, &TForm6::Timer2Timer);
}

void TForm6::Timer2Timer() {}

void TForm6::FormKeyPress(QChar key) { PORONKA->ForwardKey(key); }

#include "blackboard/counter_window.h"

#include "app/screens.h"
#include "drill/drill_screen.h"

TForm2::TForm2() : ui::Form("Form2") {
  setWindowTitle(QString());
  SetColor(QColor(0x00, 0x80, 0x00));
  SetDefaultFont("ＭＳ Ｐゴシック", 12, Qt::black);
  SetFrame(ui::Frame::SingleBare);
  Place(87, 6, 114, 422, false);
  SetKeyPreview(true);
  Button1 = nullptr;
}

void TForm2::FormKeyPress(QChar key) { PORONKA->ForwardKey(key); }

void TPORONKA::Button14Click() {}

void TPORONKA::Button16Click() {}

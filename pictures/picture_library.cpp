#include "pictures/picture_library.h"

TForm1::TForm1() : ui::Form("Form1") {
  setWindowTitle(QStringLiteral("Form1"));
  SetDefaultFont("ＭＳ Ｐゴシック", 12, Qt::black);
  SetFrame(ui::Frame::Sizeable);
  Place(27, 12, 591, 436, true);
}

void TForm1::cut(int slot) { (void)slot; }

void TForm1::Button1Click() {
  for (int slot = 1; slot <= 21; ++slot) cut(slot);
}
void TForm1::Button2Click() { cut(1); }
void TForm1::Button3Click() { cut(2); }
void TForm1::Button4Click() { cut(3); }
void TForm1::Button5Click() { cut(4); }
void TForm1::Button6Click() { cut(5); }
void TForm1::Button7Click() { cut(6); }
void TForm1::Button8Click() { cut(7); }
void TForm1::Button9Click() { cut(8); }
void TForm1::Button10Click() { cut(9); }
void TForm1::Button11Click() { cut(10); }
void TForm1::Button12Click() { cut(11); }
void TForm1::Button13Click() { cut(12); }
void TForm1::Button14Click() { cut(13); }
void TForm1::Button15Click() { cut(14); }
void TForm1::Button16Click() { cut(15); }
void TForm1::Button17Click() { cut(16); }
void TForm1::Button18Click() { cut(17); }
void TForm1::Button19Click() { cut(18); }
void TForm1::Button20Click() { cut(19); }
void TForm1::Button21Click() { cut(20); }
void TForm1::Button22Click() { cut(21); }

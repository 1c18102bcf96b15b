#include "rewards/hundred_screen.h"

#include "app/screens.h"
#include "drill/drill_screen.h"

TForm5::TForm5() : ui::Form("Form5") {
  setWindowTitle(QStringLiteral("Form5"));
  SetColor(QColor(0x00, 0x80, 0x00));
  SetDefaultFont("ＭＳ Ｐゴシック", 12, Qt::black);
  SetFrame(ui::Frame::Single);
  Place(207, 5, 286, 423, false);
  SetShownAtCreation(true);
}

void TForm5::Button1Click() { ui::SetVisible(this, false); }

void TForm5::Button2Click() { ui::CloseScreen(PORONKA); }

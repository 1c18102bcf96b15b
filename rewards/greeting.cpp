#include "rewards/greeting.h"

#include "app/screens.h"
#include "drill/drill_screen.h"

namespace {

using ui::Component;
using ui::Kind;

// A silver plate with navy writing across the lower part of the kitten.
constexpr Component kLayout[] = {
    {Kind::Image, "Image1", 0, 0, 137, 177},
    {Kind::Label, "Label1", 16, 136, 105, 24, " やあ！ ", {"ＭＳ ゴシック", 24, true, false, 0x000080},
     ui::kOpaque, -1, nullptr, 0xC0C0C0},
    {Kind::Button, "Button1", 8, 112, 49, 17, "Button1", {}, ui::kHidden},
    {Kind::Button, "Button2", 72, 112, 49, 17, "Button2", {}, ui::kHidden},
};

}  // namespace

TForm6::TForm6() : ui::Form("Form6") {
  setWindowTitle(QStringLiteral("Form6"));
  SetColor(QColor(0x00, 0x80, 0x00));
  SetDefaultFont("ＭＳ Ｐゴシック", 12, Qt::black);
  SetFrame(ui::Frame::SingleBare);
  Place(484, 4, 135, 174, false);
  SetKeyPreview(true);
  ui::BuildLayout(this, kLayout);
  Image1 = ui::Find<ui::Image>(this, "Image1");
  Label1 = ui::Find<ui::Label>(this, "Label1");
  Button1 = ui::Find<QPushButton>(this, "Button1");
  Button2 = ui::Find<QPushButton>(this, "Button2");
  ui::Connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
  ui::Connect(Button2, &QPushButton::clicked, this, &TForm6::Button2Click);
  Timer1 = new ui::Timer(this, "Timer1", 130);
  Timer2 = new ui::Timer(this, "Timer2", 1000);
  ui::Connect(Timer1, &QTimer::timeout, this, &TForm6::Timer1Timer);
  ui::Connect(Timer2, &QTimer::timeout, this, &TForm6::Timer2Timer);
}

void TForm6::Timer2Timer() {}

void TForm6::FormKeyPress(QChar key) { PORONKA->ForwardKey(key); }

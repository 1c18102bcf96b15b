#include "rewards/badge.h"

#include "app/screens.h"
#include "drill/drill_screen.h"

namespace {

using ui::Component;
using ui::Kind;
using ui::kOpaque;

constexpr const char* kPGothic = "ＭＳ Ｐゴシック";
constexpr const char* kGothic = "ＭＳ ゴシック";

// The three lines stand inside the rosette's white oval.
constexpr Component kLayout[] = {
    {Kind::Image, "Image1", 8, 8, 161, 169, "", {}, ui::kStretch},
    {Kind::Label, "Label1", 40, 40, 95, 19, "よかったね", {kGothic, 19}, kOpaque},
    {Kind::Label, "Label2", 24, 64, 126, 19, "10だいつづけて", {kPGothic, 19}, kOpaque},
    {Kind::Label, "Label3", 40, 88, 102, 19, "あっていたよ", {kPGothic, 19}, kOpaque},
};

}  // namespace

TForm4::TForm4() : ui::Form("Form4") {
  setWindowTitle(QStringLiteral("Form4"));
  SetColor(QColor(0xFF, 0x80, 0xFF));
  SetDefaultFont(kPGothic, 12, Qt::black);
  SetFrame(ui::Frame::SingleBare);
  Place(35, 242, 178, 186, false);
  SetKeyPreview(true);
  ui::BuildLayout(this, kLayout);
  Image1 = ui::Find<ui::Image>(this, "Image1");
  Label1 = ui::Find<ui::Label>(this, "Label1");
  Label2 = ui::Find<ui::Label>(this, "Label2");
  Label3 = ui::Find<ui::Label>(this, "Label3");
  Timer1 = new ui::Timer(this, "Timer1", 500);
  ui::Connect(Timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);
}

void TForm4::Timer1Timer() {}

void TForm4::FormKeyPress(QChar key) { PORONKA->ForwardKey(key); }

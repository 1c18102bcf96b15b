#include "rewards/hundred_screen.h"

#include "app/fonts.h"
#include "app/screens.h"
#include "drill/drill_screen.h"

namespace {

using ui::Component;
using ui::Kind;

using fonts::kGothic;
using fonts::kPGothic;

// The animal faces come with the sheet's green around them and so float on
// the screen's own green.
// clang-format off
constexpr Component kLayout[] = {
    {Kind::Image, "Image1", 0, 208, 105, 113},
    {Kind::Label, "Label1", 8, 32, 265, 33, "よくがんばったね", {kGothic, 32, true, false, 0x0000FF}},
    {Kind::Label, "Label2", 16, 88, 251, 21, "100だいもできてりっぱだよ",
     {kPGothic, 21, true, false, 0xFFFF00}},
    {Kind::Image, "Image2", 184, 296, 33, 33, "", {}, ui::kNone, -1, ":/assets/rice_ball.png"},
    {Kind::Image, "Image3", 224, 296, 33, 33, "", {}, ui::kNone, -1, ":/assets/rice_ball.png"},
    {Kind::Image, "Image4", 80, 136, 97, 97},
    {Kind::Image, "Image5", 176, 128, 105, 105},
    {Kind::Image, "Image6", 176, 232, 97, 89},
    {Kind::Image, "Image7", 96, 208, 81, 113},
    {Kind::Image, "Image8", 0, 136, 81, 81},
    {Kind::Button, "Button1", 16, 336, 105, 33, "もっとやりたい", {kPGothic, 13}, ui::kNone, 0},
    {Kind::Button, "Button2", 160, 336, 105, 33, "もうおしまい", {}, ui::kNone, 1},
};
// clang-format on

}  // namespace

TForm5::TForm5() : ui::Form("Form5") {
  setWindowTitle(QStringLiteral("Form5"));
  SetColor(QColor(0x00, 0x80, 0x00));
  SetFrame(ui::Frame::Single);
  Place(207, 5, 286, 423, false);
  SetShownAtCreation(true);
  ui::BuildLayout(this, kLayout);
  using ui::Find;
  Image1 = Find<ui::Image>(this, "Image1");
  Label1 = Find<ui::Label>(this, "Label1");
  Label2 = Find<ui::Label>(this, "Label2");
  Image2 = Find<ui::Image>(this, "Image2");
  Image3 = Find<ui::Image>(this, "Image3");
  Image4 = Find<ui::Image>(this, "Image4");
  Image5 = Find<ui::Image>(this, "Image5");
  Image6 = Find<ui::Image>(this, "Image6");
  Image7 = Find<ui::Image>(this, "Image7");
  Image8 = Find<ui::Image>(this, "Image8");
  Button1 = Find<QPushButton>(this, "Button1");
  Button2 = Find<QPushButton>(this, "Button2");
  ui::Connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
  ui::Connect(Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
}

void TForm5::Button1Click() { ui::SetVisible(this, false); }

void TForm5::Button2Click() { ui::CloseScreen(PORONKA); }

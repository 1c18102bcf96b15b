#include "rewards/hundred_screen.h"

#include "app/screens.h"
#include "drill/drill_screen.h"

namespace {

using ui::Component;

using fonts::kGothic;
using fonts::kPGothic;

// The animal faces come with the sheet's green around them and so float on
// the screen's own green.
// clang-format off
constexpr Component kLayout[] = {
    {UI_MEMBER(TForm5, Image1), 0, 208, 105, 113},
    {UI_MEMBER(TForm5, Label1), 8, 32, 265, 33, "よくがんばったね", {kGothic, 32, true, false, 0x0000FF}},
    {UI_MEMBER(TForm5, Label2), 16, 88, 251, 21, "100だいもできてりっぱだよ",
     {kPGothic, 21, true, false, 0xFFFF00}},
    {UI_MEMBER(TForm5, Image2), 184, 296, 33, 33, "おにぎり", {}, ui::kNone, -1,
     ":/assets/rice_ball.png"},
    {UI_MEMBER(TForm5, Image3), 224, 296, 33, 33, "おにぎり", {}, ui::kNone, -1,
     ":/assets/rice_ball.png"},
    {UI_MEMBER(TForm5, Image4), 80, 136, 97, 97},
    {UI_MEMBER(TForm5, Image5), 176, 128, 105, 105},
    {UI_MEMBER(TForm5, Image6), 176, 232, 97, 89},
    {UI_MEMBER(TForm5, Image7), 96, 208, 81, 113},
    {UI_MEMBER(TForm5, Image8), 0, 136, 81, 81},
    {UI_MEMBER(TForm5, Button1), 16, 336, 105, 33, "もっとやりたい", {kPGothic, 13}, ui::kNone, 0},
    {UI_MEMBER(TForm5, Button2), 160, 336, 105, 33, "もうおしまい", {}, ui::kNone, 1},
};
// clang-format on

}  // namespace

TForm5::TForm5() : ui::Form("Form5") {
  setWindowTitle(QStringLiteral("Form5"));
  setAccessibleName(QStringLiteral("できたかずの ごほうび"));
  SetColor(QColor(0x00, 0x80, 0x00));
  SetFrame(ui::Frame::Single);
  Place(207, 5, 286, 423, false);
  SetShownAtCreation(true);
  ui::BuildLayout(this, kLayout);
  ui::Connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
  ui::Connect(Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
}

void TForm5::Button1Click() { ui::SetVisible(this, false); }

void TForm5::Button2Click() { ui::CloseScreen(PORONKA); }

#include "rewards/fifty_screen.h"

namespace {

using ui::Component;

using fonts::kPGothic;

// clang-format off
constexpr Component kLayout[] = {
    {UI_MEMBER(TForm3, Image1), 21, 88, 220, 209},
    {UI_MEMBER(TForm3, Label1), 32, 16, 190, 27, "５０だい れんぞく", {kPGothic, 27}},
    {UI_MEMBER(TForm3, Label2), 10, 48, 247, 33, "せいかい おめでとう"},
    {UI_MEMBER(TForm3, BitBtn1), 78, 309, 89, 26, "もっとやる", {kPGothic, 19}, ui::kNone, 0},
};
// clang-format on

}  // namespace

TForm3::TForm3() : ui::Form("Form3") {
  setWindowTitle(QStringLiteral("Form3"));
  setAccessibleName(QStringLiteral("れんぞく ごほうび"));
  SetColor(QColor(0xF1, 0xA2, 0xFF));
  SetDefaultFont(kPGothic, 27, Qt::black);
  SetFrame(ui::Frame::Single);
  Place(216, 22, 269, 354, false);
  ui::BuildLayout(this, kLayout);
  ui::Connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
}

void TForm3::BitBtn1Click() { ui::SetVisible(this, false); }

#include "pictures/sprite_sheet_holder.h"

namespace {

// The sheet (640 x 400) in an image one pixel larger each way.
constexpr ui::Component kLayout[] = {
    {UI_MEMBER(TForm7, Image1), 8, 8, 641, 401, "", {}, ui::kNone, -1, ":/assets/sprite_sheet.bmp"},
};

}  // namespace

TForm7::TForm7() : ui::Form("Form7") {
  setWindowTitle(QStringLiteral("Form7"));
  SetFrame(ui::Frame::Single);
  Place(2, 31, 635, 392, false);
  ui::BuildLayout(this, kLayout);
}

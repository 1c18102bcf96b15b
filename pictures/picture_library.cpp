#include "pictures/picture_library.h"

#include <QStyle>

#include "app/screens.h"
#include "pictures/sprite_sheet_holder.h"

namespace {

using ui::Component;
using ui::Kind;

// Each slot's image is named after what it shows; the images that take its
// picture take the name too.
// clang-format off
constexpr Component kLayout[] = {
    {Kind::Button, "Button1", 168, 8, 89, 25, "ALL"},
    {UI_MEMBER(TForm1, BitBtn1), 512, 336, 65, 65, "閉じる"},
    {Kind::Image, "Image1", 8, 8, 32, 32, "あおい だんご"},
    {Kind::Button, "Button2", 48, 8, 17, 33, "1"},
    {Kind::Image, "Image2", 8, 48, 32, 32, "きいろい しかく"},
    {Kind::Button, "Button3", 48, 48, 17, 33, "2"},
    {Kind::Image, "Image3", 8, 88, 32, 32, "みどりの しかく"},
    {Kind::Button, "Button4", 48, 88, 17, 33, "3"},
    {Kind::Image, "Image4", 8, 136, 89, 81, "うし"},
    {Kind::Button, "Button5", 104, 136, 25, 81, "4"},
    {Kind::Image, "Image5", 8, 224, 97, 65, "さる"},
    {Kind::Button, "Button6", 112, 224, 17, 65, "5"},
    {Kind::Image, "Image6", 8, 296, 102, 105, "ライオン"},
    {Kind::Button, "Button7", 112, 296, 17, 105, "6"},
    {Kind::Image, "Image7", 136, 120, 100, 62, "コアラ"},
    {Kind::Button, "Button8", 240, 120, 17, 65, "7"},
    {Kind::Image, "Image8", 136, 304, 85, 94, "キリン"},
    {Kind::Button, "Button9", 224, 304, 17, 97, "8"},
    {Kind::Image, "Image9", 152, 40, 82, 72, "くま"},
    {Kind::Button, "Button10", 240, 40, 17, 73, "9"},
    {Kind::Image, "Image10", 136, 192, 85, 98, "しゃしん"},
    {Kind::Button, "Button11", 224, 192, 17, 97, "10"},
    {Kind::Image, "Image11", 264, 8, 209, 209, "こねこ"},
    {Kind::Button, "Button12", 480, 8, 25, 209, "11"},
    {Kind::Image, "Image12", 248, 224, 90, 159, "オレンジ"},
    {Kind::Button, "Button13", 248, 384, 89, 17, "12"},
    {Kind::Image, "Image13", 72, 8, 70, 70, "りんご"},
    {Kind::Button, "Button14", 144, 8, 17, 25, "13"},
    {Kind::Image, "Image14", 344, 336, 64, 64, "みずいろの もよう"},
    {Kind::Button, "Button15", 344, 329, 41, 7, "14"},
    {Kind::Image, "Image15", 392, 224, 150, 107, "さかな"},
    {Kind::Button, "Button16", 552, 224, 25, 105, "15"},
    {Kind::Image, "Image16", 512, 8, 60, 60, "ねこ"},
    {Kind::Button, "Button17", 512, 72, 65, 33, "16"},
    {Kind::Image, "Image17", 512, 120, 60, 60, "くま と ほし"},
    {Kind::Button, "Button18", 512, 184, 65, 33, "17"},
    {Kind::Image, "Image18", 344, 224, 40, 40, "みどり"},
    {Kind::Button, "Button19", 344, 264, 41, 9, "18"},
    {Kind::Image, "Image19", 72, 88, 32, 32, "あかい だんご"},
    {Kind::Button, "Button20", 112, 88, 17, 33, "19"},
    {Kind::Image, "Image20", 416, 336, 89, 25, "こくばんけし"},
    {Kind::Button, "Button21", 416, 368, 89, 33, "20"},
    {Kind::Image, "Image21", 344, 280, 33, 33, "ほし"},
    {Kind::Button, "Button22", 344, 312, 33, 9, "21"},
};
// clang-format on

}  // namespace

TForm1::TForm1() : ui::Form("Form1") {
  setWindowTitle(QStringLiteral("Form1"));
  SetFrame(ui::Frame::Sizeable);
  Place(27, 12, 591, 436, true);
  ui::BuildLayout(this, kLayout);

  for (int slot = 1; slot <= kSlots; ++slot) {
    const QByteArray name = "Image" + QByteArray::number(slot);
    slots_.at(static_cast<size_t>(slot)) = ui::Find<ui::Image>(this, name.constData());
  }

  // A close-kind button: a stock glyph (see showEvent), and a click closes
  // its screen.
  connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);

  using T = TForm1;
  constexpr void (T::*handlers[])() = {
      &T::Button1Click,  &T::Button2Click,  &T::Button3Click,  &T::Button4Click,  &T::Button5Click,
      &T::Button6Click,  &T::Button7Click,  &T::Button8Click,  &T::Button9Click,  &T::Button10Click,
      &T::Button11Click, &T::Button12Click, &T::Button13Click, &T::Button14Click, &T::Button15Click,
      &T::Button16Click, &T::Button17Click, &T::Button18Click, &T::Button19Click, &T::Button20Click,
      &T::Button21Click, &T::Button22Click,
  };
  for (int n = 1; n <= kSlots + 1; ++n) {
    const QByteArray name = "Button" + QByteArray::number(n);
    ui::Connect(ui::Find<QPushButton>(this, name.constData()), &QPushButton::clicked, this,
                handlers[n - 1]);
  }
}

// Looking the stock glyph up in the icon themes costs a tenth of the
// program's start-up, and this screen is never shown in normal running.
void TForm1::showEvent(QShowEvent* event) {
  if (BitBtn1->icon().isNull())
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  ui::Form::showEvent(event);
}

// The slot's own bitmap (white, of the image's size, on first use) receives
// the sheet rectangle unscaled; what does not fit is clipped.
void TForm1::cut(int slot) {
  if (!Form7) return;  // no sheet yet
  const sheet_layout::SlotRect& r = sheet_layout::kSlots[slot];
  const ui::Rect from{r.left, r.top, r.right, r.bottom};
  const ui::Rect to{0, 0, from.width(), from.height()};
  QImage& canvas = ui::ImageCanvas(Slot(slot));
  const QImage& sheet = ui::ImageCanvas(Form7->Image1);
  ui::CopyArea(canvas, to, sheet, from);
}

void TForm1::Button1Click() {
  for (int slot = 1; slot <= kSlots; ++slot) cut(slot);
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

#include "drill/drill_screen.h"

#include "app/desktop/input_method.h"
#include "app/screens.h"
#include "app/ui/ui.h"

namespace {

using ui::Component;
using ui::FontSpec;
using ui::kFixedSize;
using ui::kHidden;
using ui::kStretch;
using ui::kUnseen;

using fonts::kDigits;
using fonts::kGothic;
using fonts::kPGothic;
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kYellow = 0xFFFF00;
constexpr QRgb kBlack = 0x000000;

constexpr FontSpec kSign{kPGothic, 37, true, false, kWhite};
constexpr FontSpec kFeedback{kGothic, 19, true, false, kWhite};
constexpr FontSpec kSmallWhite{kPGothic, 11, false, false, kWhite};
constexpr FontSpec kKey{kDigits, 24, false, false, kBlack};
constexpr FontSpec kHint{kGothic, 13, false, true, kBlack};

// Rows in stacking order: later rows lie over earlier ones.
// clang-format off
constexpr Component kLayout[] = {
    // problem line
    {UI_MEMBER(TPORONKA, Image4), 16, 16, 41, 41, "", {}, kStretch | kHidden},
    {UI_MEMBER(TPORONKA, Label4), 155, 19, 13, 37, "", kSign},
    {UI_MEMBER(TPORONKA, Image5), 109, 16, 41, 41, "", {}, kStretch | kHidden},
    {UI_MEMBER(TPORONKA, Label2), 64, 19, 13, 37, "", kSign},
    {UI_MEMBER(TPORONKA, Label3), 115, 19, 26, 35, "0", {kDigits, 35, false, false, kWhite},
     kHidden},
    {UI_MEMBER(TPORONKA, Label5), 190, 19, 28, 37, "0", {kDigits, 37, false, false, kYellow},
     kHidden},
    {UI_MEMBER(TPORONKA, Image2), 192, 48, 25, 33, "きいろい チョーク", {}, kHidden, -1,
     ":/assets/chalk_icon.png"},
    {UI_MEMBER(TPORONKA, Image3), 216, 48, 25, 33, "きいろい チョーク", {}, kHidden, -1,
     ":/assets/chalk_icon.png"},
    {UI_MEMBER(TPORONKA, Label1), 22, 19, 30, 37, "0", {kDigits, 35, false, false, kWhite},
     kFixedSize | kHidden},
    // feedback, at most one showing
    {UI_MEMBER(TPORONKA, Label6), 26, 80, 101, 19, "あってるよ", kFeedback, kHidden},
    {UI_MEMBER(TPORONKA, Label8), 8, 80, 141, 19, "まだちがうなあ", kFeedback, kHidden},
    {UI_MEMBER(TPORONKA, Label9), 8, 72, 161, 19, "それもちがうなあ", kFeedback, kHidden},
    {UI_MEMBER(TPORONKA, Label7), 26, 80, 101, 19, "ちがうなあ", kFeedback, kHidden},
    {UI_MEMBER(TPORONKA, Image1), 27, 104, 110, 113, "", {}, kHidden},
    // left column
    {UI_MEMBER(TPORONKA, Button13), 16, 216, 121, 49, "もんだい", {kGothic, 19, false, true, kBlack},
     0, 0},
    {UI_MEMBER(TPORONKA, Button11), 16, 264, 121, 25, "おしまい", {}, 0, 20},
    {UI_MEMBER(TPORONKA, RadioGroup1), 16, 296, 121, 25, "もんだいの出しかた|じどう|ボタン",
     kSmallWhite, 0, 16},
    {UI_MEMBER(TPORONKA, Label10), 16, 360, 52, 11, "やったかず", kSmallWhite},
    {UI_MEMBER(TPORONKA, Edit1), 96, 360, 33, 20, "0", {}, 0, 17},
    {UI_MEMBER(TPORONKA, Label11), 16, 384, 71, 11, "すぐできたかず", kSmallWhite},
    {UI_MEMBER(TPORONKA, Edit2), 96, 384, 33, 20, "0", {}, 0, 18},
    // keypad: 7 8 9 / 4 5 6 / 1 2 3 / 0 けす, then the hints
    {UI_MEMBER(TPORONKA, Button7), 152, 112, 41, 41, "7", kKey, 0, 1},
    {UI_MEMBER(TPORONKA, Button8), 192, 112, 41, 41, "8", kKey, 0, 2},
    {UI_MEMBER(TPORONKA, Button9), 232, 112, 41, 41, "9", kKey, 0, 3},
    {UI_MEMBER(TPORONKA, Button4), 152, 152, 41, 41, "4", kKey, 0, 4},
    {UI_MEMBER(TPORONKA, Button5), 192, 152, 41, 41, "5", kKey, 0, 7},
    {UI_MEMBER(TPORONKA, Button6), 232, 152, 41, 41, "6", kKey, 0, 8},
    {UI_MEMBER(TPORONKA, Button1), 152, 192, 41, 41, "1", kKey, 0, 5},
    {UI_MEMBER(TPORONKA, Button2), 192, 192, 41, 41, "2", kKey, 0, 9},
    {UI_MEMBER(TPORONKA, Button3), 232, 192, 41, 41, "3", kKey, 0, 10},
    {UI_MEMBER(TPORONKA, Button10), 152, 232, 81, 41, "0", kKey, 0, 6},
    {UI_MEMBER(TPORONKA, BitBtn1), 232, 232, 41, 41, "けす", {kPGothic, 15, false, false, kBlack}, 0,
     21},
    {UI_MEMBER(TPORONKA, Button15), 152, 274, 121, 39, "わかんない", kHint, 0, 13},
    {UI_MEMBER(TPORONKA, Button17), 152, 312, 121, 41, "まだわかんない", kHint, 0, 15},
    // praise pictures kept under the keypad, never seen
    {UI_MEMBER(TPORONKA, Image6), 152, 112, 33, 41, "", {}, kUnseen},
    {UI_MEMBER(TPORONKA, Image7), 152, 152, 33, 41, "", {}, kUnseen},
    {UI_MEMBER(TPORONKA, Image8), 152, 192, 33, 41, "", {}, kUnseen},
    {UI_MEMBER(TPORONKA, Image9), 152, 232, 33, 41, "", {}, kUnseen},
    {UI_MEMBER(TPORONKA, Image11), 152, 272, 33, 41, "", {}, kUnseen},
    {UI_MEMBER(TPORONKA, Image12), 152, 312, 41, 41, "", {}, kUnseen},
    // chalk tray: the white chalks and the eraser take the focus, left to right
    {UI_MEMBER(TPORONKA, Image20), 176, 384, 6, 33, "もんだいを かえる", {}, kStretch,
     22, ":/assets/white_chalk.bmp"},
    {UI_MEMBER(TPORONKA, Image30), 184, 384, 6, 33, "もんだいを かえる", {}, kStretch,
     22, ":/assets/white_chalk.bmp"},
    {UI_MEMBER(TPORONKA, Image40), 200, 384, 6, 33, "きいろい チョーク", {}, kStretch,
     -1, ":/assets/yellow_chalk.bmp"},
    {UI_MEMBER(TPORONKA, Image10), 218, 384, 57, 25, "こくばんけし", {}, kStretch, 22},
    {UI_MEMBER(TPORONKA, Button19), 0, 408, 286, 17, "", {}, 0, 22},
    // operations other handlers call; never visible
    {UI_MEMBER(TPORONKA, Button12), 72, 0, 52, 17, "判定", {}, kHidden | kUnseen, 11},
    {UI_MEMBER(TPORONKA, Button14), 126, 0, 59, 17, "だんご配列", {}, kHidden | kUnseen, 12},
    {UI_MEMBER(TPORONKA, Button16), 186, -8, 52, 25, "だんご減", {}, kHidden | kUnseen, 14},
    {UI_MEMBER(TPORONKA, Button18), 240, 384, 33, 17, "リセット", {}, kHidden | kUnseen, 19},
    {UI_MEMBER(TPORONKA, Button20), 152, 368, 49, 17, "Button20", {}, kHidden | kUnseen, 23},
    {UI_MEMBER(TPORONKA, Button21), 152, 384, 49, 17, "Button21", {}, kHidden | kUnseen, 24},
    {UI_MEMBER(TPORONKA, Button22), 208, 368, 25, 17, "22", {}, kHidden | kUnseen, 25},
    {UI_MEMBER(TPORONKA, Button23), 208, 384, 25, 17, "23", {}, kHidden | kUnseen, 26},
};
// clang-format on

}  // namespace

TPORONKA::TPORONKA() : ui::Form("PORONKA") {
  setWindowTitle(QStringLiteral("PORONKA"));
  setAccessibleName(QStringLiteral("ポロンカ"));
  SetColor(QColor(0x00, 0x80, 0x00));
  SetFrame(ui::Frame::SingleBare);
  Place(208, 6, 283, 422, false);
  SetKeyPreview(true);
  ui::BuildLayout(this, kLayout);

  // The counts are the program's to write: a child typing into them would
  // spoil them. They still take the focus, and the key preview still gives
  // every digit typed there to the answer.
  Edit1->setReadOnly(true);
  Edit2->setReadOnly(true);

  // Every digit typed into a count field reaches the drill as a key.
  for (QLineEdit* count : {Edit1, Edit2}) ui::KeepInputMethodOff(count);
  // A screen reader names each count by the words beside it, and the bare
  // tray by what it is.
  Label10->setBuddy(Edit1);
  Label11->setBuddy(Edit2);
  Button19->setAccessibleName(QStringLiteral("チョークおき"));

  Timer1 = new ui::Timer(this, "Timer1", 750);
  Timer2 = new ui::Timer(this, "Timer2", 100);
  Timer3 = new ui::Timer(this, "Timer3", 40);
  Timer4 = new ui::Timer(this, "Timer4", 100);
  // Sleeping rules: each timer sleeps while a tick of it would change nothing.
  Timer1->SleepWhile([] { return true; });                      // its tick does nothing at all
  Timer2->SleepWhile([this] { return AutoNextPending != 1; });  // counts only while a next is due
  Timer3->SleepWhile([this] { return WritingMode == 0; });      // no chalk to move
  Timer4->SleepWhile([this] { return RadioGroup1->ItemIndex() != 1 || Image1->isHidden(); });

  using ui::Connect;
  using T = TPORONKA;
  const auto click = &QPushButton::clicked;
  Connect(Button1, click, this, &T::Button1Click);
  Connect(Button2, click, this, &T::Button2Click);
  Connect(Button3, click, this, &T::Button3Click);
  Connect(Button4, click, this, &T::Button4Click);
  Connect(Button5, click, this, &T::Button5Click);
  Connect(Button6, click, this, &T::Button6Click);
  Connect(Button7, click, this, &T::Button7Click);
  Connect(Button8, click, this, &T::Button8Click);
  Connect(Button9, click, this, &T::Button9Click);
  Connect(Button10, click, this, &T::Button10Click);
  Connect(BitBtn1, click, this, &T::BitBtn1Click);
  Connect(Button11, click, this, &T::Button11Click);
  Connect(Button12, click, this, &T::Button12Click);
  Connect(Button13, click, this, &T::Button13Click);
  Connect(Button14, click, this, &T::Button14Click);
  Connect(Button15, click, this, &T::Button15Click);
  Connect(Button16, click, this, &T::Button16Click);
  Connect(Button17, click, this, &T::Button17Click);
  Connect(Button18, click, this, &T::Button18Click);
  Connect(Button20, click, this, &T::Button20Click);
  Connect(Image10, &ui::Image::clicked, this, &T::Image10Click);
  Connect(Image20, &ui::Image::clicked, this, &T::Image20Click);
  Connect(Image30, &ui::Image::clicked, this, &T::Image30Click);
  Connect(Timer1, &QTimer::timeout, this, &T::Timer1Timer);
  Connect(Timer2, &QTimer::timeout, this, &T::Timer2Timer);
  Connect(Timer3, &QTimer::timeout, this, &T::Timer3Timer);
  Connect(Timer4, &QTimer::timeout, this, &T::Timer4Timer);
}

// Ticks without anything the child could see.
void TPORONKA::Timer1Timer() {}

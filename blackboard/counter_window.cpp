#include "blackboard/counter_window.h"

#include <QShowEvent>

#include "app/desktop/window_manager.h"
#include "app/screens.h"
#include "drill/drill_screen.h"
#include "rewards/greeting.h"

namespace {

using ui::Component;
using ui::kHidden;
using ui::Kind;
using ui::kStretch;

// Top edge of rows 1 (top) to 10 (bottom); 16 extra pixels between rows 5
// and 6 split each column into an upper and a lower five.
constexpr int kRow[] = {0, 24, 56, 88, 120, 152, 200, 232, 264, 296, 328};
// Half-way between row n and row n + 1, where a climbing counter stops.
constexpr int kHalf[] = {0, 40, 72, 104, 136, 176, 216, 248, 280, 312};
constexpr int kLeft = 16;
constexpr int kRight = 64;
constexpr int kSide = 33;  // one pixel wider than the tile, so tiles touch

// Rows in stacking order, furthest back first. Images that share a place are
// never shown together.
// clang-format off
constexpr Component kLayout[] = {
    {Kind::Image, "Image9", kLeft, kRow[9], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image29", kLeft, kRow[9], kSide, kSide, "", {}, kHidden},
    // crossed blue counters, right column
    {Kind::Image, "Image40", kRight, kRow[10], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image39", kRight, kRow[9], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image38", kRight, kRow[8], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image37", kRight, kRow[7], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image36", kRight, kRow[6], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image35", kRight, kRow[5], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image34", kRight, kRow[4], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image33", kRight, kRow[3], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image32", kRight, kRow[2], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image31", kRight, kRow[1], kSide, kSide, "", {}, kHidden},
    // second addend, right column
    {Kind::Image, "Image20", kRight, kRow[10], kSide, kSide},
    {Kind::Image, "Image19", kRight, kRow[9], kSide, kSide},
    {Kind::Image, "Image18", kRight, kRow[8], kSide, kSide},
    {Kind::Image, "Image17", kRight, kRow[7], kSide, kSide},
    {Kind::Image, "Image16", kRight, kRow[6], kSide, kSide},
    {Kind::Image, "Image15", kRight, kRow[5], kSide, kSide},
    {Kind::Image, "Image14", kRight, kRow[4], kSide, kSide},
    {Kind::Image, "Image13", kRight, kRow[3], kSide, kSide},
    {Kind::Image, "Image12", kRight, kRow[2], kSide, kSide},
    {Kind::Image, "Image11", kRight, kRow[1], kSide, kSide},
    // crossed red counters, left column
    {Kind::Image, "Image30", kLeft, kRow[10], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image28", kLeft, kRow[8], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image27", kLeft, kRow[7], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image26", kLeft, kRow[6], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image25", kLeft, kRow[5], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image24", kLeft, kRow[4], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image23", kLeft, kRow[3], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image22", kLeft, kRow[2], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image21", kLeft, kRow[1], kSide, kSide, "", {}, kHidden},
    // first addend, left column
    {Kind::Image, "Image10", kLeft, kRow[10], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image8", kLeft, kRow[8], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image7", kLeft, kRow[7], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image6", kLeft, kRow[6], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image5", kLeft, kRow[5], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image4", kLeft, kRow[4], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image3", kLeft, kRow[3], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image2", kLeft, kRow[2], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image1", kLeft, kRow[1], kSide, kSide, "", {}, kHidden},
    // sliding red counters, right column
    {Kind::Image, "Image41", kRight, kHalf[1], kSide, kSide},
    {Kind::Image, "Image42", kRight, kHalf[2], kSide, kSide},
    {Kind::Image, "Image43", kRight, kHalf[3], kSide, kSide},
    {Kind::Image, "Image44", kRight, kHalf[4], kSide, kSide},
    {Kind::Image, "Image45", kRight, kHalf[5], kSide, kSide},
    {Kind::Image, "Image46", kRight, kHalf[6], kSide, kSide},
    {Kind::Image, "Image47", kRight, kHalf[7], kSide, kSide},
    {Kind::Image, "Image48", kRight, kHalf[8], kSide, kSide},
    {Kind::Image, "Image49", kRight, kHalf[9], kSide, kSide},
    // sliding blue counters, left column
    {Kind::Image, "Image51", kLeft, kHalf[1], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image52", kLeft, kHalf[2], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image53", kLeft, kHalf[3], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image54", kLeft, kHalf[4], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image55", kLeft, kHalf[5], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image56", kLeft, kHalf[6], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image57", kLeft, kHalf[7], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image58", kLeft, kHalf[8], kSide, kSide, "", {}, kHidden},
    {Kind::Image, "Image59", kLeft, kHalf[9], kSide, kSide, "", {}, kHidden},
    // the tray: eraser, two white chalks, the ledge
    {Kind::Image, "Image50", 49, 384, 57, 25, "", {}, kStretch},
    {Kind::Image, "Image60", 4, 384, 6, 33, "しろい チョーク", {}, kStretch, -1,
     ":/assets/white_chalk.bmp"},
    {Kind::Image, "Image61", 12, 389, 6, 33, "しろい チョーク", {}, kStretch, -1,
     ":/assets/white_chalk.bmp"},
    {UI_MEMBER(TForm2, Button1), 0, 408, 115, 17, "", {}, ui::kNone, 0},
};
// clang-format on

// Every counter image: the six groups, without the tray's Image50.
bool IsCounter(int number) { return number >= 1 && number <= 59 && number != 50; }

// The first addend stands in the left column, the second in the right one,
// each from the bottom row up.
ui::Image* FirstAddendCounter(int level) { return Form2->Img(11 - level); }
ui::Image* SecondAddendCounter(int level) { return Form2->Img(21 - level); }

std::int32_t FirstAddend() { return ui::TextToInt(PORONKA->Label1->Caption()); }
std::int32_t SecondAddend() { return ui::TextToInt(PORONKA->Label3->Caption()); }

}  // namespace

TForm2::TForm2() : ui::Form("Form2") {
  setWindowTitle(QString());
  setAccessibleName(QStringLiteral("だんご"));
  SetColor(QColor(0x00, 0x80, 0x00));
  SetFrame(ui::Frame::SingleBare);
  Place(87, 6, 114, 422, false);
  SetKeyPreview(true);
  ui::BuildLayout(this, kLayout);
  for (size_t n = 1; n < images_.size(); ++n) {
    const QByteArray name = "Image" + QByteArray::number(n);
    images_.at(n) = ui::Find<ui::Image>(this, name.constData());
  }
  // Where the board moves or changes size (dragged, or its screen changed),
  // the window showing beside it follows, once the move has been made.
  if (PORONKA)
    wm::OnMoved(PORONKA, this, [this] {
      if (isVisible()) StandBesideBoard();
    });
  // A change of scale may reach this window after the board: once it has its
  // own new size, it stands again.
  wm::OnMoved(this, this, [this] {
    if (isVisible() && devicePixelRatioF() != stoodAtRatio_) StandBesideBoard();
  });
  // Showing the window gives it the keys; its one control, and Tab, lead
  // back to the board.
  Button1->setAccessibleName(QStringLiteral("こくばんに もどる"));
  ui::Connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
  LeadTabTo(PORONKA, TabOut::Back);
}

void TForm2::FormKeyPress(QChar key) { PORONKA->ForwardKey(key); }

void TForm2::Button1Click() { ui::GiveKeysTo(PORONKA); }

// The window stands against the drill screen's left edge, top edges level,
// whatever frames the window manager draws. Until it has framed this window,
// its frame is taken to be the drill screen's, which has the same style. Once
// it is framed, a window manager that put it elsewhere gets another request;
// one that keeps it off (the edge of the screen) is left alone after two.
// On X11 the place is then put right to the device pixel, which a scaled
// desktop's logical pixels cannot always name.
void TForm2::StandBesideBoard() {
  stoodAtRatio_ = devicePixelRatioF();
  QMargins margins = wm::FrameMargins(this);
  if (margins.isNull()) margins = wm::FrameMargins(PORONKA);
  const QPoint at = wm::LeftOf(PORONKA->frameGeometry(), size(), margins);
  if (pos() != at) move(at);
  wm::StandLeftOf(this, PORONKA);
}

void TForm2::showEvent(QShowEvent* event) {
  ui::Form::showEvent(event);
  if (!PORONKA || event->spontaneous()) return;
  // A child at the keys sees where they went: the tray that leads back.
  if (PORONKA->testAttribute(Qt::WA_KeyboardFocusChange)) setAttribute(Qt::WA_KeyboardFocusChange);
  if (!watchingFrame_) {
    watchingFrame_ = true;
    wm::OnFramed(this, [this] {
      if (!PORONKA || !isVisible() || corrections_ >= 2) return;
      ++corrections_;
      StandBesideBoard();
    });
  }
  corrections_ = 0;
  StandBesideBoard();
}

// Clears whatever an earlier arrangement or a making-ten animation left, then
// stands the second addend and then the first in their columns. The labels are
// read at every comparison; a caption that is no number stops the arrangement
// where it is.
void TPORONKA::Button14Click() {
  for (int n = 1; n <= 59; ++n)
    if (IsCounter(n)) Form2->Img(n)->setVisible(false);
  for (int level = 1; level <= 10; ++level)
    if (SecondAddend() >= level) SecondAddendCounter(level)->setVisible(true);
  for (int level = 1; level <= 10; ++level)
    if (FirstAddend() >= level) FirstAddendCounter(level)->setVisible(true);
}

// The smaller addend's counters move over to complete the other column; with
// equal addends the red ones move.
void TPORONKA::Button16Click() {
  const std::int32_t first = FirstAddend();
  const std::int32_t second = SecondAddend();
  if (first < second)
    Form6->Button2Click();
  else
    Form6->Button1Click();
}

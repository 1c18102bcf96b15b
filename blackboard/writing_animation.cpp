// The yellow chalk writes each typed digit in five strokes, then the drill
// judges the answer.
#include <array>

#include "drill/drill_screen.h"

namespace {

struct Stroke {
  int left, top;
};

// Ticks 1 to 5; the second chalk writes 23 to 25 pixels further right.
constexpr std::array<Stroke, 5> kFirstDigit{
    {{193, 30}, {209, 33}, {198, 40}, {206, 46}, {200, 48}}};
constexpr std::array<Stroke, 5> kSecondDigit{
    {{216, 30}, {233, 33}, {222, 40}, {231, 46}, {224, 48}}};

// Top first, then left, as the chalk has always moved.
void MoveTo(ui::Image* chalk, const std::array<Stroke, 5>& strokes, std::int32_t tick) {
  const Stroke& s = strokes.at(static_cast<size_t>(tick - 1));
  chalk->SetTop(s.top);
  chalk->SetLeft(s.left);
}

}  // namespace

// The two animations share WritingTick: a second digit that comes while the
// first is being written only runs the ticks that are left, and the judge
// runs once, on the two-digit number. The judge runs before the chalks are
// swapped, so whatever it opens comes up within this tick; should it fail,
// the swap does not happen.
void TPORONKA::Timer3Timer() {
  if (WritingMode == 2) {
    ++WritingTick;
    if (WritingTick == 1) {
      Image40->setVisible(false);
      Image2->setVisible(true);
    }
    MoveTo(Image2, kFirstDigit, WritingTick);
    if (WritingTick == 5) {
      WritingTick = 0;
      WritingMode = 0;
      Button12Click();
      Image2->setVisible(false);
      Image3->setVisible(true);
    }
  }
  if (WritingMode == 3) {
    ++WritingTick;
    if (WritingTick == 1) {
      Image3->setVisible(true);
      Image40->setVisible(false);
    }
    MoveTo(Image3, kSecondDigit, WritingTick);
    if (WritingTick == 5) {
      WritingTick = 0;
      WritingMode = 0;
      Button12Click();
      Image3->setVisible(false);
      Image40->setVisible(true);
    }
  }
}

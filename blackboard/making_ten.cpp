// The making-ten animation: counters of one addend climb their column and
// cross over until the other column holds ten. Nothing is ever moved: every
// place in the counter window has its own image, and a step hides one image
// and shows another.
#include "app/screens.h"
#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "rewards/greeting.h"

namespace {

constexpr int kStepMs = 80;
constexpr int kPauseMs = 700;  // after each crossing but the last

// The images one kind of animation works with, by level (1 is the bottom
// row): image number = base - level.
struct Columns {
  int giving;   // counter of the moving addend on level L
  int sliding;  // that counter half-way above level L
  int crossed;  // a moved counter on level L of the receiving column
};
constexpr Columns kRedMoves{21, 50, 31};   // kind 1: right column gives to the left
constexpr Columns kBlueMoves{11, 60, 41};  // kind 2: left column gives to the right

void Hide(int number) { Form2->Img(number)->setVisible(false); }
void Show(int number) { Form2->Img(number)->setVisible(true); }

}  // namespace

// Both kinds read the first addend, then the second, afresh; only which
// column gives and which receives differs.
void TForm6::Button1Click() {
  const std::int32_t first = ui::TextToInt(PORONKA->Label1->Caption());
  const std::int32_t second = ui::TextToInt(PORONKA->Label3->Caption());
  StartMove(1, first, second);
}

void TForm6::Button2Click() {
  const std::int32_t first = ui::TextToInt(PORONKA->Label1->Caption());
  const std::int32_t second = ui::TextToInt(PORONKA->Label3->Caption());
  StartMove(2, second, first);
}

void TForm6::StartMove(std::int32_t kind, std::int32_t receiving, std::int32_t giving) {
  TargetStackHeight = receiving;
  GivingStackCount = giving;
  StepCount = 0;
  StepPhase = 0;
  AnimationMode = kind;
}

// Every decision reads where the moving counter stood at the end of the
// previous tick; what this tick changes is seen only by the next one. So the
// settle onto the top of the receiving column and the crossing fall in the
// same tick, and the counter is never seen there in its own column.
void TForm6::Timer1Timer() {
  const auto step = [this](const Columns& c) {
    Timer1->SetInterval(kStepMs);
    const std::int32_t s = GivingStackCount + PrevStepCount;
    const std::int32_t p = PrevStepPhase;
    for (std::int32_t level = 1; level <= 8; ++level) {
      if (s == level && TargetStackHeight > level && p == 0) {  // rise
        Hide(c.giving - level);
        Show(c.sliding - level);
        ++StepCount;
        StepPhase = (StepPhase + 1) % 2;
      }
      if (s == level + 1 && TargetStackHeight > level && p == 1) {  // settle
        Hide(c.sliding - level);
        Show(c.giving - (level + 1));
        StepPhase = (StepPhase + 1) % 2;
      }
    }
    if (GivingStackCount + PrevStepCount == TargetStackHeight) {
      if (TargetStackHeight == 9) {  // the last counter: the column holds ten
        Hide(c.giving - 9);
        Show(c.crossed - 10);
        TargetStackHeight = 10;
        AnimationMode = 0;
      }
      // Descending, so that the height one crossing sets matches no later test.
      for (std::int32_t top = 8; top >= 5; --top) {
        if (TargetStackHeight == top) {
          Hide(c.giving - top);
          Show(c.crossed - (top + 1));
          TargetStackHeight = top + 1;
          --GivingStackCount;
          Timer1->SetInterval(kPauseMs);
        }
      }
      StepCount = 0;
    }
  };
  if (AnimationMode == 1) step(kRedMoves);
  if (AnimationMode == 2) step(kBlueMoves);
  PrevStepCount = StepCount;
  PrevStepPhase = StepPhase;
}

#include "rewards/greeting.h"

#include "app/screens.h"
#include "drill/drill_screen.h"

namespace {

using ui::Component;

// A silver plate with navy writing across the lower part of the kitten.
// clang-format off
constexpr Component kLayout[] = {
    {UI_MEMBER(TForm6, Image1), 0, 0, 137, 177},
    {UI_MEMBER(TForm6, Label1), 16, 136, 105, 24, " やあ！ ", {fonts::kGothic, 24, true, false, 0x000080},
     ui::kOpaque, -1, nullptr, 0xC0C0C0},
    // the making-ten animation's starts, never visible
    {UI_MEMBER(TForm6, Button1), 8, 112, 49, 17, "Button1", {}, ui::kHidden | ui::kUnseen},
    {UI_MEMBER(TForm6, Button2), 72, 112, 49, 17, "Button2", {}, ui::kHidden | ui::kUnseen},
};
// clang-format on

constexpr std::int32_t kVisitEvery = 300;  // ticks of one second: five minutes
constexpr std::int32_t kVisitLasts = 3;

// The phrase put up at each visit from the second on, sized so that every
// phrase comes out about 96 pixels wide. The first visit keeps the stored
// caption; from the fifteenth on the last phrase stays.
struct Phrase {
  std::int32_t at;
  int points;
  const char* text;
};
// clang-format off
constexpr Phrase kPhrases[] = {
    {600, 18, "それいけ"},        {900, 18, "しっかり"},        {1200, 18, "がんばれ"},
    {1500, 12, "がんばってね"},   {1800, 12, "つかれたかな"},   {2100, 12, "むりしないで"},
    {2400, 12, "すきなんだね"},   {2700, 10, "まだやってるの"}, {3000, 12, "きみはすごい"},
    {3300, 10, "ねばりづよいね"}, {3600, 10, "こんきがいいね"}, {3900, 12, "もうやめたら"},
    {4200, 10, "おわりにしよう"}, {4500, 12, "もうしらない"},
};
// clang-format on

}  // namespace

TForm6::TForm6() : ui::Form("Form6") {
  setWindowTitle(QStringLiteral("Form6"));
  setAccessibleName(QStringLiteral("こねこ"));
  SetColor(QColor(0x00, 0x80, 0x00));
  SetFrame(ui::Frame::SingleBare);
  Place(484, 4, 135, 174, false);
  SetKeyPreview(true);
  LeadTabTo(PORONKA, TabOut::Back);  // it has no control of its own
  ui::BuildLayout(this, kLayout);
  ui::Connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
  ui::Connect(Button2, &QPushButton::clicked, this, &TForm6::Button2Click);
  Timer1 = new ui::Timer(this, "Timer1", 130);
  Timer2 = new ui::Timer(this, "Timer2", 1000);
  // Idle, once the copies of the last step are taken, a making-ten tick changes nothing.
  Timer1->SleepWhile([this] {
    return AnimationMode == 0 && PrevStepCount == StepCount && PrevStepPhase == StepPhase;
  });
  ui::Connect(Timer1, &QTimer::timeout, this, &TForm6::Timer1Timer);
  ui::Connect(Timer2, &QTimer::timeout, this, &TForm6::Timer2Timer);
}

// The phrase changes before the window comes up, so each visit shows its new
// phrase from its first moment. The count 0 is a multiple of 300 too: the
// window must not come up at the very first tick.
void TForm6::Timer2Timer() {
  for (const Phrase& phrase : kPhrases) {
    if (GreetingSeconds == phrase.at) {
      Label1->SetFontSize(phrase.points);
      Label1->SetCaption(QString::fromUtf8(phrase.text));
    }
  }
  if (GreetingSeconds % kVisitEvery == 0 && GreetingSeconds > 1) ui::SetVisible(this, true);
  if (GreetingSeconds % kVisitEvery == kVisitLasts && GreetingSeconds > 1)
    ui::SetVisible(this, false);
  ++GreetingSeconds;
}

void TForm6::FormKeyPress(QChar key) { PORONKA->ForwardKey(key); }

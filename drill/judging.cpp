// Judging, hints, scores, the automatic next problem, reset and end.
#include <cstdint>
#include <initializer_list>

#include "app/screens.h"
#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "rewards/badge.h"
#include "rewards/fifty_screen.h"
#include "rewards/greeting.h"
#include "rewards/hundred_screen.h"

namespace {

constexpr std::int32_t kNextProblemTick = 12;  // 1.2 s of Timer2
constexpr std::int32_t kPraiseEndTick = 20;    // 2.0 s of Timer2 or Timer4
constexpr int kHintFontPoints = 26;
constexpr int kMakingTenFirstStepMs = 800;

// n in plain digits directly followed by the words.
QString Milestone(std::int64_t n, const char* literal) {
  return QString::number(n) + QString::fromUtf8(literal);
}

// What a reward screen that has just come up says, line by line.
QString Lines(std::initializer_list<const ui::Label*> labels) {
  QStringList lines;
  for (const ui::Label* label : labels) lines << label->Caption().trimmed();
  return lines.join(QStringLiteral("、"));
}

}  // namespace

void TPORONKA::Button11Click() { ui::CloseScreen(this); }

// Runs once at the end of every chalk animation.
void TPORONKA::Button12Click() {
  if (TypedAnswer > 99) TypedAnswer %= 10;
  // Typing on the solved problem puts off the next one; once the next one is
  // up, what the child types there must not bring yet another.
  if (AutoNextTicks < kNextProblemTick) AutoNextTicks = 0;
  Label5->SetCaption(ui::IntToText(TypedAnswer));
  // Every sum is at least 10: one digit is only written, never judged.
  if (TypedAnswer <= 9) return;

  if (TypedAnswer == CorrectSum) {
    ++CorrectStreak;
    AutoNextPending = 0;
    QStringList rewards;  // said after the judgement and the counts
    if (CorrectStreak % 50 == 0) {
      Form3->Label1->SetCaption(Milestone(CorrectStreak, "だい れんぞく"));
      ui::SetVisible(Form3, true);
      rewards << Lines({Form3->Label1, Form3->Label2});
    }
    // The child may have typed anything into Edit2; when it is not a number
    // this throws, and the rest of this answer is not counted.
    const std::int32_t shown = ui::TextToInt(Edit2->text());
    const std::int64_t solved = std::int64_t{shown} + 1;  // 64 bits: Edit2 may hold the largest int
    if (solved % 100 == 0 && shown > 1) {
      Form5->Label2->SetCaption(Milestone(solved, "だいもできてりっぱだよ"));
      ui::SetVisible(Form5, true);
      ui::RaiseToTop(Form5);  // it has stood visible behind the backdrop since start
      rewards << Lines({Form5->Label1, Form5->Label2});
    }
    if (CorrectStreak % 10 == 0 && CorrectStreak % 50 != 0) {
      Form4->Label2->SetCaption(Milestone(CorrectStreak, "だいつづけて"));
      ui::SetVisible(Form4, true);
      rewards << Lines({Form4->Label1, Form4->Label2, Form4->Label3});
    }
    Image1->setVisible(true);
    Label6->setVisible(true);
    Label7->setVisible(false);
    Label8->setVisible(false);
    Label9->setVisible(false);
    if (RadioGroup1->ItemIndex() == 0) {
      AutoNextPending = 1;
      AutoNextTicks = 0;  // a new wait for every right answer
    }
    if (WrongTries == 0) ++FirstTryCount;
    Edit1->setText(ui::IntToText(ProblemsAsked));
    Edit2->setText(ui::IntToText(FirstTryCount));
    ui::Announce(this, Label6->Caption());
    ui::Announce(this,
                 QStringLiteral("%1 %2、%3 %4")
                     .arg(Label10->Caption(), Edit1->text(), Label11->Caption(), Edit2->text()));
    for (const QString& reward : rewards) ui::Announce(this, reward);
    return;
  }

  ui::Beep();
  TypedAnswer = kBlankAfterWrong;  // Label5 keeps the wrong number
  CorrectStreak = 0;
  Image1->setVisible(false);
  Label6->setVisible(false);
  Label7->setVisible(WrongTries == 0);
  Label8->setVisible(WrongTries == 1);
  Label9->setVisible(WrongTries >= 2);
  for (const ui::Label* feedback : {Label7, Label8, Label9})
    if (!feedback->isHidden()) ui::Announce(this, feedback->Caption());
  if (WrongTries == 0) {
    Button15Click();
  } else if (WrongTries == 1) {
    Button17Click();
  } else {
    Button15Click();
    Button17Click();
  }
  ++WrongTries;
}

// "わかんない": the addends on their coloured squares and the counters.
void TPORONKA::Button15Click() {
  AutoNextPending = 0;
  Label1->SetFontSize(kHintFontPoints);
  Label3->SetFontSize(kHintFontPoints);
  Image4->setVisible(true);
  Image5->setVisible(true);
  ui::SetVisible(Form2, true);
  Button14Click();
  ui::Announce(
      this,
      QStringLiteral("だんご あお %1 こ、あか %2 こ").arg(Label1->Caption(), Label3->Caption()));
}

// "まだわかんない": the first hint, then the counters make ten.
void TPORONKA::Button17Click() {
  AutoNextPending = 0;
  Label1->SetFontSize(kHintFontPoints);
  Label3->SetFontSize(kHintFontPoints);
  Image4->setVisible(true);
  Image5->setVisible(true);
  Form6->Timer1->SetInterval(kMakingTenFirstStepMs);
  Button15Click();
  ui::SetVisible(Form2, true);
  Button16Click();
  ui::Announce(this, QStringLiteral("だんごで 10 を つくるよ"));
}

// The streak, the problem on the board and the automatic-next state stay.
void TPORONKA::Button18Click() {
  ProblemsAsked = 0;
  FirstTryCount = 0;
  Edit1->setText(QStringLiteral("0"));
  Edit2->setText(QStringLiteral("0"));
  for (QWidget* w : std::initializer_list<QWidget*>{Image4, Image5, Label1, Label2, Label3, Label4,
                                                    Label5, Label6, Label7, Label8, Label9})
    w->setVisible(false);
  ui::SetVisible(Form2, false);
}

// One new problem per right answer, 1.2 s after it (later when the child
// types on the solved problem); the praise picture goes at 2.0 s.
void TPORONKA::Timer2Timer() {
  if (AutoNextPending != 1) return;
  ++AutoNextTicks;
  if (AutoNextTicks == kNextProblemTick) Button13Click();
  if (AutoNextTicks == kPraiseEndTick) {
    Image1->setVisible(false);
    AutoNextPending = 0;
    AutoNextTicks = 0;
  }
}

// Not cleared when the picture goes by other means: a leftover count
// shortens the next showing.
void TPORONKA::Timer4Timer() {
  if (RadioGroup1->ItemIndex() != 1 || Image1->isHidden()) return;
  ++PraiseTicks;
  if (PraiseTicks == kPraiseEndTick) {
    Image1->setVisible(false);
    PraiseTicks = 0;
  }
}

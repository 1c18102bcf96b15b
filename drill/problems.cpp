// New problems: two addends from 1 to 9 that always carry over ten, never one
// of the problems drawn recently.
#include "app/screens.h"
#include "app/ui/ui.h"
#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"

namespace {
constexpr int kRecentSlots = 44;
}

void TPORONKA::Button13Click() {
  Label1->SetFontSize(28);
  Label3->SetFontSize(28);
  Image4->setVisible(false);
  Image5->setVisible(false);
  Image2->setVisible(true);
  Image40->setVisible(false);

  // Edit1 shows how many problems came before this one.
  Edit1->setText(ui::IntToText(ProblemsAsked));
  ++ProblemsAsked;

  Label6->setVisible(false);
  Label7->setVisible(false);
  Label8->setVisible(false);
  Label9->setVisible(false);
  Label1->setVisible(true);
  Label3->setVisible(true);
  Label5->setVisible(true);
  Label2->setVisible(true);
  Label4->setVisible(true);

  WrongTries = 0;
  ui::SeedRandom();

  // The memory never holds more than 43 problems of the 45, so this ends.
  std::int32_t first = 0;
  std::int32_t second = 0;
  std::int32_t key = 0;
  bool recent = true;
  while (recent) {
    first = ui::RandomBelow(9) + 1;
    second = ui::RandomBelow(first) + 10 - first;
    key = 10 * first + second;
    recent = false;
    for (int slot = 1; slot <= kRecentSlots; ++slot) recent = recent || RecentProblems[slot] == key;
  }

  ++HistoryCount;
  RecentProblems[static_cast<size_t>(HistoryCount)] = key;
  if (HistoryCount == kRecentSlots) {
    RecentProblems.fill(0);
    HistoryCount = 1;  // not 0: later cycles leave slot 1 empty
  }

  CorrectSum = first + second;
  Label1->SetCaption(ui::IntToText(first));
  Label2->SetCaption(QStringLiteral("＋"));
  Label3->SetCaption(ui::IntToText(second));
  Label4->SetCaption(QStringLiteral("＝"));
  Label5->SetCaption(QString());
  TypedAnswer = 0;

  Button14Click();
  ui::SetVisible(Form2, false);
  ui::Announce(this, QStringLiteral("%1 たす %2").arg(first).arg(second));
}

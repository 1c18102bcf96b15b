// The drill screen: a green blackboard with the problem line, the keypad, the
// hint buttons, the counts and the chalk tray. It is the main window.
#pragma once

#include <array>
#include <cstdint>

#include "app/ui/ui.h"

class TPORONKA : public ui::Form {
  Q_OBJECT
 public:
  TPORONKA();

  // The digit action for digit d (keypad and keyboard alike).
  void DigitAction(int digit);
  // The rule by which the counter window, the badge, the kitten and the
  // wallpaper chooser hand the keys typed on them to the drill.
  void ForwardKey(QChar key);

  // TypedAnswer's mark for the blank left after a wrong answer.
  static constexpr std::int32_t kBlankAfterWrong = 1000;

  // ---- drill state: 0 at start, never saved
  std::int32_t CorrectSum = 0;
  std::int32_t TypedAnswer = 0;  // or kBlankAfterWrong
  std::int32_t WritingMode = 0;  // 0 none, 2 first digit, 3 second digit
  std::int32_t WritingTick = 0;
  std::int32_t WrongTries = 0;
  std::int32_t CorrectStreak = 0;
  std::int32_t ProblemsAsked = 0;
  std::int32_t FirstTryCount = 0;
  std::int32_t AutoNextPending = 0;
  std::int32_t AutoNextTicks = 0;
  std::int32_t PraiseTicks = 0;
  std::array<std::int32_t, 45> RecentProblems{};  // slots 1 to 44; [0] unused
  std::int32_t HistoryCount = 0;

  // ---- components
  // problem line
  ui::Image* Image4;
  ui::Label* Label4;
  ui::Image* Image5;
  ui::Label* Label2;
  ui::Label* Label3;
  ui::Label* Label5;
  ui::Image* Image2;
  ui::Image* Image3;
  ui::Label* Label1;
  // feedback
  ui::Label* Label6;
  ui::Label* Label8;
  ui::Label* Label9;
  ui::Label* Label7;
  ui::Image* Image1;
  // left column
  QPushButton* Button13;
  QPushButton* Button11;
  ui::RadioGroup* RadioGroup1;
  ui::Label* Label10;
  QLineEdit* Edit1;
  ui::Label* Label11;
  QLineEdit* Edit2;
  // keypad and hints
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  QPushButton* Button5;
  QPushButton* Button6;
  QPushButton* Button7;
  QPushButton* Button8;
  QPushButton* Button9;
  QPushButton* Button10;
  QPushButton* BitBtn1;
  QPushButton* Button15;
  QPushButton* Button17;
  // praise-picture stores, under the keypad
  ui::Image* Image6;
  ui::Image* Image7;
  ui::Image* Image8;
  ui::Image* Image9;
  ui::Image* Image11;
  ui::Image* Image12;
  // chalk tray
  ui::Image* Image20;
  ui::Image* Image30;
  ui::Image* Image40;
  ui::Image* Image10;
  QPushButton* Button19;
  // hidden operations
  QPushButton* Button12;
  QPushButton* Button14;
  QPushButton* Button16;
  QPushButton* Button18;
  QPushButton* Button20;
  QPushButton* Button21;
  QPushButton* Button22;
  QPushButton* Button23;
  // timers
  ui::Timer* Timer1;
  ui::Timer* Timer2;
  ui::Timer* Timer3;
  ui::Timer* Timer4;

 public Q_SLOTS:
  // answer entry (drill/answer_entry.cpp)
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void Button9Click();
  void Button10Click();
  void BitBtn1Click();  // erase
  void FormKeyPress(QChar key);
  // problems, judging, hints, scores (drill/judging.cpp; Button13Click in
  // drill/problems.cpp, Timer1Timer in drill/drill_screen.cpp)
  void Button11Click();  // end
  void Button12Click();  // judge
  void Button13Click();  // new problem
  void Button15Click();  // first hint
  void Button17Click();  // second hint
  void Button18Click();  // reset
  void Timer1Timer();
  void Timer2Timer();  // automatic next problem
  void Timer4Timer();  // praise picture time-out in the button mode
  // blackboard (blackboard/pictures_painting.cpp; Timer3Timer in
  // blackboard/writing_animation.cpp, Button14Click and Button16Click in
  // blackboard/counter_window.cpp)
  void Timer3Timer();    // writing animation
  void Button14Click();  // lay out the counters
  void Button16Click();  // ask for the making-ten animation
  void Button20Click();  // picture distribution
  void FormPaint();
  void Image10Click();  // eraser
  void Image20Click();  // white chalk
  void Image30Click();  // white chalk

 protected:
  void PreviewKey(QChar key) override { FormKeyPress(key); }
  void PaintForm() override { FormPaint(); }
};

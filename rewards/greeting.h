// The greeting kitten, which pops up every five minutes with a phrase. Its
// window also hosts the making-ten animation of the counter window.
#pragma once

#include <cstdint>

#include "app/ui/ui.h"

class TForm6 : public ui::Form {
  Q_OBJECT
 public:
  TForm6();

  // greeting
  std::int32_t GreetingSeconds = 0;
  // making-ten animation
  std::int32_t AnimationMode = 0;  // 0 idle; 1 or 2 the kind under way
  std::int32_t TargetStackHeight = 0;
  std::int32_t GivingStackCount = 0;
  std::int32_t StepCount = 0;
  std::int32_t StepPhase = 0;
  std::int32_t PrevStepCount = 0;
  std::int32_t PrevStepPhase = 0;

  ui::Image* Image1 = nullptr;
  ui::Label* Label1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  ui::Timer* Timer1 = nullptr;  // making-ten animation
  ui::Timer* Timer2 = nullptr;  // greeting

 public Q_SLOTS:
  // making-ten animation: the first three (blackboard/making_ten.cpp);
  // greeting: the last two (rewards/greeting.cpp)
  void Button1Click();  // start a making-ten animation of kind 1
  void Button2Click();  // start one of kind 2
  void Timer1Timer();   // one step of the animation
  void Timer2Timer();   // one second of the greeting
  void FormKeyPress(QChar key);

 protected:
  void PreviewKey(QChar key) override { FormKeyPress(key); }

 private:
  void StartMove(std::int32_t kind, std::int32_t receiving, std::int32_t giving);
};

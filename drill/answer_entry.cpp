// Answer entry: the keypad, the keyboard and "けす". Entry only builds the
// number and asks for the chalk; the board changes when the chalk has written
// the digit and the judge has looked at it.
#include "app/screens.h"
#include "drill/drill_screen.h"

namespace {

// The judge keeps only the last digit of anything above 99, so a long run of
// digits can stand as 100 + its last digit: the child sees the same, and the
// value never leaves 32 bits nor runs into the 1000 marker.
std::int32_t Append(std::int32_t typed, int digit) {
  if (typed > 99) return 100 + digit;
  return typed * 10 + digit;
}

// The digit of a key, or -1 for any other key. Only ASCII digits count.
int DigitOf(QChar key) {
  const char16_t c = key.unicode();
  return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

}  // namespace

void TPORONKA::DigitAction(int digit) {
  Label5->setVisible(true);
  if (TypedAnswer == kBlankAfterWrong) TypedAnswer = 0;
  TypedAnswer = Append(TypedAnswer, digit);
  WritingMode = TypedAnswer < 10 ? 2 : 3;
  // The second digit came before the first chalk finished: the chalk goes
  // back to the tray and the running animation carries on with the count.
  if (!Image2->isHidden() && TypedAnswer > 9) {
    Image2->setVisible(false);
    Image40->setVisible(true);
  }
}

// Shared by the counter window, the badge, the kitten and the wallpaper
// chooser, so the child can go on typing whichever of them popped up.
void TPORONKA::ForwardKey(QChar key) {
  if (TypedAnswer == kBlankAfterWrong) TypedAnswer = 0;
  if (const int digit = DigitOf(key); digit >= 0)
    DigitAction(digit);
  else if (key == QLatin1Char('.'))
    BitBtn1Click();
}

void TPORONKA::Button1Click() { DigitAction(1); }
void TPORONKA::Button2Click() { DigitAction(2); }
void TPORONKA::Button3Click() { DigitAction(3); }
void TPORONKA::Button4Click() { DigitAction(4); }
void TPORONKA::Button5Click() { DigitAction(5); }
void TPORONKA::Button6Click() { DigitAction(6); }
void TPORONKA::Button7Click() { DigitAction(7); }
void TPORONKA::Button8Click() { DigitAction(8); }
void TPORONKA::Button9Click() { DigitAction(9); }
void TPORONKA::Button10Click() { DigitAction(0); }

// Feedback, counts and a running chalk stay as they are.
void TPORONKA::BitBtn1Click() {
  TypedAnswer = 0;
  Label5->SetCaption(QString());
}

// Seen before the focused control, which still gets the key afterwards.
void TPORONKA::FormKeyPress(QChar key) {
  Label5->setVisible(true);
  ForwardKey(key);
}

// Answer entry: the keypad, the keyboard and "けす".
#include "app/screens.h"
#include "drill/drill_screen.h"

void TPORONKA::DigitAction(int digit) { (void)digit; }
void TPORONKA::ForwardKey(QChar key) { (void)key; }

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
void TPORONKA::BitBtn1Click() {}
void TPORONKA::FormKeyPress(QChar key) { (void)key; }

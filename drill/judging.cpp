// Judging, hints, scores, the automatic next problem, reset and end.
#include "app/screens.h"
#include "drill/drill_screen.h"

void TPORONKA::Button11Click() { ui::CloseScreen(this); }
void TPORONKA::Button12Click() {}
void TPORONKA::Button15Click() {}
void TPORONKA::Button17Click() {}
void TPORONKA::Button18Click() {}
void TPORONKA::Timer2Timer() {}
void TPORONKA::Timer4Timer() {}

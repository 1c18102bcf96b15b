// Pictures for every screen, the drill screen's painting and its tray.
#include "app/screens.h"
#include "drill/drill_screen.h"

void TPORONKA::Button20Click() {}
void TPORONKA::FormPaint() {}
void TPORONKA::Image10Click() {}
void TPORONKA::Image20Click() { Button13Click(); }
void TPORONKA::Image30Click() { Button13Click(); }

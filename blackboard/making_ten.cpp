// The making-ten animation: counters of one addend climb their column and
// cross over until the other column holds ten.
#include "app/screens.h"
#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "rewards/greeting.h"

void TForm6::Button1Click() {}

void TForm6::Button2Click() {}

void TForm6::Timer1Timer() {}

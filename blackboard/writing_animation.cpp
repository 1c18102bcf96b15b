// The yellow chalk writes each typed digit in five strokes, then the drill
// judges the answer.
#include "drill/drill_screen.h"

void TPORONKA::Timer3Timer() {}

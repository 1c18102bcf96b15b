// The wrong answer's beep. The screens ring it as one of the layer's
// operations (ui::Beep); it lives here because it talks to the sound server.
#pragma once

namespace ui {

// The sound theme's bell, or the X bell where no sound server answers;
// returns at once.
void Beep();
int BeepCount();  // beeps since start, for tests (offscreen has no sound)

}  // namespace ui

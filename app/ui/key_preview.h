// Installed once by the first screen created (forms.cpp).
#pragma once

namespace ui {

// Hands every typed character to the receiving screen's PreviewKey when that
// screen previews keys.
void InstallKeyPreview();

}  // namespace ui

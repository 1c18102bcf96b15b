// Fields that must never hand their keys to an input method.
#pragma once

class QWidget;

namespace ui {

// With a Japanese input method on, digits typed into `field` would become a
// composition there and never reach the screen's key handler as keys. The
// field tells the input method it takes no composed text. (A line edit
// answers for itself whatever its input-method attribute says.)
void KeepInputMethodOff(QWidget* field);

}  // namespace ui

// What a child who uses only the keyboard needs of the controls: Return
// presses a button as Space does, the arrow keys do not walk the focus off a
// push button, and the focus mark shows on any background.
#pragma once

#include <QRect>

class QAbstractButton;
class QLineEdit;
class QPainter;
class QStyle;

namespace ui {

// Return and Enter press the button, once per key (not while the key
// repeats); on a push button the arrow keys leave the focus where it is.
void ButtonKeysFor(QAbstractButton* button);

// The focus mark: a black ring outside a yellow one, each kFocusMarkWidth
// pixels wide, just inside `area`: the black shows on light controls, the
// yellow on dark ones and on the green board.
inline constexpr int kFocusMarkWidth = 2;
void DrawFocusMark(QPainter& painter, const QRect& area);

// The focus mark over an edit, drawn after its text.
void MarkFocusOnTop(QLineEdit* edit);

// `base` with the focus mark drawn on every button and radio button that has
// the keyboard focus, in place of the base style's own faint one.
// The style returned owns `base`.
QStyle* WithFocusMark(QStyle* base);

}  // namespace ui

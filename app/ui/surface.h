// One surface for all the screens, where windows cannot be placed: on
// Wayland, which refuses clients their positions, and under a compositor that
// makes every window fill the screen (a kiosk session). The screens become
// children of one full-screen window, each at its screen position; the
// program itself keeps their stacking and which of them has the keys, as a
// window manager would, and a click raises and activates the screen it lands
// on.
#pragma once

#include <QRect>

class QWidget;

namespace ui {

class Form;

// Chooses by the platform, once at start: on Wayland every screen goes onto
// one surface from the start. On X11 they stay windows, at their positions,
// until the window manager makes a screen of fixed size fill the whole
// screen: then they move onto one surface.
void ChooseSurface();

// Moves the screens made so far onto one surface, and every later one: each
// where it stood, as it showed, in the order they stood.
void UseOneSurface();
// Whether the screens are on one surface.
bool OnOneSurface();
// That surface, a full-screen window; null while the screens are windows.
QWidget* OneSurface();
// Back to windows, the surface gone. Only once no screen is left.
void LeaveOneSurface();

// The screen that has the keys: the active window, or on one surface the
// program's own choice.
Form* ActiveScreen();
// Whether this screen has the keys.
bool IsActiveScreen(const QWidget* form);
// Gives the keys to a screen (without raising it). On one surface its
// activation handler runs when it was not the active screen before.
void Activate(QWidget* form);

// Where a screen stands to cover the whole screen it is on, in the
// coordinates of its own position.
QRect ScreenArea(const QWidget* form);

}  // namespace ui

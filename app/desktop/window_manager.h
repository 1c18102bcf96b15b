// What the screens tell the window manager, beyond what Qt's window flags say:
// which frame buttons and actions each may offer, that only the drill screen
// has a task-bar entry, and the exact title. Also where a screen stands when it
// must touch another one's frame.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class QObject;
class QWidget;
struct xcb_connection_t;

namespace wm {

// How a screen's window is framed.
enum class Frame {
  None,        // no frame, no title bar
  SingleBare,  // fixed size, title bar without any buttons
  Single,      // fixed size, the standard title-bar buttons
  Sizeable,
};

// The Motif hints property as window managers read it (five 32-bit words).
struct MotifHints {
  enum : std::uint32_t { kFunctions = 1u << 0, kDecorations = 1u << 1 };
  enum : std::uint32_t {
    kFuncResize = 1u << 1,
    kFuncMove = 1u << 2,
    kFuncMinimize = 1u << 3,
    kFuncMaximize = 1u << 4,
    kFuncClose = 1u << 5,
  };
  enum : std::uint32_t {
    kDecorBorder = 1u << 1,
    kDecorResizeHandle = 1u << 2,
    kDecorTitle = 1u << 3,
    kDecorMenu = 1u << 4,
    kDecorMinimize = 1u << 5,
    kDecorMaximize = 1u << 6,
  };
  std::uint32_t flags = 0;
  std::uint32_t functions = 0;
  std::uint32_t decorations = 0;
  std::uint32_t inputMode = 0;
  std::uint32_t status = 0;
};

// How much of a frame a window manager can draw without any title-bar button.
enum class BareFrame {
  TitleBar,  // it leaves out every button the hints do not offer
  Border,    // it always puts buttons on a title bar, but can draw a border alone
  Nothing,   // it draws either a title bar with buttons or no frame at all
};
// Openbox keeps minimise and close on every title bar, xfwm4 its shade button
// (and draws a border only with one); the GNOME window managers leave them out.
BareFrame BareFrameOf(const QString& windowManager);

// The buttons and actions a frame style offers; `bare` says how a frame
// without buttons is drawn.
MotifHints MotifHintsFor(Frame frame, BareFrame bare);

// The name of the running window manager; empty without one.
QString WindowManagerName();

// Whether the window manager may close a screen of this frame (it has a close
// box); the others ignore a close request.
bool Closable(Frame frame);

// The client area a window of outer size `outer` had within the small
// classic frame the layouts were drawn for: a 4-pixel sizing border (3 when
// fixed) and a 19-pixel title bar. The layouts' controls fit in it, whatever
// frame the window manager draws around it here.
QSize ClassicClient(QSize outer, Frame frame);

// Where a window of client size `client` and frame `margins` stands so that
// its frame touches the left edge of `anchorFrame`, top edges level. The
// result is the position of its frame's top-left corner.
QPoint LeftOf(const QRect& anchorFrame, QSize client, const QMargins& margins);

// The widths of a window's frame as the window manager drew it; none before
// it is framed, and none without a window manager.
QMargins FrameMargins(const QWidget* window);

// Moves `window` as LeftOf says, worked out and asked for in the X server's
// own pixels: on a desktop scaled by a fraction, logical pixels name only
// some of the screen's, and a frame one device pixel wide is less than one
// of them. Until the window manager has framed `window`, its frame is taken
// to be `anchor`'s. False off X11 or before both windows are made.
bool StandLeftOf(QWidget* window, const QWidget* anchor);

// Runs `framed` (from the event loop) each time the window manager has put a
// frame around `window` and says how wide it is. Off X11 it never runs.
void OnFramed(QWidget* window, std::function<void()> framed);
// Runs `moved` (from the event loop, while `context` lives) each time the X
// server reports `window` moved or resized, also where Qt sees no change of
// its logical place (the screen's scale changed). Off X11 it never runs.
void OnMoved(QWidget* window, QObject* context, std::function<void()> moved);

// Runs `filled` once (from the event loop) the first time the window manager
// makes a window of fixed size as large as the whole screen, as a kiosk
// compositor does with every window, whatever its size and place. Off X11 it
// never runs.
void OnFixedWindowFilled(std::function<void()> filled);

// Tells the window manager about a screen that is about to be shown: its frame
// hints, whether it has a task-bar entry, and its exact title. Does nothing
// off X11. `main` is the drill screen, the program's one task-bar entry.
void Describe(QWidget* form, Frame frame, bool main);

// Brings `windows` in front of every other program's, in this order (the
// last one ends on top with the keys), as a task bar would at the user's
// request: window managers that keep programs from stealing the focus let
// this one through. None of them is left asking for attention. Does nothing
// off X11 or without a window manager.
void BringForward(const std::vector<QWidget*>& windows);

// Whether the screens run on X11 (a window manager may or may not be there).
bool OnX11();
// Qt's own connection to the X server; null off X11.
xcb_connection_t* Connection();
// Waits until the X server has carried out every request sent so far (for
// measurements and tests). Does nothing off X11.
void Sync();
// Whether they run on Wayland, where a client can neither place nor raise its
// windows.
bool OnWayland();

}  // namespace wm

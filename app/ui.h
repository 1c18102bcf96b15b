// The small layer between the screens and Qt. Each operation the screens use
// has one function or class here, with the behaviour the screens count on
// where plain Qt differs (timer intervals, key preview, retained canvases,
// one error box for failing handlers). Each group below names the files
// under app/ that define it.
#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTime>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <type_traits>

class QMessageBox;

namespace wm {
class ServerCanvas;
}

namespace ui {

// -------------------------------------------------- failures (ui_dispatch.cpp)

// A handler that cannot go on throws this; Dispatch() ends the handler,
// shows the message and lets the event loop carry on.
class HandlerError : public std::runtime_error {
 public:
  explicit HandlerError(const QString& message);
  QString message() const { return QString::fromUtf8(what()); }
};

// Shows `message` in the application-modal error box without a nested event
// loop. A second failure while the box is up replaces its text.
void ShowError(const QString& message);
QMessageBox* ErrorBox();  // nullptr until the first failure
int ErrorCount();         // failures shown since start

// The one place where a failing handler is caught. Every entry from Qt into
// the screens' handlers goes through here.
void RunHandler(const std::function<void()>& handler) noexcept;

template <class Sender, class Fn, class Obj>
void Connect(Sender* sender, Fn signal, Obj* target, void (Obj::*handler)()) {
  QObject::connect(sender, signal, target,
                   [target, handler] { RunHandler([=] { (target->*handler)(); }); });
}

// ------------------------------------------------ conversions (ui_convert.cpp)

QString IntToText(std::int32_t value);
// Decimal, optional sign, surrounding blanks allowed; anything else (an empty
// text, a fraction, a value out of 32-bit range) throws HandlerError with
// "'<text>' は整数ではありません".
std::int32_t TextToInt(const QString& text);

// -------------------------------------------- random and clock (ui_random.cpp)

// Seed := ((h*60+m)*60+s)*1000+ms of the UTC clock.
void SeedRandom();
// Seed := seed*134775813+1 mod 2^32; result (n*seed) div 2^32.
std::int32_t RandomBelow(std::int32_t n);
// Same step; seed / 2^32.
double RandomReal();

std::uint32_t RandomSeed();
void SetRandomSeed(std::uint32_t seed);
// For tests: where SeedRandom reads the time (nullptr: the UTC clock).
void SetClock(std::function<QTime()> clock);
// For tests: every RandomReal returns `value` (the seed still steps).
void ForceRandomReal(std::optional<double> value);

// ----------------------------------------------------------- sound (sound.cpp)

// The sound theme's bell, or the X bell where no sound server answers;
// returns at once (sound.cpp).
void Beep();
int BeepCount();  // beeps since start, for tests (offscreen has no sound)

// -------------------------------------------------- pictures (ui_pictures.cpp)

// Rectangles as left, top, right, bottom; right and bottom exclusive.
struct Rect {
  int left, top, right, bottom;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

// Stretch copy of `src` (source rect) onto `dest` (dest rect), plain copy.
void CopyArea(QImage& dest, const Rect& destRect, const QImage& src, const Rect& srcRect);
// Draws `picture` at its own size with its top-left at x, y. An empty
// picture draws nothing. Returns whether anything was drawn.
bool DrawPicture(QImage& canvas, int x, int y, const QImage& picture);
// The picture of a resource; an empty picture when it cannot be read.
QImage StoredPicture(const char* resource);

// -------------------------------------------------------- fonts (ui_fonts.cpp)

// Points at 96 pixels per inch, rounded: 28 points are 37 pixels.
int PointsToPixels(int points);
int PixelsToPoints(int pixels);
// Maps the layouts' font names onto the faces this machine has.
void InstallFonts();

// ----------------------------------- components (ui_components.cpp, timer.cpp)

// A picture control. It paints on its screen (transparent), either at the
// picture's own size from the top-left corner, clipped, or stretched to fill.
class Image : public QWidget {
  Q_OBJECT
 public:
  Image(QWidget* parent, const char* name, bool stretch);

  const QImage& Picture() const { return picture_; }
  // A copy: drawing on either picture later leaves the other alone.
  void SetPicture(const QImage& picture);
  // The picture to draw on. An image without a picture first gets a white
  // bitmap of the control's current size, which then clips all drawing.
  QImage& Canvas();
  bool Stretch() const { return stretch_; }
  void SetLeft(int left) { move(left, y()); }
  void SetTop(int top) { move(x(), top); }

 Q_SIGNALS:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  bool stretch_;
  bool pressed_ = false;
};

// A label that, unless its size is fixed, sizes itself to its text and keeps
// its left and top.
class Label : public QLabel {
  Q_OBJECT
 public:
  Label(QWidget* parent, const char* name, bool autoSize);

  void SetCaption(const QString& caption);
  QString Caption() const { return text(); }
  // Font size in points (96 pixels per inch), as the screens set it.
  void SetFontSize(int points);
  int FontSize() const;
  bool AutoSize() const { return autoSize_; }

 private:
  void fit();
  bool autoSize_;
};

// Two-column radio group with a title; ItemIndex is the checked item.
class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(QWidget* parent, const char* name, const QString& title, const QStringList& items);
  int ItemIndex() const;
  void SetItemIndex(int index);
  QRadioButton* Item(int index) const { return items_.value(index); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeItems();
  QList<QRadioButton*> items_;
};

// A timer of a screen: runs from creation to exit. It may sleep while its
// screen's state says that a tick would change nothing; it then costs no
// wake-ups, and it wakes as soon as that state changes, with its next tick
// where it would have fallen had it never slept. (Implemented in timer.cpp.)
class Timer : public QTimer {
  Q_OBJECT
 public:
  using Clock = std::chrono::steady_clock;

  Timer(QObject* parent, const char* name, int intervalMs);
  ~Timer() override;
  // A changed value restarts the countdown; the same value changes nothing.
  void SetInterval(int ms);
  int Interval() const { return interval(); }

  // `idle` tells whether a tick would change nothing now. It is asked each
  // time the event loop is about to wait, and whenever the loop wakes, so a
  // change made by any handler wakes the timer before the loop waits again.
  void SleepWhile(std::function<bool()> idle);
  bool Sleeping() const { return asleep_; }
  // When the next tick is due, asleep or not.
  Clock::time_point NextTick() const { return next_; }
  // Asks every timer that may sleep whether to sleep or wake (the event loop
  // does this by itself; tests that change state outside it may call it).
  static void CheckSleepers();

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  void ticked();
  void sleep();
  void wake(Clock::time_point now, Clock::time_point lastCheck);

  std::function<bool()> idle_;
  bool running_ = false;  // ticks at all (tests create timers stopped)
  bool asleep_ = false;
  QBasicTimer firstTick_;  // the first tick after waking, in phase
  Clock::time_point next_{};
};
// For tests: timers are created stopped, so that ticks come only when a
// test calls the handlers.
void SetTimersRunning(bool running);

// --------------------------------------- forms (ui_forms.cpp, key_preview.cpp)

enum class Frame {
  None,        // no frame, no title bar
  SingleBare,  // fixed size, title bar without any buttons
  Single,      // fixed size, the standard title-bar buttons
  Sizeable,
};

// A screen: a top-level window at a fixed screen position.
class Form : public QWidget {
  Q_OBJECT
 public:
  explicit Form(const char* name);
  ~Form() override;

  // Position in screen coordinates; `outer` sizes include the frame.
  void Place(int left, int top, int width, int height, bool outer);
  void SetFrame(Frame frame);
  Frame FrameStyle() const { return frame_; }
  void SetColor(QColor color);
  QColor Color() const { return color_; }
  void SetKeyPreview(bool on) { keyPreview_ = on; }
  bool KeyPreview() const { return keyPreview_; }
  void SetDefaultFont(const char* face, int pixels, QColor color);

  // Drawing surface kept across repaints (only the backdrop uses one): its
  // size is that of the screen the form is on, its ground the form's colour.
  // Drawn on with DrawOnCanvas: `picture` at each of `places` in turn, as
  // DrawPicture would. Made by the first drawing or CanvasSize().
  void DrawOnCanvas(const QImage& picture, std::span<const QPoint> places);
  QSize CanvasSize();
  bool HasCanvas() const;
  // Which canvas it is and how it stands: another key once it has been drawn
  // on other than through DrawOnCanvas, or made again.
  qint64 CanvasKey() const;
  // The canvas as it stands, without asking for a repaint.
  QImage CanvasPicture() const;
  // The canvas as a bitmap of the program's own, to draw on directly (tests
  // and benches). A canvas kept by the X server is taken back for it, and
  // the server only shows it from then on.
  QImage& Canvas();
  // On X11, keep the canvas in the X server as the window's own background,
  // instead of a screen-sized bitmap here and a window buffer as large. Call
  // before the form is first shown. Elsewhere it changes nothing.
  void KeepCanvasOnServer();
  // Whether the X server holds the canvas (and not a bitmap here).
  bool CanvasOnServer() const;

  // Runs the screen's own key handler; used by the key preview.
  virtual void PreviewKey(QChar key) { Q_UNUSED(key); }
  // The screen's creation handler, run once its global reference is set.
  virtual void Created() {}
  // Whether the stored layout says visible: shown right after creation.
  bool ShownAtCreation() const { return shownAtCreation_; }
  void SetShownAtCreation(bool shown) { shownAtCreation_ = shown; }

 protected:
  // The screens' paint and activation handlers.
  virtual void PaintForm() {}
  virtual void Activated() {}

  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  QPaintEngine* paintEngine() const override;

 private:
  void fitOuterSize();
  QSize canvasArea() const;
  void paintOnServer(bool on);

  Frame frame_ = Frame::Single;
  QColor color_;
  bool keyPreview_ = false;
  bool shownAtCreation_ = false;
  bool outer_ = false;
  QSize size_;
  QImage canvas_;
  std::unique_ptr<wm::ServerCanvas> server_;
};

// The drawing surface of an image: its own bitmap (a white one of the
// control's size when it had no picture).
inline QImage& ImageCanvas(Image* image) { return image->Canvas(); }
// The drawing surface of a form, kept across repaints.
inline QImage& FormCanvas(Form* form) { return form->Canvas(); }
// The bitmap of an image's picture; empty when it has none.
inline const QImage& PictureBitmap(const Image* image) { return image->Picture(); }

// The main form: the first form created. Closing it ends the program.
Form* MainForm();
// Forgets the main form (the screens are being destroyed).
void ResetMainForm();

// Visible := true: a hidden form is shown, activated and put in front; a
// shown one stays where it is. Visible := false hides it.
void SetVisible(QWidget* form, bool visible);
// Top of the window order and activated; not moved or resized.
void RaiseToTop(QWidget* form);
// The main form: the program ends. Any other form: hidden.
void CloseScreen(Form* form);
// Shows the main form and runs the event loop until it is closed.
int RunApplication();

// ----------------------------------------------------- layouts (ui_layout.cpp)

// A screen's stored layout, one row per component, in stacking order
// (earlier rows lie further back). Buttons, edits and radio groups always lie
// above labels and images.
enum class Kind { Button, Label, Image, Edit, RadioGroup };

enum Flags : unsigned {
  kNone = 0,
  kHidden = 1u << 0,     // not visible at start
  kStretch = 1u << 1,    // image stretched to the control
  kFixedSize = 1u << 2,  // label keeps its stored size
  kOpaque = 1u << 3,     // label painted on its own background colour
};

struct FontSpec {
  const char* face = nullptr;  // nullptr: the screen's font
  int pixels = 0;
  bool bold = false;
  bool underline = false;
  QRgb color = 0x000000;
};

// A screen member that a row puts its component into: the screen class that
// has the member, the kind of component it holds, and how to set it.
struct Binding {
  const QMetaObject* screen = nullptr;  // nullptr: the row has no member
  Kind kind = Kind::Button;
  void (*assign)(QObject* form, QWidget* created) = nullptr;
};

// A row's component name, and the member bound to it if there is one. Not
// explicit: a row without a member writes a plain name.
struct Name {
  constexpr Name(const char* plain) : text(plain) {}
  constexpr Name(const char* memberName, Binding bound) : text(memberName), member(bound) {}
  const char* text;
  Binding member;
};

struct Component {
  Kind kind;
  Name name;
  int left, top, width, height;
  const char* text = "";  // caption, text or title ("|"-separated radio items follow the title)
  FontSpec font = {};
  unsigned flags = kNone;
  int tabOrder = -1;              // windowed controls only
  const char* picture = nullptr;  // stored picture resource
  QRgb background = 0xFFFFFF;     // opaque labels
};

template <class T>
inline constexpr bool kNoKindHolds = false;

// The kind of component a member of type T* holds.
template <class T>
constexpr Kind KindHolding() {
  if constexpr (std::is_same_v<T, QPushButton>)
    return Kind::Button;
  else if constexpr (std::is_same_v<T, Label>)
    return Kind::Label;
  else if constexpr (std::is_same_v<T, Image>)
    return Kind::Image;
  else if constexpr (std::is_same_v<T, QLineEdit>)
    return Kind::Edit;
  else if constexpr (std::is_same_v<T, RadioGroup>)
    return Kind::RadioGroup;
  else
    static_assert(kNoKindHolds<T>,
                  "a bound member is a QPushButton, Label, Image, QLineEdit or RadioGroup");
}

// Bind<&Screen::Member>::binding binds a row to a component member.
template <auto Member>
struct Bind;

template <class Screen, class T, T* Screen::*Member>
struct Bind<Member> {
  // BuildLayout calls this only once LayoutProblem has found the form to be
  // a Screen and the row to make a T.
  static void assign(QObject* form, QWidget* created) {
    static_cast<Screen*>(form)->*Member = static_cast<T*>(created);
  }
  static constexpr Binding binding{&Screen::staticMetaObject, KindHolding<T>(), &assign};
};

// The kind and name of a row whose component goes into Screen::Member: the
// name is the member's, so a row naming a member that is not there does not
// compile, and the kind is what the member holds.
//   {UI_MEMBER(TPORONKA, Image4), 16, 16, 41, 41, "", {}, kStretch | kHidden},
#define UI_MEMBER(Screen, Member)            \
  ::ui::Bind<&Screen::Member>::binding.kind, \
      ::ui::Name(#Member, ::ui::Bind<&Screen::Member>::binding)

// Creates the components of `layout` on `form` in order, and sets each
// bound member as its component is created.
void BuildLayout(Form* form, std::span<const Component> layout);

// What keeps a layout from being built: a text naming the screen and the
// first component that two rows name, or that is bound to a member of
// another screen or of another kind; or an empty text.
QString LayoutProblem(const QObject* form, std::span<const Component> layout);
// What keeps `form` from handing out component `name` as a `kind`: a text
// naming the screen and the component (none of that name, or of another
// kind), or an empty text.
QString FindProblem(const QObject* form, const char* name, const QMetaObject& kind);
// A screen that cannot be put together ends the program at once, with the
// problem on the standard error, instead of a null component later.
[[noreturn]] void FailCreation(const QString& problem);

// Looks up a component created by BuildLayout, for tests and for names made
// at run time ("Image%1"); one that is not there, or not a T, ends the
// program naming the screen and the component.
template <class T>
T* Find(const QObject* form, const char* name) {
  T* found = form->findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
  if (!found) FailCreation(FindProblem(form, name, T::staticMetaObject));
  return found;
}

}  // namespace ui

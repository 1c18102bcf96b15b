// Screens: top-level windows at fixed positions, their frames, colours, key
// preview and retained canvas, and the order in which they show and close.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "app/desktop/window_manager.h"

namespace wm {
class ServerCanvas;
}
class QScreen;

namespace ui {

// The frame styles belong to the window-manager code, which tells the window
// manager what each one offers.
using Frame = wm::Frame;

// A screen: a top-level window at a fixed screen position.
class Form : public QWidget {
  Q_OBJECT
  friend class Surface;

 public:
  explicit Form(const char* name);
  ~Form() override;

  // Position in screen coordinates; `outer` sizes include the frame. The
  // frame an outer size was made for is the small classic one: where a window
  // manager draws another, the client area stays what that frame left.
  void Place(int left, int top, int width, int height, bool outer);
  void SetFrame(Frame frame);
  Frame FrameStyle() const { return frame_; }
  void SetColor(QColor color);
  QColor Color() const { return color_; }
  void SetKeyPreview(bool on) { keyPreview_ = on; }
  bool KeyPreview() const { return keyPreview_; }
  // Where Tab goes past this screen's last control (Shift+Tab before its
  // first, or either key on a screen without controls): on into `other`'s
  // controls from their first (last), or back to `other` as it was.
  enum class TabOut { Onward, Back };
  void LeadTabTo(Form* other, TabOut how);
  void SetDefaultFont(const char* face, int pixels, QColor color);

  // Drawing surface kept across repaints (only the backdrop uses one): it
  // covers the screen the form is on, in that screen's device pixels, and its
  // ground is the form's colour. Drawn on with DrawOnCanvas: `picture` at
  // each of `places` (logical) in turn, as DrawPicture would on a window of
  // that screen: at its place and size times the screen's ratio, the edges
  // rounded alike for every picture (DeviceRect, ScaledPicture). Made by the
  // first drawing or CanvasSize(); made again, empty, once the screen's size
  // or ratio has changed.
  void DrawOnCanvas(const QImage& picture, std::span<const QPoint> places);
  // The logical size the canvas covers.
  QSize CanvasSize();
  // Device pixels to a logical one on the screen the form is on.
  qreal ScreenRatio() const;
  bool HasCanvas() const;
  // Which canvas it is and how it stands: another key once it has been drawn
  // on other than through DrawOnCanvas, or made again.
  qint64 CanvasKey() const;
  // The canvas as it stands, in device pixels, without asking for a repaint.
  QImage CanvasPicture() const;
  // The canvas as a bitmap of the program's own, to draw on directly (tests
  // and benches); its device pixel ratio is the screen's. A canvas kept by
  // the X server is taken back for it, and the server only shows it from
  // then on.
  QImage& Canvas();
  // On X11, keep the canvas in the X server as the window's own background,
  // instead of a screen-sized bitmap here and a window buffer as large. Call
  // before the form is first shown. Elsewhere it changes nothing.
  void KeepCanvasOnServer();
  // Whether the X server holds the canvas (and not a bitmap here).
  bool CanvasOnServer() const;

  // Stands over the whole of `screen` (the backdrop), its canvas in that
  // screen's pixels.
  void CoverScreen(QScreen* screen);
  // Where its layout puts it, on the screen whose top-left corner is
  // `origin`, then moved in as far as it takes for its frame to lie within
  // `area` (its top-left corner first, where it is larger).
  void StandWithin(QPoint origin, const QRect& area);

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

  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  QPaintEngine* paintEngine() const override;

 private:
  void fitOuterSize();
  QSize canvasArea() const;
  QSize deviceArea() const;
  void fitCanvas();
  void syncWindow();
  void paintOnServer(bool on);
  // Becomes a child of the one surface, where it stood and as it showed.
  void joinSurface(QWidget* surface);
  // `picture` at the size of `device`, its place on the canvas; kept for the
  // next one of the same size.
  const QImage& scaledFor(const QImage& picture, const QRect& device);

  Frame frame_ = Frame::Single;
  QColor color_;
  bool keyPreview_ = false;
  QPointer<Form> tabTo_;
  TabOut tabOut_ = TabOut::Back;
  bool shownAtCreation_ = false;
  bool outer_ = false;
  bool watchedForFill_ = false;
  QSize size_;
  // When it last came in front, for the order of a move onto one surface.
  quint64 stackedAt_ = 0;
  QPoint home_;  // where the layout puts it, from the screen's top-left
  QImage canvas_;
  qreal canvasRatio_ = 0;  // the screen's when the canvas was made
  // Scaled copies of the picture drawn last: one per size its tiles take.
  qint64 scaledFrom_ = 0;
  std::vector<QImage> scaled_;
  std::unique_ptr<wm::ServerCanvas> server_;
};

// The drawing surface of a form, kept across repaints.
inline QImage& FormCanvas(Form* form) { return form->Canvas(); }

// The screen a widget belongs to (itself, or the nearest one around it).
Form* FormOf(QObject* object);

// The main form: the first form created. Closing it ends the program.
Form* MainForm();
// Forgets the main form (the screens are being destroyed).
void ResetMainForm();

// The screen the program's windows stand on: the primary one.
QScreen* HomeScreen();
// Runs `changed` from the event loop, once for a burst, after a screen came
// or went, changed its size or scale, or another became the primary one.
void OnScreensChanged(QObject* context, std::function<void()> changed);

// Visible := true: a hidden form is shown, activated and put in front; a
// shown one stays where it is. Visible := false hides it.
void SetVisible(QWidget* form, bool visible);
// Top of the window order and activated; not moved or resized.
void RaiseToTop(QWidget* form);
// Activated where it stands in the window order: the keys go to it.
void GiveKeysTo(QWidget* form);
// The main form: the program ends. Any other form: hidden.
void CloseScreen(Form* form);
// Shows the main form and runs the event loop until it is closed.
int RunApplication();

}  // namespace ui

// Screens: top-level windows at fixed positions, their frames, colours, key
// preview and retained canvas, and the order in which they show and close.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <memory>
#include <span>

#include "app/desktop/window_manager.h"

namespace wm {
class ServerCanvas;
}

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

  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  QPaintEngine* paintEngine() const override;

 private:
  void fitOuterSize();
  QSize canvasArea() const;
  void paintOnServer(bool on);
  // Becomes a child of the one surface, where it stood and as it showed.
  void joinSurface(QWidget* surface);

  Frame frame_ = Frame::Single;
  QColor color_;
  bool keyPreview_ = false;
  bool shownAtCreation_ = false;
  bool outer_ = false;
  bool watchedForFill_ = false;
  QPoint place_;
  QSize size_;
  // When it last came in front, for the order of a move onto one surface.
  quint64 stackedAt_ = 0;
  QImage canvas_;
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

// Visible := true: a hidden form is shown, activated and put in front; a
// shown one stays where it is. Visible := false hides it.
void SetVisible(QWidget* form, bool visible);
// Top of the window order and activated; not moved or resized.
void RaiseToTop(QWidget* form);
// The main form: the program ends. Any other form: hidden.
void CloseScreen(Form* form);
// Shows the main form and runs the event loop until it is closed.
int RunApplication();

}  // namespace ui

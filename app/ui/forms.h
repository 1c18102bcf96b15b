// Screens: top-level windows at fixed positions, their frames, colours, key
// preview and retained canvas, and the order in which they show and close.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointer>
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
  // Where Tab goes past this screen's last control (Shift+Tab before its
  // first, or either key on a screen without controls): on into `other`'s
  // controls from their first (last), or back to `other` as it was.
  enum class TabOut { Onward, Back };
  void LeadTabTo(Form* other, TabOut how);
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
  bool focusNextPrevChild(bool next) override;
  QPaintEngine* paintEngine() const override;

 private:
  void fitOuterSize();
  QSize canvasArea() const;
  void paintOnServer(bool on);

  Frame frame_ = Frame::Single;
  QColor color_;
  bool keyPreview_ = false;
  QPointer<Form> tabTo_;
  TabOut tabOut_ = TabOut::Back;
  bool shownAtCreation_ = false;
  bool outer_ = false;
  QSize size_;
  QImage canvas_;
  std::unique_ptr<wm::ServerCanvas> server_;
};

// The drawing surface of a form, kept across repaints.
inline QImage& FormCanvas(Form* form) { return form->Canvas(); }

// The main form: the first form created. Closing it ends the program.
Form* MainForm();
// Forgets the main form (the screens are being destroyed).
void ResetMainForm();

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

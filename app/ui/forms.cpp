// Screens: top-level windows, their frames, canvases, showing and closing.
#include "app/ui/forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "app/desktop/server_canvas.h"
#include "app/desktop/window_manager.h"
#include "app/ui/dispatch.h"
#include "app/ui/fonts.h"
#include "app/ui/key_preview.h"
#include "app/ui/surface.h"

namespace ui {

namespace {

Form* mainForm = nullptr;
// Counts the times a screen came in front.
quint64 stackings = 0;

// A screen that has the keys is about to hide: the drill screen takes them
// back, also where no window manager would choose the next active window.
void handBackKeys(QWidget* form) {
  if (form != mainForm && mainForm && mainForm->isVisible() && IsActiveScreen(form))
    Activate(mainForm);
}

}  // namespace

Form::Form(const char* name)
    : QWidget(OneSurface(), OneSurface() ? Qt::WindowFlags() : Qt::WindowFlags(Qt::Window)) {
  setObjectName(QString::fromLatin1(name));
  setAutoFillBackground(true);
  SetDefaultFont(fonts::kPGothic, 12, Qt::black);  // every screen's, unless it says otherwise
  if (!mainForm) mainForm = this;
  InstallKeyPreview();
  // Hidden until shown, like a window: a child not hidden on purpose would
  // show with the surface.
  if (!isWindow()) hide();
}

Form::~Form() {
  if (mainForm == this) mainForm = nullptr;
}

void Form::Place(int left, int top, int width, int height, bool outer) {
  outer_ = outer;
  place_ = QPoint(left, top);
  size_ = QSize(width, height);
  move(left, top);
  if (frame_ == Frame::Single || frame_ == Frame::SingleBare)
    setFixedSize(size_);
  else
    resize(size_);
  fitOuterSize();
}

void Form::SetFrame(Frame frame) {
  frame_ = frame;
  if (!isWindow()) {  // on one surface no frame is drawn
    if (frame == Frame::Single || frame == Frame::SingleBare) setFixedSize(size());
    return;
  }
  Qt::WindowFlags flags = Qt::Window;
  switch (frame) {
    case Frame::None:
      flags |= Qt::FramelessWindowHint;
      break;
    case Frame::SingleBare:
      flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
      break;
    case Frame::Single:
      flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
               Qt::WindowCloseButtonHint;
      break;
    case Frame::Sizeable:
      break;
  }
  const QPoint at = pos();
  setWindowFlags(flags);
  move(at);
  if (frame == Frame::Single || frame == Frame::SingleBare) setFixedSize(size());
}

void Form::SetColor(QColor color) {
  color_ = color;
  QPalette pal = palette();
  pal.setColor(QPalette::Window, color);
  setPalette(pal);
  if (server_) server_->SetGround(color);
}

void Form::SetDefaultFont(const char* face, int pixels, QColor color) {
  QFont f(QString::fromUtf8(face));
  f.setPixelSize(pixels);
  f.setStyleStrategy(QFont::NoFontMerging);
  setFont(f);
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, color);
  setPalette(pal);
}

QSize Form::canvasArea() const {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  return s ? s->geometry().size().expandedTo(size()) : size();
}

void Form::KeepCanvasOnServer() {
  if (server_ || HasCanvas() || !isWindow()) return;
  server_ = wm::ServerCanvas::Make();
  if (!server_) return;
  server_->SetGround(color_);
  paintOnServer(true);
}

// The X server paints the window from its background: Qt neither fills it nor
// keeps a buffer for it.
void Form::paintOnServer(bool on) {
  setAttribute(Qt::WA_PaintOnScreen, on);
  setAttribute(Qt::WA_NoSystemBackground, on);
  setAutoFillBackground(!on && canvas_.isNull());
}

QPaintEngine* Form::paintEngine() const { return server_ ? nullptr : QWidget::paintEngine(); }

bool Form::HasCanvas() const { return !canvas_.isNull() || (server_ && server_->Exists()); }

bool Form::CanvasOnServer() const { return server_ && canvas_.isNull(); }

QSize Form::CanvasSize() {
  if (CanvasOnServer()) {
    server_->Create(canvasArea());
    if (server_->Exists()) return server_->Size();
  }
  return Canvas().size();
}

void Form::DrawOnCanvas(const QImage& picture, std::span<const QPoint> places) {
  if (picture.isNull()) return;
  if (CanvasOnServer()) {
    server_->Create(canvasArea());
    if (server_->Exists()) {
      for (const QPoint& at : places) server_->Draw(at.x(), at.y(), picture);
      update();  // the window is shown again from the canvas once, after the drawing
      return;
    }
  }
  QPainter p(&Canvas());
  for (const QPoint& at : places) p.drawImage(at, picture);
}

qint64 Form::CanvasKey() const { return CanvasOnServer() ? server_->Id() : canvas_.cacheKey(); }

QImage Form::CanvasPicture() const { return CanvasOnServer() ? server_->Read() : canvas_; }

QImage& Form::Canvas() {
  // Taken back as it stands; from now on the bitmap here is the canvas, and
  // each paint hands the X server what changed.
  if (CanvasOnServer() && server_->Exists()) canvas_ = server_->Read();
  if (canvas_.isNull()) {
    canvas_ = QImage(canvasArea(), QImage::Format_RGB32);
    canvas_.fill(color_);
  }
  // The canvas covers the whole form: nothing to fill beneath it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
  update();
  return canvas_;
}

void Form::paintEvent(QPaintEvent* event) {
  if (server_) {
    if (!canvas_.isNull()) {
      server_->Create(canvas_.size());
      server_->Put(canvas_, event->rect());
    }
    server_->Show();
  } else if (!canvas_.isNull()) {
    QPainter p(this);
    p.setClipRegion(event->region());
    p.fillRect(rect(), color_);
    p.drawImage(0, 0, canvas_);
  }
  RunHandler([this] { PaintForm(); });
}

void Form::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // On one surface the surface says which screen is active, not the window
  // system, which only ever activates the surface.
  if (event->type() == QEvent::ActivationChange && isWindow() && isActiveWindow())
    RunHandler([this] { Activated(); });
  // The drill screen offers no minimise; a window manager that minimises it
  // anyway gets it back at once, in front.
  if (event->type() == QEvent::WindowStateChange && this == mainForm && isMinimized())
    QTimer::singleShot(0, this, [this] {
      if (isMinimized()) RaiseToTop(this);
    });
}

bool Form::event(QEvent* event) {
  if (event->type() == QEvent::ZOrderChange) stackedAt_ = ++stackings;
  return QWidget::event(event);
}

// A close request from the window manager or a keyboard shortcut never ends
// the program: only its own buttons do. A screen without a close box stays;
// one with a close box only hides.
void Form::closeEvent(QCloseEvent* event) {
  if (this == mainForm || !wm::Closable(frame_)) {
    event->ignore();
    return;
  }
  handBackKeys(this);
  event->accept();
}

void Form::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) {
    stackedAt_ = ++stackings;  // a window that is mapped comes in front
    if (!isWindow()) raise();  // so does a screen on one surface
  }
  // Not yet mapped: the window manager reads the hints when it maps it.
  if (!event->spontaneous() && isWindow()) wm::Describe(this, frame_, this == mainForm);
  // A window that cannot take the canvas as its background paints it itself.
  if (server_ && !server_->Attach(this)) {
    server_.reset();
    paintOnServer(false);
  }
  fitOuterSize();
}

// On one surface no window manager gives the keys to another screen.
void Form::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!isWindow()) handBackKeys(this);
}

void Form::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  fitOuterSize();
}

// Without a frame (no window manager, or one surface) the whole outer size is
// client area; within any frame, the client area is what the layout's own
// frame left, as large as its controls were laid out for.
void Form::fitOuterSize() {
  if (!outer_ || size_.isEmpty()) return;
  const bool framed = frameGeometry() != geometry();
  const QSize client = (framed ? wm::ClassicClient(size_, frame_) : size_).expandedTo(QSize(1, 1));
  if (client != size()) resize(client);
}

void Form::joinSurface(QWidget* surface) {
  const bool shown = !isHidden();
  // The X server's canvas belongs to a window of its own: taken back first.
  if (server_) {
    if (server_->Exists()) canvas_ = server_->Read();
    server_.reset();
    paintOnServer(false);
    if (!canvas_.isNull()) {
      setAttribute(Qt::WA_OpaquePaintEvent);
      setAutoFillBackground(false);
    }
  }
  setParent(surface, Qt::WindowFlags());
  // A window manager that filled the screen with it also resized it.
  move(place_);
  if (!outer_ && !size_.isEmpty()) resize(size_);
  fitOuterSize();
  // A child not hidden on purpose shows with its parent.
  setVisible(shown);
}

Form* FormOf(QObject* object) {
  for (; object; object = object->parent())
    if (auto* form = qobject_cast<Form*>(object)) return form;
  return nullptr;
}

Form* MainForm() { return mainForm; }
void ResetMainForm() { mainForm = nullptr; }

void SetVisible(QWidget* form, bool visible) {
  if (!visible) {
    handBackKeys(form);
    form->hide();
    return;
  }
  if (form->isVisible()) return;
  form->show();
  form->raise();
  Activate(form);
}

void RaiseToTop(QWidget* form) {
  if (form->isMinimized()) form->showNormal();  // back from the task bar
  form->raise();
  if (QWidget* surface = OneSurface(); surface && !surface->isActiveWindow()) {
    surface->raise();
    surface->activateWindow();
  }
  Activate(form);
}

void CloseScreen(Form* form) {
  if (form != mainForm) {
    form->hide();
    return;
  }
  // Every screen goes with the main form, at once.
  for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
  QCoreApplication::exit(0);
}

int RunApplication() {
  QGuiApplication::setQuitOnLastWindowClosed(false);
  if (mainForm) mainForm->show();
  return QApplication::exec();
}

}  // namespace ui

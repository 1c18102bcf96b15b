// Screens: top-level windows, their frames, canvases, showing and closing.
#include "app/ui/forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>

#include "app/desktop/server_canvas.h"
#include "app/desktop/window_manager.h"
#include "app/ui/accessibility.h"
#include "app/ui/dispatch.h"
#include "app/ui/fonts.h"
#include "app/ui/key_preview.h"

namespace ui {

namespace {

Form* mainForm = nullptr;

// A screen that has the keys is about to hide: the drill screen takes them
// back, also where no window manager would choose the next active window.
void handBackKeys(QWidget* form) {
  if (form != mainForm && mainForm && mainForm->isVisible() && form->isActiveWindow())
    mainForm->activateWindow();
}

}  // namespace

Form::Form(const char* name) : QWidget(nullptr, Qt::Window) {
  setObjectName(QString::fromLatin1(name));
  setAutoFillBackground(true);
  SetDefaultFont(fonts::kPGothic, 12, Qt::black);  // every screen's, unless it says otherwise
  if (!mainForm) mainForm = this;
  InstallKeyPreview();
  InstallAccessibility();
}

Form::~Form() {
  if (mainForm == this) mainForm = nullptr;
}

void Form::Place(int left, int top, int width, int height, bool outer) {
  outer_ = outer;
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
  if (server_ || HasCanvas()) return;
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
  if (event->type() == QEvent::ActivationChange && isActiveWindow())
    RunHandler([this] { Activated(); });
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
  // Not yet mapped: the window manager reads the hints when it maps it.
  if (!event->spontaneous()) wm::Describe(this, frame_, this == mainForm);
  // A window that cannot take the canvas as its background paints it itself.
  if (server_ && !server_->Attach(this)) {
    server_.reset();
    paintOnServer(false);
  }
  fitOuterSize();
}

void Form::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  fitOuterSize();
}

void Form::LeadTabTo(Form* other, TabOut how) {
  tabTo_ = other;
  tabOut_ = how;
}

namespace {

// The controls Tab visits on a screen, in its order.
QList<QWidget*> tabChain(QWidget* form) {
  QList<QWidget*> chain;
  for (QWidget* w = form->nextInFocusChain(); w && w != form; w = w->nextInFocusChain())
    if (w->window() == form && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(form) &&
        w->isEnabled())
      chain << w;
  return chain;
}

}  // namespace

bool Form::focusNextPrevChild(bool next) {
  if (!tabTo_ || !tabTo_->isVisible()) return QWidget::focusNextPrevChild(next);
  const QList<QWidget*> chain = tabChain(this);
  if (!chain.isEmpty() && focusWidget() != (next ? chain.back() : chain.front()))
    return QWidget::focusNextPrevChild(next);
  Form* other = tabTo_;
  // The focus comes by key: the other screen shows its focus mark at once.
  other->setAttribute(Qt::WA_KeyboardFocusChange);
  GiveKeysTo(other);
  const QList<QWidget*> otherChain = tabChain(other);
  if (tabOut_ == TabOut::Onward && !otherChain.isEmpty())
    (next ? otherChain.front() : otherChain.back())
        ->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void Form::fitOuterSize() {
  if (!outer_ || size_.isEmpty()) return;
  const QSize frame = frameGeometry().size() - geometry().size();
  const QSize client = (size_ - frame).expandedTo(QSize(1, 1));
  if (client != size()) resize(client);
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
  form->activateWindow();
}

void RaiseToTop(QWidget* form) {
  if (form->isMinimized()) form->showNormal();  // back from the task bar
  form->raise();
  form->activateWindow();
}

void GiveKeysTo(QWidget* form) { form->activateWindow(); }

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

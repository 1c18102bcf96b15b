// Screens: top-level windows, their frames, canvases, showing and closing.
#include "app/ui/forms.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "app/desktop/server_canvas.h"
#include "app/desktop/window_manager.h"
#include "app/ui/accessibility.h"
#include "app/ui/dispatch.h"
#include "app/ui/fonts.h"
#include "app/ui/key_preview.h"
#include "app/ui/pictures.h"
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
  InstallAccessibility();
}

Form::~Form() {
  if (mainForm == this) mainForm = nullptr;
}

// Layout positions count from the home screen's top-left corner, which is
// not the desktop's where another monitor stands left of or above it.
void Form::Place(int left, int top, int width, int height, bool outer) {
  outer_ = outer;
  size_ = QSize(width, height);
  home_ = QPoint(left, top);
  // On one surface the surface stands on the home screen.
  const QScreen* home = isWindow() ? HomeScreen() : nullptr;
  move((home ? home->geometry().topLeft() : QPoint()) + home_);
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

// At least the window's own size in device pixels, however Qt rounds it.
QSize Form::deviceArea() const {
  const QSize area = canvasArea();
  const qreal ratio = ScreenRatio();
  return QSize(static_cast<int>(std::ceil(area.width() * ratio - 1e-6)),
               static_cast<int>(std::ceil(area.height() * ratio - 1e-6)));
}

qreal Form::ScreenRatio() const {
  const QScreen* s = screen();
  return s ? s->devicePixelRatio() : 1.0;
}

const QImage& Form::scaledFor(const QImage& picture, const QRect& device) {
  if (device.size() == picture.size()) return picture;
  if (scaledFrom_ != picture.cacheKey()) {
    scaled_.clear();
    scaledFrom_ = picture.cacheKey();
  }
  for (const QImage& scaled : scaled_)
    if (scaled.size() == device.size()) return scaled;
  scaled_.push_back(ScaledPicture(picture, device.size()));
  return scaled_.back();
}

void Form::CoverScreen(QScreen* screen) {
  if (!screen) return;
  if (isWindow() && this->screen() != screen) setScreen(screen);
  const QRect area = screen->geometry();
  const QScreen* home = HomeScreen();
  // Its place as a layout's, for a move onto one surface, where it stands.
  home_ = area.topLeft() - (home ? home->geometry().topLeft() : QPoint());
  outer_ = false;
  size_ = area.size();
  move(isWindow() ? area.topLeft() : home_);
  if (frame_ == Frame::Single || frame_ == Frame::SingleBare)
    setFixedSize(size_);
  else
    resize(size_);
  syncWindow();
  if (HasCanvas()) fitCanvas();
}

void Form::StandWithin(QPoint origin, const QRect& area) {
  const QSize outer = frameGeometry().size();
  QPoint at = origin + home_;
  at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width())));
  at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height())));
  if (pos() != at) move(at);
  syncWindow();
}

// Qt 6.4 leaves a window at its size in device pixels when the scale of its
// screen changes, and goes on taking the widget for what it was: the window
// and its buffer are given the widget's place and size again, at the new
// scale, and it is painted anew.
void Form::syncWindow() {
  QWindow* window = windowHandle();
  if (!window || (window->size() == size() && window->framePosition() == pos())) return;
  window->resize(size());
  window->setFramePosition(pos());
  if (QBackingStore* store = backingStore()) store->resize(size());
  update();
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

// A canvas made for another size or ratio of the screen is made again, empty,
// and so is another canvas (its key changes).
void Form::fitCanvas() {
  const qreal ratio = ScreenRatio();
  if (CanvasOnServer()) {
    server_->Create(deviceArea(), ratio != canvasRatio_);
    if (server_->Exists()) canvasRatio_ = ratio;
  } else if (!canvas_.isNull()) {
    Canvas();
  }
}

QSize Form::CanvasSize() {
  if (CanvasOnServer()) fitCanvas();
  if (!CanvasOnServer() || !server_->Exists()) Canvas();
  return canvasArea();
}

void Form::DrawOnCanvas(const QImage& picture, std::span<const QPoint> places) {
  if (picture.isNull()) return;
  const qreal ratio = ScreenRatio();
  if (CanvasOnServer()) {
    fitCanvas();
    if (server_->Exists()) {
      for (const QPoint& at : places) {
        const QRect device = DeviceRect(QRect(at, picture.size()), ratio);
        server_->Draw(device.x(), device.y(), scaledFor(picture, device));
      }
      update();  // the window is shown again from the canvas once, after the drawing
      return;
    }
  }
  QImage& canvas = Canvas();
  // The bitmap's own pixels, whatever ratio it is shown at.
  QImage pixels(canvas.bits(), canvas.width(), canvas.height(), canvas.bytesPerLine(),
                canvas.format());
  QPainter p(&pixels);
  for (const QPoint& at : places) {
    const QRect device = DeviceRect(QRect(at, picture.size()), ratio);
    p.drawImage(device.topLeft(), scaledFor(picture, device));
  }
}

qint64 Form::CanvasKey() const { return CanvasOnServer() ? server_->Id() : canvas_.cacheKey(); }

QImage Form::CanvasPicture() const { return CanvasOnServer() ? server_->Read() : canvas_; }

QImage& Form::Canvas() {
  // Taken back as it stands; from now on the bitmap here is the canvas, and
  // each paint hands the X server what changed.
  if (CanvasOnServer() && server_->Exists()) canvas_ = server_->Read();
  const QSize device = deviceArea();
  const qreal ratio = ScreenRatio();
  if (canvas_.size() != device || ratio != canvasRatio_) {
    canvas_ = QImage(device, QImage::Format_RGB32);
    canvas_.fill(color_);
  }
  canvasRatio_ = ratio;
  canvas_.setDevicePixelRatio(ratio);
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
      server_->Put(canvas_, DeviceRect(event->rect(), ScreenRatio()).adjusted(-1, -1, 1, 1));
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
  move(home_);
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

QScreen* HomeScreen() { return QGuiApplication::primaryScreen(); }

void OnScreensChanged(QObject* context, std::function<void()> changed) {
  // A new mode changes a screen's size and its dots per inch one after the
  // other, and Qt may tell each apart: one call for them all, once Qt has.
  auto pending = std::make_shared<bool>(false);
  const auto later = [context, changed = std::move(changed), pending] {
    if (*pending) return;
    *pending = true;
    QMetaObject::invokeMethod(
        context,
        [changed, pending] {
          *pending = false;
          changed();
        },
        Qt::QueuedConnection);
  };
  const auto watch = [context, later](QScreen* screen) {
    QObject::connect(screen, &QScreen::geometryChanged, context, later);
    QObject::connect(screen, &QScreen::availableGeometryChanged, context, later);
    QObject::connect(screen, &QScreen::logicalDotsPerInchChanged, context, later);
  };
  for (QScreen* screen : QGuiApplication::screens()) watch(screen);
  QObject::connect(qApp, &QGuiApplication::screenAdded, context, [watch, later](QScreen* screen) {
    watch(screen);
    later();
  });
  QObject::connect(qApp, &QGuiApplication::screenRemoved, context, later);
  QObject::connect(qApp, &QGuiApplication::primaryScreenChanged, context, later);
}

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

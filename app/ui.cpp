#include "app/ui.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImageReader>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "app/fonts.h"
#include "app/window_manager.h"

namespace ui {

// ---------------------------------------------------------------- failures

namespace {
QPointer<QMessageBox> errorBox;
int errorCount = 0;
}  // namespace

HandlerError::HandlerError(const QString& message) : std::runtime_error(message.toStdString()) {}

void ShowError(const QString& message) {
  ++errorCount;
  if (!errorBox) {
    // Parent it to the main form so that it goes with the screens.
    errorBox = new QMessageBox(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                               QString(), QMessageBox::Ok, MainForm());
    errorBox->setObjectName(QStringLiteral("ErrorBox"));
    if (!MainForm()) qAddPostRoutine([] { delete errorBox.data(); });
  }
  errorBox->setText(message);
  errorBox->setWindowModality(Qt::ApplicationModal);
  errorBox->show();  // no nested event loop: timers and screens go on
  errorBox->raise();
  errorBox->activateWindow();
}

QMessageBox* ErrorBox() { return errorBox.data(); }
int ErrorCount() { return errorCount; }

void RunHandler(const std::function<void()>& handler) noexcept {
  try {
    handler();
  } catch (const HandlerError& e) {
    ShowError(e.message());
  } catch (const std::exception& e) {
    ShowError(QString::fromUtf8(e.what()));
  }
}

// ----------------------------------------------------------- conversions

QString IntToText(std::int32_t value) { return QString::number(value); }

std::int32_t TextToInt(const QString& text) {
  const QString t = text.trimmed();
  bool ok = !t.isEmpty();
  for (qsizetype i = 0; ok && i < t.size(); ++i) {
    const QChar c = t.at(i);
    ok = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
         (i == 0 && t.size() > 1 && (c == QLatin1Char('-') || c == QLatin1Char('+')));
  }
  const qlonglong value = ok ? t.toLongLong(&ok) : 0;
  if (!ok || value < INT32_MIN || value > INT32_MAX)
    throw HandlerError(QStringLiteral("'%1' は整数ではありません").arg(text));
  return static_cast<std::int32_t>(value);
}

// ------------------------------------------------------- random and clock

namespace {
std::uint32_t seed = 0;
std::function<QTime()> clockSource;
std::optional<double> forcedReal;

void step() { seed = seed * 134775813u + 1u; }
}  // namespace

void SeedRandom() {
  const QTime t = clockSource ? clockSource() : QDateTime::currentDateTimeUtc().time();
  seed = static_cast<std::uint32_t>(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 +
                                    t.msec());
}

std::int32_t RandomBelow(std::int32_t n) {
  step();
  const std::uint64_t product = static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) * seed;
  return static_cast<std::int32_t>(product >> 32);
}

double RandomReal() {
  step();
  if (forcedReal) return *forcedReal;
  return static_cast<double>(seed) / 4294967296.0;
}

std::uint32_t RandomSeed() { return seed; }
void SetRandomSeed(std::uint32_t value) { seed = value; }
void SetClock(std::function<QTime()> clock) { clockSource = std::move(clock); }
void ForceRandomReal(std::optional<double> value) { forcedReal = value; }

// ------------------------------------------------------------------ sound

// Beep() and BeepCount() are in sound.cpp.

// --------------------------------------------------------------- pictures

void CopyArea(QImage& dest, const Rect& destRect, const QImage& src, const Rect& srcRect) {
  if (dest.isNull() || src.isNull()) return;
  QPainter p(&dest);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QRect(destRect.left, destRect.top, destRect.width(), destRect.height()), src,
              QRect(srcRect.left, srcRect.top, srcRect.width(), srcRect.height()));
}

bool DrawPicture(QImage& canvas, int x, int y, const QImage& picture) {
  if (picture.isNull() || canvas.isNull()) return false;
  QPainter p(&canvas);
  p.drawImage(x, y, picture);
  return true;
}

QImage StoredPicture(const char* resource) {
  // By its suffix and Qt's own readers only: guessing the format would load
  // every image plugin on the system to ask it.
  const QString path = QString::fromLatin1(resource);
  QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

// ------------------------------------------------------------------ fonts

int PointsToPixels(int points) { return (points * 96 + 36) / 72; }
int PixelsToPoints(int pixels) { return (pixels * 72 + 48) / 96; }

void InstallFonts() {
  const auto name = [](const char* utf8) { return QString::fromUtf8(utf8); };
  QStringList digitFaces;
  const int id = QFontDatabase::addApplicationFont(name(fonts::kBundledDigitsFile));
  if (id >= 0) digitFaces << QFontDatabase::applicationFontFamilies(id);
  digitFaces << name(fonts::kKleeOne) << name(fonts::kIpaGothic);
  QFont::insertSubstitutions(name(fonts::kDigits), digitFaces);
  QFont::insertSubstitutions(name(fonts::kPGothic),
                             {name(fonts::kIpaPGothic), name(fonts::kIpaPGothicJa)});
  QFont::insertSubstitutions(name(fonts::kGothic),
                             {name(fonts::kIpaGothic), name(fonts::kIpaGothicJa)});
}

// ------------------------------------------------------------- components

Image::Image(QWidget* parent, const char* name, bool stretch) : QWidget(parent), stretch_(stretch) {
  setObjectName(QString::fromLatin1(name));
}

void Image::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

QImage& Image::Canvas() {
  if (picture_.isNull()) {
    picture_ = QImage(size(), QImage::Format_RGB32);
    picture_.fill(Qt::white);
  }
  update();
  return picture_;
}

void Image::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter p(this);
  if (stretch_)
    p.drawImage(rect(), picture_);
  else
    p.drawImage(0, 0, picture_);
}

void Image::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void Image::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) Q_EMIT clicked();
}

Label::Label(QWidget* parent, const char* name, bool autoSize)
    : QLabel(parent), autoSize_(autoSize) {
  setObjectName(QString::fromLatin1(name));
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setMargin(0);
  setIndent(0);
  setTextFormat(Qt::PlainText);
}

void Label::SetCaption(const QString& caption) {
  setText(caption);
  fit();
}

void Label::SetFontSize(int points) {
  QFont f = font();
  f.setPixelSize(PointsToPixels(points));
  setFont(f);
  fit();
}

int Label::FontSize() const { return PixelsToPoints(font().pixelSize()); }

void Label::fit() {
  if (autoSize_) resize(sizeHint());
}

RadioGroup::RadioGroup(QWidget* parent, const char* name, const QString& title,
                       const QStringList& items)
    : QGroupBox(title, parent) {
  setObjectName(QString::fromLatin1(name));
  setFlat(true);
  for (const QString& caption : items) {
    auto* item = new QRadioButton(caption, this);
    item->setObjectName(caption);
    items_ << item;
  }
  if (!items_.isEmpty()) items_.front()->setChecked(true);
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  placeItems();
}

// The items stand in two columns under the title.
void RadioGroup::placeItems() {
  const int titleHeight = fontMetrics().height();
  const int columnWidth = (width() - 4) / 2;
  for (int i = 0; i < items_.size(); ++i)
    items_[i]->setGeometry(2 + (i % 2) * columnWidth, titleHeight + (i / 2) * titleHeight,
                           columnWidth, std::max(height() - titleHeight, 1));
}

int RadioGroup::ItemIndex() const {
  for (int i = 0; i < items_.size(); ++i)
    if (items_[i]->isChecked()) return i;
  return -1;
}

void RadioGroup::SetItemIndex(int index) {
  if (QRadioButton* item = items_.value(index)) item->setChecked(true);
}

// ------------------------------------------------------------ key preview

namespace {

// Sees every key press before its receiver and hands the typed character to
// the receiving screen when that screen previews keys. Qt passes an ignored
// key on to the receiver's parents, and an application filter sees it again at
// each of them; only the first delivery counts.
class KeyPreviewFilter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::ShortcutOverride:
      case QEvent::KeyRelease:
        last_ = nullptr;  // a new key is on its way
        break;
      case QEvent::KeyPress:
        if (watched->isWidgetType()) onKeyPress(static_cast<QWidget*>(watched), event);
        break;
      default:
        break;
    }
    return false;  // never consumed: the focused control gets the key as usual
  }

 private:
  void onKeyPress(QWidget* receiver, QEvent* event) {
    const bool passedOn = event == last_ && lastReceiver_ && receiver != lastReceiver_ &&
                          receiver->isAncestorOf(lastReceiver_);
    last_ = event;
    lastReceiver_ = receiver;
    if (passedOn) return;
    const QString text = static_cast<QKeyEvent*>(event)->text();
    auto* form = qobject_cast<Form*>(receiver->window());
    if (text.isEmpty() || !form || !form->KeyPreview()) return;
    const QChar key = text.front();
    RunHandler([form, key] { form->PreviewKey(key); });
  }

  const QEvent* last_ = nullptr;
  QPointer<QWidget> lastReceiver_;
};

void installKeyPreview() {
  static QPointer<KeyPreviewFilter> filter;
  if (filter) return;
  filter = new KeyPreviewFilter(qApp);
  qApp->installEventFilter(filter);
}

Form* mainForm = nullptr;

// A screen that has the keys is about to hide: the drill screen takes them
// back, also where no window manager would choose the next active window.
void handBackKeys(QWidget* form) {
  if (form != mainForm && mainForm && mainForm->isVisible() && form->isActiveWindow())
    mainForm->activateWindow();
}

}  // namespace

// ------------------------------------------------------------------ forms

Form::Form(const char* name) : QWidget(nullptr, Qt::Window) {
  setObjectName(QString::fromLatin1(name));
  setAutoFillBackground(true);
  SetDefaultFont(fonts::kPGothic, 12, Qt::black);  // every screen's, unless it says otherwise
  if (!mainForm) mainForm = this;
  installKeyPreview();
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

QImage& Form::Canvas() {
  if (canvas_.isNull()) {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize area = s ? s->geometry().size().expandedTo(size()) : size();
    canvas_ = QImage(area, QImage::Format_RGB32);
    canvas_.fill(color_);
    // The canvas covers the whole form: nothing to fill beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
  }
  update();
  return canvas_;
}

void Form::paintEvent(QPaintEvent* event) {
  if (!canvas_.isNull()) {
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
  fitOuterSize();
}

void Form::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  fitOuterSize();
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

// --------------------------------------------------------------- layouts

namespace {

QFont fontOf(const QWidget* owner, const FontSpec& wanted) {
  QFont f = owner->font();
  if (wanted.face) f.setFamily(QString::fromUtf8(wanted.face));
  if (wanted.pixels > 0) f.setPixelSize(wanted.pixels);
  f.setBold(wanted.bold);
  f.setUnderline(wanted.underline);
  return f;
}

void applyFont(QWidget* w, const QWidget* form, const Component& c) {
  if (!c.font.face && c.font.pixels == 0) return;
  w->setFont(fontOf(form, c.font));
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, QColor::fromRgb(c.font.color));
  pal.setColor(QPalette::ButtonText, QColor::fromRgb(c.font.color));
  w->setPalette(pal);
}

}  // namespace

namespace {
QString screenName(const QObject* form) {
  return QStringLiteral("screen %1 (%2)")
      .arg(form->objectName(), QString::fromLatin1(form->metaObject()->className()));
}
}  // namespace

QString LayoutProblem(const QObject* form, std::span<const Component> layout) {
  QSet<QByteArray> seen;
  for (const Component& c : layout) {
    const QByteArray name(c.name);
    if (seen.contains(name))
      return QStringLiteral("%1: two components are named \"%2\"")
          .arg(screenName(form), QString::fromLatin1(name));
    seen.insert(name);
  }
  return {};
}

QString FindProblem(const QObject* form, const char* name, const QMetaObject& kind) {
  const QObject* found =
      form->findChild<QObject*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
  const QString kindName = QString::fromLatin1(kind.className());
  if (!found)
    return QStringLiteral("%1: no component \"%2\" (a %3)")
        .arg(screenName(form), QString::fromLatin1(name), kindName);
  if (!found->metaObject()->inherits(&kind))
    return QStringLiteral("%1: component \"%2\" is a %3, not a %4")
        .arg(screenName(form), QString::fromLatin1(name),
             QString::fromLatin1(found->metaObject()->className()), kindName);
  return {};
}

void FailCreation(const QString& problem) { qFatal("%s", qUtf8Printable(problem)); }

void BuildLayout(Form* form, std::span<const Component> layout) {
  if (const QString problem = LayoutProblem(form, layout); !problem.isEmpty())
    FailCreation(problem);
  std::vector<std::pair<int, QWidget*>> tabOrder;
  std::vector<QWidget*> windowed;
  for (const Component& c : layout) {
    QWidget* w = nullptr;
    const QString text = QString::fromUtf8(c.text);
    switch (c.kind) {
      case Kind::Button: {
        auto* b = new QPushButton(text, form);
        b->setObjectName(QString::fromLatin1(c.name));
        b->setAutoDefault(false);
        w = b;
        break;
      }
      case Kind::Edit: {
        auto* e = new QLineEdit(text, form);
        e->setObjectName(QString::fromLatin1(c.name));
        QFont f = e->font();  // the child may type anything here
        f.setStyleStrategy(QFont::PreferDefault);
        e->setFont(f);
        w = e;
        break;
      }
      case Kind::RadioGroup: {
        QStringList parts = text.split(QLatin1Char('|'));
        const QString title = parts.takeFirst();
        w = new RadioGroup(form, c.name, title, parts);
        break;
      }
      case Kind::Label: {
        auto* l = new Label(form, c.name, !(c.flags & kFixedSize));
        if (c.flags & kOpaque) {
          l->setAutoFillBackground(true);
          QPalette pal = l->palette();
          pal.setColor(QPalette::Window, QColor::fromRgb(c.background));
          l->setPalette(pal);
        }
        w = l;
        break;
      }
      case Kind::Image: {
        auto* i = new Image(form, c.name, c.flags & kStretch);
        if (c.picture) i->SetPicture(StoredPicture(c.picture));
        w = i;
        break;
      }
    }
    w->setGeometry(c.left, c.top, c.width, c.height);
    applyFont(w, form, c);
    if (auto* l = qobject_cast<Label*>(w)) l->SetCaption(text);
    if (c.flags & kHidden) w->setVisible(false);
    if (c.kind != Kind::Label && c.kind != Kind::Image) {
      windowed.push_back(w);
      if (c.tabOrder >= 0) tabOrder.emplace_back(c.tabOrder, w);
    } else {
      w->setFocusPolicy(Qt::NoFocus);
    }
  }
  for (QWidget* w : windowed) w->raise();
  std::stable_sort(tabOrder.begin(), tabOrder.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 1; i < tabOrder.size(); ++i)
    QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
  if (!tabOrder.empty()) tabOrder.front().second->setFocus();
}

}  // namespace ui

// One surface for all the screens, where windows cannot be placed.
#include "app/ui/surface.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>
#include <utility>
#include <vector>

#include "app/desktop/window_manager.h"
#include "app/ui/dispatch.h"
#include "app/ui/forms.h"

namespace ui {

// The full-screen window the screens are drawn in, and the window manager of
// its children: it raises and activates the screen a click lands on, keeps
// the keys on the active screen, and is closed only with the program.
class Surface final : public QWidget {
 public:
  Surface() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Surface"));
    // What shows where no screen stands: a bare desktop.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    if (const QScreen* s = QGuiApplication::primaryScreen()) setGeometry(s->geometry());
    qApp->installEventFilter(this);
  }

  // The screens come in furthest back first, so that they stand as before.
  void Take(std::vector<Form*> forms) {
    std::sort(forms.begin(), forms.end(),
              [](const Form* a, const Form* b) { return a->stackedAt_ < b->stackedAt_; });
    for (Form* form : forms) form->joinSurface(this);
  }

  Form* Active() const { return active_; }

  void Activate(Form* form) {
    QWidget* focus = form->focusWidget();
    if (!focus || !focus->isVisibleTo(form) || !focus->isEnabled()) focus = form;
    if (QApplication::focusWidget() != focus) focus->setFocus(Qt::ActiveWindowFocusReason);
    if (active_ == form) return;
    active_ = form;
    RunHandler([form] { form->Activated(); });
  }

 protected:
  // A press raises the screen it lands on and gives it the keys, before the
  // press itself arrives there.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonPress || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this) return false;
    if (Form* form = FormOf(widget)) {
      form->raise();
      Activate(form);
    }
    return false;
  }

  // Tab goes round the controls of the active screen only, as it would in a
  // window of its own.
  bool focusNextPrevChild(bool next) override {
    Form* form = active_;
    if (!form) return QWidget::focusNextPrevChild(next);
    QWidget* start = QApplication::focusWidget();
    if (!start || !form->isAncestorOf(start)) start = form;
    QWidget* w = start;
    do {
      w = next ? w->nextInFocusChain() : w->previousInFocusChain();
      if (w != form && form->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) &&
          w->isVisible() && w->isEnabled()) {
        w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
      }
    } while (w != start && w != this);
    return true;
  }

  // Only the program's own buttons end it.
  void closeEvent(QCloseEvent* event) override { event->ignore(); }

  // A screen that covered the whole surface goes on covering it.
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    const QRect before(QPoint(0, 0), event->oldSize());
    for (Form* form : findChildren<Form*>(Qt::FindDirectChildrenOnly))
      if (form->geometry() == before) form->Place(0, 0, width(), height(), false);
  }

 private:
  QPointer<Form> active_;
};

namespace {

QPointer<Surface> surface;

}  // namespace

void ChooseSurface() {
  if (wm::OnWayland()) {
    UseOneSurface();
    return;
  }
  // A kiosk compositor answers every window with the whole screen, so the
  // first screen of fixed size that shows tells.
  wm::OnFixedWindowFilled([] { UseOneSurface(); });
}

void UseOneSurface() {
  if (surface) return;
  Form* active = ActiveScreen();
  std::vector<Form*> forms;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* form = qobject_cast<Form*>(w)) forms.push_back(form);
  surface = new Surface;
  surface->Take(std::move(forms));
  surface->showFullScreen();
  if (!active || active->isHidden()) active = MainForm();
  if (active && !active->isHidden()) surface->Activate(active);
}

bool OnOneSurface() { return surface; }

QWidget* OneSurface() { return surface.data(); }

void LeaveOneSurface() { delete surface.data(); }

Form* ActiveScreen() {
  if (surface) return surface->Active();
  return qobject_cast<Form*>(QApplication::activeWindow());
}

bool IsActiveScreen(const QWidget* form) {
  if (surface) return surface->Active() == form;
  return form->isActiveWindow();
}

void Activate(QWidget* form) {
  if (!surface) {
    form->activateWindow();
    return;
  }
  if (Form* f = FormOf(form)) surface->Activate(f);
}

QRect ScreenArea(const QWidget* form) {
  if (surface && !form->isWindow()) {
    const QScreen* s = surface->screen();
    return QRect(QPoint(0, 0), s ? s->geometry().size() : surface->size());
  }
  const QScreen* s = QGuiApplication::screenAt(form->pos());
  if (!s) s = QGuiApplication::primaryScreen();
  return s ? s->geometry() : QRect();
}

}  // namespace ui

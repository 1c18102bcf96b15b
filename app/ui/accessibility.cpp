// The screens as a screen reader sees them. Qt's own interfaces describe
// buttons, labels, edits and the radio group; the screens, the pictures and
// the announcers have interfaces of their own here.
#include "app/ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QScreen>

#include "app/ui/components.h"
#include "app/ui/forms.h"

namespace ui {

namespace {

constexpr char kNeverSeenProperty[] = "poronkaNeverSeen";
constexpr char kCoveredProperty[] = "poronkaCovered";

// What the screen reader was last told on one screen, and what the event
// under way has said so far.
class Announcer : public QObject {
 public:
  explicit Announcer(QObject* screen) : QObject(screen) {}
  QString said;
  QStringList pending;
  int count = 0;
};

Announcer* announcerOf(const QWidget* screen) {
  for (QObject* child : screen->children())
    if (auto* announcer = dynamic_cast<Announcer*>(child)) return announcer;
  return nullptr;
}

void tell(QObject* object, QAccessible::Event type) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(object, type);
  QAccessible::updateAccessibility(&event);
}

// The messages of one event go out together, as one notification: a new name
// and a showing, which screen readers speak.
void flush(Announcer* announcer) {
  if (announcer->pending.isEmpty()) return;
  announcer->said = announcer->pending.join(QStringLiteral("。"));
  announcer->pending.clear();
  ++announcer->count;
  tell(announcer, QAccessible::NameChanged);
  tell(announcer, QAccessible::ObjectShow);
}

// A screen: a window whose children are the components the child can see,
// then its announcer. Off view it shows nothing at all.
class FormAccessible : public QAccessibleWidget {
 public:
  explicit FormAccessible(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (!OnView(widget())) {
      state.invisible = true;
      state.offscreen = true;
      state.focusable = false;
      state.active = false;
    }
    return state;
  }
  int childCount() const override { return static_cast<int>(shown().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QObject*> children = shown();
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children.at(index));
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? static_cast<int>(shown().indexOf(child->object())) : -1;
  }

 private:
  QList<QObject*> shown() const {
    QList<QObject*> children;
    if (!OnView(widget())) return children;
    Announcer* announcer = nullptr;
    for (QObject* object : widget()->children()) {
      if (auto* w = qobject_cast<QWidget*>(object)) {
        if (!w->isWindow() && !NeverSeen(w)) children << w;
      } else if (auto* a = dynamic_cast<Announcer*>(object)) {
        announcer = a;
      }
    }
    if (announcer) children << announcer;
    return children;
  }
};

// A picture: a graphic, or a button where a click on it does something.
class ImageAccessible : public QAccessibleWidget {
 public:
  explicit ImageAccessible(Image* image) : QAccessibleWidget(image, QAccessible::Graphic) {}

  QAccessible::Role role() const override {
    return image()->Clickable() ? QAccessible::Button : QAccessible::Graphic;
  }
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (pressable()) names.prepend(pressAction());
    return names;
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      if (pressable()) image()->Click();
      return;
    }
    QAccessibleWidget::doAction(action);
  }
  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == pressAction() && pressable()) return {QStringLiteral("Return")};
    return QAccessibleWidget::keyBindingsForAction(action);
  }

 private:
  Image* image() const { return static_cast<Image*>(widget()); }
  bool pressable() const { return image()->Clickable() && image()->isVisible(); }
};

// The announcer: a notification that names the last message.
class AnnouncerAccessible : public QAccessibleObject {
 public:
  explicit AnnouncerAccessible(Announcer* announcer) : QAccessibleObject(announcer) {}

  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(object()->parent());
  }
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? announcer()->said : QString();
  }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override {
    QAccessible::State state;
    const auto* screen = qobject_cast<const QWidget*>(object()->parent());
    state.invisible = announcer()->said.isEmpty() || !screen || !OnView(screen);
    return state;
  }

 private:
  Announcer* announcer() const { return static_cast<Announcer*>(object()); }
};

QAccessibleInterface* makeInterface(const QString&, QObject* object) {
  if (auto* form = qobject_cast<Form*>(object)) return new FormAccessible(form);
  if (auto* image = qobject_cast<Image*>(object)) return new ImageAccessible(image);
  if (auto* announcer = dynamic_cast<Announcer*>(object)) return new AnnouncerAccessible(announcer);
  return nullptr;
}

// The screen over a screen, or none: the property holds it.
QObject* coverOf(const QWidget* form) { return form->property(kCoveredProperty).value<QObject*>(); }

void setCover(QWidget* form, QObject* cover) {
  const bool was = coverOf(form) != nullptr;
  form->setProperty(kCoveredProperty, QVariant::fromValue(cover));
  if (was != (cover != nullptr))
    tell(form, cover ? QAccessible::ObjectHide : QAccessible::ObjectShow);
}

bool coversScreen(const QWidget* form) {
  const QScreen* screen = form->screen();
  return screen && form->frameGeometry().contains(screen->geometry());
}

// A screen raised to the top is on view, and covers every screen that lies
// wholly inside it until it hides. A screen that covers the whole screen only
// comes active when it is in front (a click on the backdrop under a window
// manager, which raises it without the program's asking).
class CoverWatch : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::ZOrderChange && type != QEvent::WindowActivate && type != QEvent::Hide)
      return false;
    auto* form = qobject_cast<Form*>(watched);
    if (!form || !form->isWindow()) return false;
    const QList<QWidget*> others = QApplication::topLevelWidgets();
    if (type == QEvent::Hide) {
      for (QWidget* other : others)
        if (coverOf(other) == form) setCover(other, nullptr);
      return false;
    }
    if (!form->isVisible()) return false;
    if (type == QEvent::WindowActivate && !coversScreen(form)) return false;
    setCover(form, nullptr);
    const QRect area = form->frameGeometry();
    for (QWidget* other : others)
      if (other != form && other->isVisible() && qobject_cast<Form*>(other) &&
          area.contains(other->frameGeometry()))
        setCover(other, form);
    return false;
  }
};

}  // namespace

void InstallAccessibility() {
  static QPointer<CoverWatch> watch;
  if (watch) return;
  QAccessible::installFactory(makeInterface);
  watch = new CoverWatch(qApp);
  qApp->installEventFilter(watch);
}

void SetNeverSeen(QWidget* component) { component->setProperty(kNeverSeenProperty, true); }

bool NeverSeen(const QWidget* component) {
  return component->property(kNeverSeenProperty).toBool();
}

bool OnView(const QWidget* form) { return form->isVisible() && !coverOf(form); }

void Announce(QWidget* screen, const QString& text) {
  if (text.isEmpty()) return;
  Announcer* announcer = announcerOf(screen);
  if (!announcer) announcer = new Announcer(screen);
  if (announcer->pending.contains(text)) return;  // one hint given twice in one go
  if (announcer->pending.isEmpty())
    QMetaObject::invokeMethod(
        announcer, [announcer] { flush(announcer); }, Qt::QueuedConnection);
  announcer->pending << text;
}

QString LastAnnouncement(const QWidget* screen) {
  const Announcer* announcer = announcerOf(screen);
  return announcer ? announcer->said : QString();
}

int AnnouncementCount(const QWidget* screen) {
  const Announcer* announcer = announcerOf(screen);
  return announcer ? announcer->count : 0;
}

}  // namespace ui

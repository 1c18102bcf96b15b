// The keys on buttons, and the focus mark.
#include "app/ui/keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>

namespace ui {

namespace {

// Qt's buttons take Return only as a dialog's default button; here every
// button does, as a child (and a parent) expects. Qt also lets the arrow keys
// walk a push button's focus on along the tab order, as Tab does: a child
// pressing arrows and then Space would end up pressing "おしまい". On push
// buttons the arrows stay put (Tab still moves on); radio buttons keep them
// for moving within their group.
class ButtonKeys : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button) return false;
    switch (key->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (!button->isEnabled()) return false;
        if (!key->isAutoRepeat()) button->click();
        return true;
      case Qt::Key_Left:
      case Qt::Key_Right:
      case Qt::Key_Up:
      case Qt::Key_Down:
        return qobject_cast<QPushButton*>(button) != nullptr;
      default:
        return false;
    }
  }
};

// An edit draws its text (and the selection behind it) over its frame: the
// mark goes on top, once the edit has painted.
class MarkOnTop : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || painting_) return false;
    auto* edit = static_cast<QWidget*>(watched);
    painting_ = true;
    static_cast<QObject*>(edit)->event(event);
    painting_ = false;
    if (edit->hasFocus() && edit->window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
      QPainter painter(edit);
      DrawFocusMark(painter, edit->rect());
    }
    return true;
  }

 private:
  bool painting_ = false;
};

bool keyboardFocus(const QStyleOption* option) {
  return (option->state & QStyle::State_HasFocus) &&
         (option->state & QStyle::State_KeyboardFocusChange);
}

class FocusMarkStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    // The buttons draw the mark themselves, around the whole button.
    if (element == PE_FrameFocusRect && qobject_cast<const QAbstractButton*>(widget)) return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    QProxyStyle::drawControl(element, option, painter, widget);
    if ((element == CE_PushButton || element == CE_RadioButton || element == CE_CheckBox) &&
        keyboardFocus(option))
      DrawFocusMark(*painter, option->rect);
  }
};

}  // namespace

void ButtonKeysFor(QAbstractButton* button) {
  static QPointer<ButtonKeys> filter;
  if (!filter) filter = new ButtonKeys(qApp);
  button->installEventFilter(filter);
}

void MarkFocusOnTop(QLineEdit* edit) {
  static QPointer<MarkOnTop> filter;
  if (!filter) filter = new MarkOnTop(qApp);
  edit->installEventFilter(filter);
}

void DrawFocusMark(QPainter& painter, const QRect& area) {
  const auto ring = [&painter](const QRect& r, const QColor& colour) {
    const int w = kFocusMarkWidth;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
    painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
    painter.fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
    painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
  };
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  ring(area, QColor(0x00, 0x00, 0x00));
  ring(area.adjusted(kFocusMarkWidth, kFocusMarkWidth, -kFocusMarkWidth, -kFocusMarkWidth),
       QColor(0xFF, 0xFF, 0x00));
  painter.restore();
}

QStyle* WithFocusMark(QStyle* base) { return new FocusMarkStyle(base); }

}  // namespace ui

#include "app/desktop/input_method.h"

#include <QInputMethodQueryEvent>
#include <QWidget>

namespace ui {

namespace {

class InputMethodOff : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::InputMethodQuery) return false;
    auto* query = static_cast<QInputMethodQueryEvent*>(event);
    if (!(query->queries() & Qt::ImEnabled)) return false;
    watched->event(event);  // the field answers the rest
    query->setValue(Qt::ImEnabled, false);
    return true;
  }
};

}  // namespace

void KeepInputMethodOff(QWidget* field) {
  field->setAttribute(Qt::WA_InputMethodEnabled, false);
  field->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
  field->installEventFilter(new InputMethodOff(field));
}

}  // namespace ui

// Key preview: a screen sees the characters typed in any of its controls.
#include "app/ui/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

#include "app/ui/dispatch.h"
#include "app/ui/forms.h"

namespace ui {

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
    Form* form = FormOf(receiver);
    if (text.isEmpty() || !form || !form->KeyPreview()) return;
    const QChar key = text.front();
    RunHandler([form, key] { form->PreviewKey(key); });
  }

  const QEvent* last_ = nullptr;
  QPointer<QWidget> lastReceiver_;
};

}  // namespace

void InstallKeyPreview() {
  static QPointer<KeyPreviewFilter> filter;
  if (filter) return;
  filter = new KeyPreviewFilter(qApp);
  qApp->installEventFilter(filter);
}

}  // namespace ui

// Failing handlers: the one error box, and the one place where a handler that
// throws is caught, so that no handler needs a try of its own.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <stdexcept>

class QMessageBox;

namespace ui {

// A handler that cannot go on throws this; RunHandler ends the handler,
// shows the message and lets the event loop carry on.
class HandlerError : public std::runtime_error {
 public:
  explicit HandlerError(const QString& message);
  QString message() const { return QString::fromUtf8(what()); }
};

// Shows `message` in the application-modal error box without a nested event
// loop. A second failure while the box is up replaces its text.
void ShowError(const QString& message);
QMessageBox* ErrorBox();  // nullptr until the first failure
int ErrorCount();         // failures shown since start

// The one place where a failing handler is caught. Every entry from Qt into
// the screens' handlers goes through here.
void RunHandler(const std::function<void()>& handler) noexcept;

template <class Sender, class Fn, class Obj>
void Connect(Sender* sender, Fn signal, Obj* target, void (Obj::*handler)()) {
  QObject::connect(sender, signal, target,
                   [target, handler] { RunHandler([=] { (target->*handler)(); }); });
}

}  // namespace ui

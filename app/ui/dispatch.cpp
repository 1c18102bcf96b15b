// The one error box, and the one place where failing handlers are caught.
#include "app/ui/dispatch.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>

#include "app/ui/forms.h"

namespace ui {

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

}  // namespace ui

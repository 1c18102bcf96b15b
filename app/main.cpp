#include <QApplication>

#include "app/screens.h"
#include "app/ui.h"

int main(int argc, char* argv[]) {
  // Screens stand at fixed positions, which Wayland refuses to clients.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  SetUpApplication();
  CreateScreens();
  const int code = ui::RunApplication();
  DestroyScreens();
  return code;
}

#include <QApplication>

#include "app/backdrop.h"
#include "app/desktop/single_instance.h"
#include "app/screens.h"
#include "app/ui/ui.h"

int main(int argc, char* argv[]) {
  // Screens stand at fixed positions, which Wayland refuses to clients: X
  // (also XWayland) first, Wayland itself where no X server can be reached.
  // With no X display named at all, X cannot answer: Wayland comes first then,
  // without a failed try (and its warnings) before it.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM",
            qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland;xcb" : "xcb;wayland");
  QApplication app(argc, argv);
  SingleInstance instance(SingleInstance::DesktopKey());
  if (!instance.Claim([] { Form10->ComeForward(); })) return 0;
  SetUpApplication();
  CreateScreens();
  const int code = ui::RunApplication();
  DestroyScreens();
  return code;
}

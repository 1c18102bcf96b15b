#include "app/screens.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>
#include <memory>
#include <vector>

#include "app/backdrop.h"
#include "app/ui/ui.h"
#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "pictures/picture_library.h"
#include "pictures/sprite_sheet_holder.h"
#include "pictures/wallpaper_chooser.h"
#include "rewards/badge.h"
#include "rewards/fifty_screen.h"
#include "rewards/greeting.h"
#include "rewards/hundred_screen.h"

TPORONKA* PORONKA = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;
TForm1* Form1 = nullptr;
TForm7* Form7 = nullptr;
TForm9* Form9 = nullptr;
TForm10* Form10 = nullptr;

namespace {

std::vector<ui::Form*> created;

// The variable is set before the creation handler runs; a layout that says
// visible shows the form after creation.
template <class T>
void CreateScreen(T*& variable) {
  variable = new T;
  created.push_back(variable);
  variable->Created();
  if (variable->ShownAtCreation()) ui::SetVisible(variable, true);
}

}  // namespace

void SetUpApplication() {
  QGuiApplication::setApplicationDisplayName(QStringLiteral("ポロンカ"));
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.poronka.Poronka"));
  // On X11 the plugins the program needs (platform, input method) came with
  // the application object. Looking no further keeps Qt from loading every
  // image plugin on the system only to ask it about the pictures' PNG and BMP,
  // which Qt reads by itself. Wayland loads its shell integration with the
  // first window, so there the paths stay.
  if (QGuiApplication::platformName() == QLatin1String("xcb"))
    QCoreApplication::setLibraryPaths({});
  // One look everywhere: the screens are pixel layouts. The focus mark must
  // show on the green board too.
  QApplication::setStyle(ui::WithFocusMark(QStyleFactory::create(QStringLiteral("Fusion"))));
  QApplication::setPalette(QApplication::style()->standardPalette());
  // Every window carries its icon in all these sizes; larger ones come from
  // the installed icon theme through the desktop file.
  QIcon icon;
  for (const char* file : {":/assets/icon_16.png", ":/assets/icon_32.png", ":/assets/icon_48.png",
                           ":/assets/icon_64.png"})
    icon.addPixmap(QPixmap::fromImage(ui::StoredPicture(file)));
  QApplication::setWindowIcon(icon);
  ui::InstallFonts();
  // Windows where they can stand at their places, one surface where not.
  ui::ChooseSurface();
}

void CreateScreens() {
  CreateScreen(PORONKA);
  CreateScreen(Form2);
  CreateScreen(Form3);
  CreateScreen(Form4);
  CreateScreen(Form5);
  CreateScreen(Form6);
  CreateScreen(Form1);
  CreateScreen(Form7);
  CreateScreen(Form9);
  CreateScreen(Form10);
  // Should the application object go first, the screens go with it.
  static bool registered = false;
  if (!registered) {
    registered = true;
    qAddPostRoutine(DestroyScreens);
  }
}

const std::vector<ui::Form*>& CreatedScreens() { return created; }

void DestroyScreens() {
  while (!created.empty()) {
    std::unique_ptr<ui::Form> form(created.back());
    created.pop_back();
  }
  ui::ResetMainForm();
  ui::LeaveOneSurface();
  PORONKA = nullptr;
  Form2 = nullptr;
  Form3 = nullptr;
  Form4 = nullptr;
  Form5 = nullptr;
  Form6 = nullptr;
  Form1 = nullptr;
  Form7 = nullptr;
  Form9 = nullptr;
  Form10 = nullptr;
}

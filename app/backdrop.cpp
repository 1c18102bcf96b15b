#include "app/backdrop.h"

#include <QMouseEvent>

#include "app/desktop/window_manager.h"
#include "app/screens.h"
#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "pictures/wallpaper_chooser.h"

namespace {
constexpr std::int32_t kWrapAbove = 10000;
constexpr std::int32_t kWrapTo = 10;  // past the start-up steps, so none runs twice
constexpr std::int32_t kLastStep = 7;
}  // namespace

TForm10::TForm10() : ui::Form("Form10") {
  setWindowTitle(QStringLiteral("Form10"));
  setAccessibleName(QStringLiteral("はいけい"));
  SetColor(QColor(0x00, 0x00, 0x80));
  // The wallpaper covers the whole screen: on X11 the X server keeps it.
  KeepCanvasOnServer();
  SetFrame(ui::Frame::Sizeable);
  Place(21, 69, 127, 149, true);
  Timer1 = new ui::Timer(this, "Timer1", 10);
  ui::Connect(Timer1, &QTimer::timeout, this, &TForm10::Timer1Timer);
  // Past the start-up steps a tick only counts, and nothing but this handler
  // reads the count: the sequencer sleeps from then on.
  Timer1->SleepWhile([this] { return StartupTick >= kLastStep; });
  ui::OnScreensChanged(this, [this] { ui::RunHandler([this] { ScreensChanged(); }); });
}

void TForm10::Timer1Timer() {
  ++StartupTick;
  if (StartupTick > kWrapAbove) StartupTick = kWrapTo;
  switch (StartupTick) {
    case 1:
      SetFrame(ui::Frame::None);
      break;
    case 3: {
      // Cover the whole screen the windows stand on, also where no window
      // manager would maximise it.
      CoverScreen(ui::HomeScreen());
      // A Wayland compositor places windows itself, and maps each new one in
      // front: the backdrop fills the desktop as a maximised window, and the
      // drill screen and the chooser are mapped again to stand in front of it.
      // (On one surface the program places and stacks them itself.)
      const bool waylandWindows = wm::OnWayland() && !ui::OnOneSurface();
      if (waylandWindows) setWindowState(Qt::WindowMaximized);
      ui::SetVisible(this, true);
      break;
    }
    case 4:
      ui::SetVisible(Form9, true);
      break;
    case 5:
      ui::RaiseToTop(PORONKA);
      break;
    case 6:
      ui::RaiseToTop(Form9);
      break;
    case kLastStep:
      PORONKA->Button13Click();
      break;
    default:
      break;
  }
}

// A screen came or went, or changed its size or scale: every screen stands
// where its layout puts it on the home screen, as far as the screen lets it;
// the backdrop, once up, covers that screen again, and the wallpaper is drawn
// anew at the new size.
void TForm10::ScreensChanged() {
  QScreen* home = ui::HomeScreen();
  if (!home) return;
  for (ui::Form* form : CreatedScreens())
    if (form != this) form->StandWithin(home->geometry().topLeft(), home->availableGeometry());
  if (StartupTick >= 3 && !wm::OnWayland()) CoverScreen(home);
  if (Form2 && Form2->isVisible()) Form2->StandBesideBoard();
  if (Form9 && Form9->WallpaperChoice != 0) Form9->RedrawWallpaper(Form9->WallpaperChoice);
}

void TForm10::FormActivate() {
  ui::RaiseToTop(PORONKA);
  ui::RaiseToTop(Form9);
}

// Without a window manager a click neither raises nor activates anything by
// itself.
void TForm10::mousePressEvent(QMouseEvent* event) {
  ui::Form::mousePressEvent(event);
  // On one surface the press has raised and activated the backdrop already.
  if (ui::OnOneSurface()) return;
  // A window manager has raised the backdrop already, and activating it runs
  // FormActivate; raising it again here could land after that.
  if (wm::WindowManagerName().isEmpty()) {
    ComeForward();
  } else {
    ui::RunHandler([this] { FormActivate(); });
  }
}

void TForm10::ComeForward() {
  // A window manager would refuse a program's own raise while another
  // program has the keys.
  wm::BringForward({this, PORONKA, Form9});
  if (isVisible()) raise();
  ui::RunHandler([this] { FormActivate(); });
}

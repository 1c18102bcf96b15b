#include "app/backdrop.h"

#include <QMouseEvent>

#include "app/desktop/window_manager.h"
#include "app/screens.h"
#include "drill/drill_screen.h"
#include "pictures/wallpaper_chooser.h"

namespace {
constexpr std::int32_t kWrapAbove = 10000;
constexpr std::int32_t kWrapTo = 10;  // past the start-up steps, so none runs twice
constexpr std::int32_t kLastStep = 7;
}  // namespace

TForm10::TForm10() : ui::Form("Form10") {
  setWindowTitle(QStringLiteral("Form10"));
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
}

void TForm10::Timer1Timer() {
  ++StartupTick;
  if (StartupTick > kWrapAbove) StartupTick = kWrapTo;
  switch (StartupTick) {
    case 1:
      SetFrame(ui::Frame::None);
      break;
    case 3: {
      // Cover the whole screen it is on, also where no window manager would
      // maximise it.
      const QRect area = ui::ScreenArea(this);
      if (!area.isEmpty()) Place(area.x(), area.y(), area.width(), area.height(), false);
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

#include "pictures/wallpaper_chooser.h"

#include "app/screens.h"
#include "drill/drill_screen.h"

TForm9::TForm9() : ui::Form("Form9") {
  setWindowTitle(QStringLiteral("Form9"));
  SetColor(QColor(0x80, 0x80, 0x00));
  SetDefaultFont("ＭＳ Ｐゴシック", 12, Qt::black);
  SetFrame(ui::Frame::Sizeable);
  Place(499, 259, 104, 191, true);
  SetKeyPreview(true);
  SetShownAtCreation(true);
  Timer1 = new ui::Timer(this, "Timer1", 1000);
  ui::Connect(Timer1, &QTimer::timeout, this, &TForm9::Timer1Timer);
}

void TForm9::FormCreate() { PORONKA->Button20Click(); }

void TForm9::FormKeyPress(QChar key) { PORONKA->ForwardKey(key); }

void TForm9::Timer1Timer() {}

void TForm9::ApplyWallpaper(int n) { (void)n; }
void TForm9::RedrawWallpaper(int n) { (void)n; }

void TForm9::Image1Click() { ApplyWallpaper(1); }
void TForm9::Image2Click() { ApplyWallpaper(2); }
void TForm9::Image3Click() { ApplyWallpaper(3); }
void TForm9::Image4Click() { ApplyWallpaper(4); }
void TForm9::Image5Click() { ApplyWallpaper(5); }
void TForm9::Image6Click() { ApplyWallpaper(6); }
void TForm9::Image7Click() { ApplyWallpaper(7); }
void TForm9::Image8Click() { ApplyWallpaper(8); }
void TForm9::Image9Click() { ApplyWallpaper(9); }
void TForm9::Image10Click() { ApplyWallpaper(10); }

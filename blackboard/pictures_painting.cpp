// Pictures for every screen, the drill screen's painting and its tray.
#include <array>

#include "app/screens.h"
#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "pictures/picture_library.h"
#include "pictures/wallpaper_chooser.h"
#include "rewards/fifty_screen.h"
#include "rewards/greeting.h"
#include "rewards/hundred_screen.h"

namespace {

constexpr double kPraiseChange = 0.005;  // chance per animal per repaint

// The image receives its own copy of the slot's picture, and with it the
// name a screen reader gives the picture.
void give(ui::Image* image, int slot) {
  if (image) image->Take(Form1->Slot(slot));
}

void giveRange(int first, int last, int slot) {
  for (int n = first; n <= last; ++n) give(Form2->Img(n), slot);
}

}  // namespace

// Cuts the library afresh and hands its pictures out. Shows, hides and moves
// nothing, so it can run at any time, any number of times.
void TPORONKA::Button20Click() {
  Form1->SliceAll();

  give(Image1, PicCow);
  give(Image4, PicBlueTile);
  give(Image5, PicRedTile);
  give(Image6, PicMonkey);
  give(Image7, PicCow);
  give(Image8, PicKoala);
  give(Image9, PicGiraffe);
  give(Image11, PicLion);
  give(Image12, PicBear);
  give(Image10, PicOrangeBar);

  giveRange(1, 10, PicBlueTile);
  giveRange(11, 30, PicRedTile);
  giveRange(31, 40, PicBlueTile);
  giveRange(41, 49, PicRedTile);
  giveRange(51, 59, PicBlueTile);
  give(Form2->Img(50), PicOrangeBar);

  give(Form3->Image1, PicKitten);

  give(Form5->Image1, PicCow);
  give(Form5->Image4, PicMonkey);
  give(Form5->Image5, PicLion);
  give(Form5->Image6, PicKoala);
  give(Form5->Image7, PicGiraffe);
  give(Form5->Image8, PicBear);

  give(Form6->Image1, PicKitten);

  constexpr int kChooser[] = {PicOrangeSlices, PicApple,    PicBlueLattice, PicFish,
                              PicCatTile,      PicBearTile, PicGreenSquare, PicStar};
  for (int n = 1; n <= 8; ++n) give(Form9->Img(n), kChooser[n - 1]);
}

// Now and then the praise picture becomes another animal; a change repaints
// the screen once more, so the chain ends at the first paint without one. The
// backdrop keeps its wallpaper, so the redraw costs nothing unless something
// changed there.
void TPORONKA::FormPaint() {
  const std::array<ui::Image*, 6> animals{Image12, Image6, Image7, Image8, Image9, Image11};
  for (ui::Image* animal : animals)
    if (ui::RandomReal() < kPraiseChange) Image1->Take(animal);
  if (!Form9) return;
  const std::int32_t wallpaper = Form9->WallpaperChoice;
  if (wallpaper >= 1 && wallpaper <= TForm9::kWallpapers) Form9->RedrawWallpaper(wallpaper);
}

// The eraser: counts back to 0, every picture as at start (the cow again).
void TPORONKA::Image10Click() {
  Button18Click();
  Button20Click();
}

// Either white chalk puts up a new problem.
void TPORONKA::Image20Click() { Button13Click(); }
void TPORONKA::Image30Click() { Button13Click(); }

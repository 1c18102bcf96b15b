// The wallpaper chooser: ten small pictures; a click tiles one over the
// backdrop. Until the child picks one, the wallpaper changes by itself.
#pragma once

#include <array>
#include <cstdint>

#include "app/ui/ui.h"

class TForm9 : public ui::Form {
  Q_OBJECT
 public:
  TForm9();

  static constexpr int kWallpapers = 10;

  std::int32_t WallpaperChoice = 0;  // last applied, 1 to 10; 0 none yet
  std::int32_t WallpaperPicked = 0;  // picked by hand; 0 none
  std::int32_t WallpaperTicks = 0;

  // Image1 to Image10 by number.
  ui::Image* Img(int number) const { return images_.at(static_cast<size_t>(number)); }
  ui::Timer* Timer1 = nullptr;

  void Created() override { FormCreate(); }

  // A click on picture n: the wallpaper by hand, which ends the rotation.
  void ApplyWallpaper(int n);
  // Draws wallpaper n on the backdrop again; changes neither choice.
  void RedrawWallpaper(int n);
  // The picture that wallpaper n tiles.
  const QImage& Tile(int n) const;

 public Q_SLOTS:
  // handlers (pictures/wallpaper_chooser.cpp)
  void FormCreate();
  void FormKeyPress(QChar key);
  void Timer1Timer();
  void Image1Click();
  void Image2Click();
  void Image3Click();
  void Image4Click();
  void Image5Click();
  void Image6Click();
  void Image7Click();
  void Image8Click();
  void Image9Click();
  void Image10Click();

 protected:
  void PreviewKey(QChar key) override { FormKeyPress(key); }

 private:
  std::array<ui::Image*, 11> images_{};
  // What the backdrop's canvas last received from here: which wallpaper, from
  // which tile, leaving the canvas in which state.
  struct Drawn {
    int wallpaper = 0;
    qint64 tile = 0;
    qint64 canvas = 0;
  } drawn_;
};

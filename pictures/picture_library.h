// The picture library: 21 picture slots cut from the sprite sheet. Never shown.
#pragma once

#include <array>

#include "app/ui/ui.h"
#include "pictures/sheet_layout.h"

enum PictureSlot {
  PicBlueTile = 1,
  PicYellowTile = 2,
  PicGreenTile = 3,
  PicCow = 4,
  PicMonkey = 5,
  PicLion = 6,
  PicKoala = 7,
  PicGiraffe = 8,
  PicBear = 9,
  PicPortrait = 10,
  PicKitten = 11,
  PicOrangeSlices = 12,
  PicApple = 13,
  PicBlueLattice = 14,
  PicFish = 15,
  PicCatTile = 16,
  PicBearTile = 17,
  PicGreenSquare = 18,
  PicRedTile = 19,
  PicOrangeBar = 20,
  PicStar = 21,
};

class TForm1 : public ui::Form {
  Q_OBJECT
 public:
  TForm1();

  static constexpr int kSlots = sheet_layout::kSlotCount;

  // The image of a picture slot, Image1 to Image21.
  ui::Image* Slot(int slot) const { return slots_.at(static_cast<size_t>(slot)); }
  const QImage& SlotPicture(int slot) const { return Slot(slot)->Picture(); }
  // Cuts all 21 slots in order.
  void SliceAll() { Button1Click(); }

  QPushButton* BitBtn1 = nullptr;  // closes the screen

 public Q_SLOTS:
  // handlers (pictures/picture_library.cpp)
  void Button1Click();  // "ALL"
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void Button9Click();
  void Button10Click();
  void Button11Click();
  void Button12Click();
  void Button13Click();
  void Button14Click();
  void Button15Click();
  void Button16Click();
  void Button17Click();
  void Button18Click();
  void Button19Click();
  void Button20Click();
  void Button21Click();
  void Button22Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void cut(int slot);
  std::array<ui::Image*, 22> slots_{};
};

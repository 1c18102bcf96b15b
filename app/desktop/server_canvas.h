// A window's retained canvas kept by the X server: a pixmap that is the
// window's own background. The server repaints the window from it by itself,
// so the program holds neither a screen-sized bitmap nor a window buffer the
// size of the screen for it.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <array>
#include <cstdint>
#include <memory>

class QWidget;
struct xcb_connection_t;

namespace wm {

class ServerCanvas {
 public:
  // A canvas for windows on this display; null off X11, or where the screen's
  // pixels are not the 8-8-8 bits in 32 that a plain bitmap holds.
  static std::unique_ptr<ServerCanvas> Make();
  ~ServerCanvas();
  ServerCanvas(const ServerCanvas&) = delete;
  ServerCanvas& operator=(const ServerCanvas&) = delete;

  // Makes the canvas (or the plain ground before there is one) the background
  // of `window`'s X window; needed each time that window has been made.
  // False when the window's depth cannot take it.
  bool Attach(const QWidget* window);
  // The ground: the colour the window shows before there is a canvas, and
  // the one a new canvas starts with.
  void SetGround(QColor ground);

  bool Exists() const { return pixmap_ != 0; }
  // In the X server's pixels, which are the screen's device pixels.
  QSize Size() const { return size_; }
  // Makes the canvas, filled with the ground, unless there is one of this
  // size: one of another size (the screen changed), or any one `again`, is
  // made anew, empty.
  void Create(QSize size, bool again = false);
  // Draws `picture` at x, y as QPainter::drawImage would on a bitmap.
  void Draw(int x, int y, const QImage& picture);
  // Puts the part `area` of `bitmap` at the same place on the canvas.
  void Put(const QImage& bitmap, QRect area);
  // Repaints the window from what has been drawn.
  void Show();
  // The canvas as it stands, read back from the server.
  QImage Read() const;
  // Which canvas it is: another one after it has been made again.
  std::uint32_t Id() const { return pixmap_; }

 private:
  ServerCanvas(xcb_connection_t* c, std::uint8_t depth) : c_(c), depth_(depth) {}
  void setBackground();
  void put(std::uint32_t drawable, int x, int y, const QImage& rgb32);
  QImage read(int x, int y, int width, int height) const;

  xcb_connection_t* c_;
  std::uint8_t depth_;
  std::uint32_t window_ = 0;
  std::uint32_t pixmap_ = 0;
  std::uint32_t gc_ = 0;
  QSize size_;
  QRgb ground_ = 0;
  // The last opaque pictures drawn, kept on the server: a wallpaper draws the
  // same tile a thousand times, at a fractional ratio in up to four sizes (a
  // width and a height rounded either way).
  struct Tile {
    std::uint32_t pixmap = 0;
    qint64 key = 0;
    QSize size;
    std::uint64_t used = 0;
  };
  std::uint32_t tile(const QImage& picture);
  std::array<Tile, 4> tiles_{};
  std::uint64_t uses_ = 0;
};

}  // namespace wm

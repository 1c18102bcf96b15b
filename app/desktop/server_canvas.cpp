#include "app/desktop/server_canvas.h"

#include <xcb/xcb.h>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/desktop/window_manager.h"

namespace wm {

namespace {

constexpr std::uint8_t kDepth = 24;

// Whether a 24-bit pixel on this server is a QImage RGB32 pixel: 32 bits,
// least significant byte first, red, green and blue in that order of masks.
bool plainPixels(xcb_connection_t* c) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) return false;
  bool formatFits = false;
  for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
    if (f.data->depth == kDepth)
      formatFits = f.data->bits_per_pixel == 32 && f.data->scanline_pad == 32;
  if (!formatFits) return false;
  const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
  if (!screen || screen->root_depth != kDepth) return false;
  for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem; xcb_depth_next(&d)) {
    for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
      if (v.data->visual_id != screen->root_visual) continue;
      return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && v.data->red_mask == 0xff0000 &&
             v.data->green_mask == 0x00ff00 && v.data->blue_mask == 0x0000ff;
    }
  }
  return false;
}

// How many rows of `rowBytes` each fit into one request to the server (the
// request's header aside).
int rowsPerRequest(xcb_connection_t* c, std::size_t rowBytes) {
  const std::size_t maxBytes = std::size_t{xcb_get_maximum_request_length(c)} * 4 - 64;
  return std::max(1, static_cast<int>(maxBytes / rowBytes));
}

}  // namespace

std::unique_ptr<ServerCanvas> ServerCanvas::Make() {
  xcb_connection_t* c = Connection();
  if (!c || xcb_connection_has_error(c) || !plainPixels(c)) return nullptr;
  return std::unique_ptr<ServerCanvas>(new ServerCanvas(c, kDepth));
}

ServerCanvas::~ServerCanvas() {
  // Gone with the connection when the program ends first.
  if (Connection() != c_ || xcb_connection_has_error(c_)) return;
  if (pixmap_) xcb_free_pixmap(c_, pixmap_);
  for (const Tile& t : tiles_)
    if (t.pixmap) xcb_free_pixmap(c_, t.pixmap);
  if (gc_) xcb_free_gc(c_, gc_);
  xcb_flush(c_);
}

bool ServerCanvas::Attach(const QWidget* window) {
  const auto w = static_cast<xcb_window_t>(window->winId());
  xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c_, xcb_get_geometry(c_, w), nullptr);
  const bool fits = geometry && geometry->depth == depth_;
  free(geometry);
  if (!fits) return false;
  window_ = w;
  setBackground();
  return true;
}

void ServerCanvas::SetGround(QColor ground) {
  ground_ = ground.rgb() & 0xffffff;
  if (!pixmap_) setBackground();
}

void ServerCanvas::setBackground() {
  if (!window_) return;
  if (pixmap_) {
    const std::uint32_t value = pixmap_;
    xcb_change_window_attributes(c_, window_, XCB_CW_BACK_PIXMAP, &value);
  } else {
    const std::uint32_t value = ground_;
    xcb_change_window_attributes(c_, window_, XCB_CW_BACK_PIXEL, &value);
  }
  Show();
}

void ServerCanvas::Create(QSize size, bool again) {
  size = size.boundedTo(QSize(32767, 32767));
  if ((pixmap_ && size == size_ && !again) || size.isEmpty() || !window_) return;
  // The window keeps showing the old one until the new one is its background.
  const std::uint32_t old = pixmap_;
  size_ = size;
  pixmap_ = xcb_generate_id(c_);
  xcb_create_pixmap(c_, depth_, pixmap_, window_, static_cast<std::uint16_t>(size_.width()),
                    static_cast<std::uint16_t>(size_.height()));
  if (!gc_) {
    gc_ = xcb_generate_id(c_);
    const std::uint32_t values[] = {ground_, 0};
    xcb_create_gc(c_, gc_, pixmap_, XCB_GC_FOREGROUND | XCB_GC_GRAPHICS_EXPOSURES, values);
  }
  const xcb_rectangle_t all = {0, 0, static_cast<std::uint16_t>(size_.width()),
                               static_cast<std::uint16_t>(size_.height())};
  xcb_poly_fill_rectangle(c_, pixmap_, gc_, 1, &all);
  setBackground();
  if (old) xcb_free_pixmap(c_, old);
}

void ServerCanvas::Draw(int x, int y, const QImage& picture) {
  if (!pixmap_ || picture.isNull()) return;
  const QRect target = QRect(QPoint(x, y), picture.size()) & QRect(QPoint(0, 0), size_);
  if (target.isEmpty()) return;
  if (picture.hasAlphaChannel()) {
    // Blended over what is there already: read it, draw on it, put it back.
    QImage under = read(target.x(), target.y(), target.width(), target.height());
    QPainter(&under).drawImage(x - target.x(), y - target.y(), picture);
    put(pixmap_, target.x(), target.y(), under);
    return;
  }
  xcb_copy_area(c_, tile(picture), pixmap_, gc_, static_cast<std::int16_t>(target.x() - x),
                static_cast<std::int16_t>(target.y() - y), static_cast<std::int16_t>(target.x()),
                static_cast<std::int16_t>(target.y()), static_cast<std::uint16_t>(target.width()),
                static_cast<std::uint16_t>(target.height()));
}

// The picture as a pixmap on the server: one it holds already, or the one
// least recently used, given the picture.
std::uint32_t ServerCanvas::tile(const QImage& picture) {
  Tile* slot = &tiles_[0];
  for (Tile& t : tiles_) {
    if (t.pixmap && t.key == picture.cacheKey()) {
      t.used = ++uses_;
      return t.pixmap;
    }
    if (t.used < slot->used) slot = &t;
  }
  if (!slot->pixmap || slot->size != picture.size()) {
    if (slot->pixmap) xcb_free_pixmap(c_, slot->pixmap);
    slot->pixmap = xcb_generate_id(c_);
    xcb_create_pixmap(c_, depth_, slot->pixmap, window_,
                      static_cast<std::uint16_t>(picture.width()),
                      static_cast<std::uint16_t>(picture.height()));
    slot->size = picture.size();
  }
  put(slot->pixmap, 0, 0, picture.convertToFormat(QImage::Format_RGB32));
  slot->key = picture.cacheKey();
  slot->used = ++uses_;
  return slot->pixmap;
}

// Rows of 32-bit pixels, in as few requests as the server takes.
void ServerCanvas::put(std::uint32_t drawable, int x, int y, const QImage& rgb32) {
  const int width = rgb32.width();
  const auto rowBytes = static_cast<std::size_t>(width) * 4;
  const int band = rowsPerRequest(c_, rowBytes);
  QByteArray rows;
  for (int top = 0; top < rgb32.height(); top += band) {
    const int height = std::min(band, rgb32.height() - top);
    rows.resize(static_cast<qsizetype>(rowBytes) * height);
    for (int r = 0; r < height; ++r)
      memcpy(rows.data() + static_cast<qsizetype>(rowBytes) * r, rgb32.constScanLine(top + r),
             rowBytes);
    xcb_put_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, gc_, static_cast<std::uint16_t>(width),
                  static_cast<std::uint16_t>(height), static_cast<std::int16_t>(x),
                  static_cast<std::int16_t>(y + top), 0, depth_,
                  static_cast<std::uint32_t>(rows.size()),
                  reinterpret_cast<const std::uint8_t*>(rows.constData()));
  }
}

void ServerCanvas::Put(const QImage& bitmap, QRect area) {
  area &= QRect(QPoint(0, 0), size_) & bitmap.rect();
  if (!pixmap_ || area.isEmpty()) return;
  put(pixmap_, area.x(), area.y(), bitmap.copy(area).convertToFormat(QImage::Format_RGB32));
}

void ServerCanvas::Show() {
  if (!window_) return;
  xcb_clear_area(c_, 0, window_, 0, 0, 0, 0);
  xcb_flush(c_);
}

QImage ServerCanvas::Read() const {
  return pixmap_ ? read(0, 0, size_.width(), size_.height()) : QImage();
}

QImage ServerCanvas::read(int x, int y, int width, int height) const {
  QImage image(width, height, QImage::Format_RGB32);
  const auto rowBytes = static_cast<std::size_t>(width) * 4;
  const int band = rowsPerRequest(c_, rowBytes);
  for (int top = 0; top < height; top += band) {
    const int rows = std::min(band, height - top);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        c_,
        xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap_, static_cast<std::int16_t>(x),
                      static_cast<std::int16_t>(y + top), static_cast<std::uint16_t>(width),
                      static_cast<std::uint16_t>(rows), ~0u),
        nullptr);
    if (!reply) return {};
    const std::uint8_t* data = xcb_get_image_data(reply);
    for (int r = 0; r < rows; ++r) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(top + r));
      memcpy(line, data + rowBytes * static_cast<std::size_t>(r), rowBytes);
      for (int i = 0; i < width; ++i) line[i] |= 0xff000000u;  // the server leaves the top byte
    }
    free(reply);
  }
  return image;
}

}  // namespace wm

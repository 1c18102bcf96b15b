// Pictures as values: rectangles, copying and drawing, and stored pictures.
#pragma once

#include <QImage>
#include <QRect>

namespace ui {

// Rectangles as left, top, right, bottom; right and bottom exclusive.
struct Rect {
  int left, top, right, bottom;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

// Stretch copy of `src` (source rect) onto `dest` (dest rect), plain copy.
void CopyArea(QImage& dest, const Rect& destRect, const QImage& src, const Rect& srcRect);
// Draws `picture` at its own size with its top-left at x, y. An empty
// picture draws nothing. Returns whether anything was drawn.
bool DrawPicture(QImage& canvas, int x, int y, const QImage& picture);
// Where a logical rectangle lies on a display of `ratio` device pixels to the
// logical one: each edge at its own place times the ratio, rounded, so that
// rectangles that touch at 1x still touch and none overlaps another.
QRect DeviceRect(const QRect& logical, qreal ratio);
// `picture` at `size` device pixels, as Qt draws a picture in a scaled window
// (without smoothing): each pixel takes the picture's pixel under its centre,
// the upper or left one where the centre falls on a boundary. The picture
// itself when it already has that size.
QImage ScaledPicture(const QImage& picture, QSize size);
// The picture of a resource; an empty picture when it cannot be read.
QImage StoredPicture(const char* resource);

}  // namespace ui

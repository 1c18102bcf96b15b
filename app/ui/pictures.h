// Pictures as values: rectangles, copying and drawing, and stored pictures.
#pragma once

#include <QImage>

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
// The picture of a resource; an empty picture when it cannot be read.
QImage StoredPicture(const char* resource);

}  // namespace ui

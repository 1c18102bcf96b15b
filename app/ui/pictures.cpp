// Copying and drawing pictures, and reading stored ones.
#include "app/ui/pictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <cmath>
#include <vector>

namespace ui {

void CopyArea(QImage& dest, const Rect& destRect, const QImage& src, const Rect& srcRect) {
  if (dest.isNull() || src.isNull()) return;
  QPainter p(&dest);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QRect(destRect.left, destRect.top, destRect.width(), destRect.height()), src,
              QRect(srcRect.left, srcRect.top, srcRect.width(), srcRect.height()));
}

bool DrawPicture(QImage& canvas, int x, int y, const QImage& picture) {
  if (picture.isNull() || canvas.isNull()) return false;
  QPainter p(&canvas);
  p.drawImage(x, y, picture);
  return true;
}

QRect DeviceRect(const QRect& logical, qreal ratio) {
  const auto at = [ratio](int edge) { return static_cast<int>(std::floor(edge * ratio + 0.5)); };
  return QRect(
      QPoint(at(logical.left()), at(logical.top())),
      QPoint(at(logical.left() + logical.width()) - 1, at(logical.top() + logical.height()) - 1));
}

namespace {

// For each of `to` pixels, the one of `from` under its centre: the centre of
// pixel d is at (2d + 1) / 2 of `to`, that is (2d + 1) * from / (2 * to) of
// `from`; on a boundary the lower one.
std::vector<int> Sources(int from, int to) {
  std::vector<int> source(static_cast<size_t>(to));
  for (int d = 0; d < to; ++d)
    source[static_cast<size_t>(d)] = static_cast<int>(
        ((2 * static_cast<qint64>(d) + 1) * from - 1) / (2 * static_cast<qint64>(to)));
  return source;
}

}  // namespace

QImage ScaledPicture(const QImage& picture, QSize size) {
  if (picture.isNull() || picture.size() == size) return picture;
  if (size.isEmpty()) return {};
  const QImage from = picture.convertToFormat(
      picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  QImage to(size, from.format());
  const std::vector<int> columns = Sources(from.width(), size.width());
  const std::vector<int> rows = Sources(from.height(), size.height());
  for (int y = 0; y < size.height(); ++y) {
    const auto* in =
        reinterpret_cast<const QRgb*>(from.constScanLine(rows[static_cast<size_t>(y)]));
    auto* out = reinterpret_cast<QRgb*>(to.scanLine(y));
    for (int x = 0; x < size.width(); ++x) out[x] = in[columns[static_cast<size_t>(x)]];
  }
  return to;
}

QImage StoredPicture(const char* resource) {
  // By its suffix and Qt's own readers only: guessing the format would load
  // every image plugin on the system to ask it.
  const QString path = QString::fromLatin1(resource);
  QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

}  // namespace ui

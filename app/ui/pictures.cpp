// Copying and drawing pictures, and reading stored ones.
#include "app/ui/pictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

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

QImage StoredPicture(const char* resource) {
  // By its suffix and Qt's own readers only: guessing the format would load
  // every image plugin on the system to ask it.
  const QString path = QString::fromLatin1(resource);
  QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

}  // namespace ui

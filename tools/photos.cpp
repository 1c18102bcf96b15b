// The two photographs: a head-and-shoulders portrait and the kitten.
#include "sheet.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

QImage loadPhoto(const QString& photosDir, const QString& name) {
  QImage photo(photosDir + QLatin1Char('/') + name);
  if (photo.isNull()) {
    std::fprintf(stderr, "draw_pictures: cannot read %s/%s\n", qPrintable(photosDir),
                 qPrintable(name));
    std::exit(1);
  }
  return photo.convertToFormat(QImage::Format_RGB32);
}

double smoothStep(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

}  // namespace

QImage drawPortrait(const QString& photosDir, QSize rect, QSize kept) {
  const QImage photo = loadPhoto(photosDir, QStringLiteral("portrait.png"));
  // Head and shoulders; the crop has the kept part's proportions, and the one
  // column the slot loses simply carries the photograph on.
  const QRect crop(95, 0, 260, 300);
  const QImage face =
      photo.copy(crop).scaled(kept, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QImage image(rect, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.drawImage(0, 0, face);
  for (int x = kept.width(); x < rect.width(); ++x)
    painter.drawImage(QRect(x, 0, 1, kept.height()), face,
                      QRect(kept.width() - 1, 0, 1, kept.height()));
  return image;
}

QImage drawKitten(const QString& photosDir, QSize rect) {
  // The greeting window shows the top-left 135 x 174 of this picture with a label
  // across y 136..160, so the head goes in that corner with the eyes and nose above
  // the label, and the photograph fades into a dark ground around it.
  const QImage photo = loadPhoto(photosDir, QStringLiteral("kitten.png"));
  const double scale = 0.5;
  const QImage scaled = photo.scaled(static_cast<int>(photo.width() * scale + 0.5),
                                     static_cast<int>(photo.height() * scale + 0.5),
                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QPoint offset(-53, 0);  // photo x 106 comes to the slot's left edge
  const QColor dark(0x1C, 0x17, 0x14);

  QImage image(rect, QImage::Format_RGB32);
  // The fade ends before the pale wall right of the kitten's cheek comes in.
  const QPointF centre(64, 74);
  for (int y = 0; y < rect.height(); ++y)
    for (int x = 0; x < rect.width(); ++x) {
      const QPoint source = QPoint(x, y) - offset;
      double weight = 0;
      QRgb c = dark.rgb();
      if (scaled.rect().contains(source)) {
        c = scaled.pixel(source);
        const double dx = (x - centre.x()) / (x < centre.x() ? 90.0 : 66.0);
        const double dy = (y - centre.y()) / 96.0;
        weight = 1.0 - smoothStep(0.72, 1.0, std::sqrt(dx * dx + dy * dy));
        weight *= 1.0 - smoothStep(scaled.height() - 22.0, scaled.height() - 1.0, source.y());
      }
      const auto mix = [&](int photoValue, int groundValue) {
        return static_cast<int>(groundValue + (photoValue - groundValue) * weight + 0.5);
      };
      image.setPixel(
          x, y,
          qRgb(mix(qRed(c), dark.red()), mix(qGreen(c), dark.green()), mix(qBlue(c), dark.blue())));
    }
  return image;
}

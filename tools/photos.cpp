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
  // A kitten lying on a blanket with its paws round a ball of wool, head up
  // at the top left. The greeting window shows the top-left 135 x 174 of this
  // picture with a label across y 136..160: the head and chest stand there,
  // the face above the label. The fifty screen shows it whole, and there the
  // body, the wool and the tail lie across the rest.
  const QImage photo = loadPhoto(photosDir, QStringLiteral("playing_kitten.png"));
  const QRect crop(175, 80, 560, 560);
  const QImage picture =
      photo.copy(crop).scaled(rect, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

  // The blanket is a deep crimson, which shouts beside the flat animal faces
  // and the green board: it becomes a pale pink floor, keeping its folds and
  // the kitten's shadow. The kitten (white, grey and black) and the pink of
  // its ears and nose are left as they are.
  const QColor pale(0xEE, 0xD2, 0xD8);
  QImage image(rect, QImage::Format_RGB32);
  for (int y = 0; y < rect.height(); ++y)
    for (int x = 0; x < rect.width(); ++x) {
      const QColor c = picture.pixelColor(x, y);
      const double saturation = c.hsvSaturationF();
      const double hue = c.hsvHueF() * 360.0;  // -360 for greys
      const double fromCrimson =
          hue < 0 ? 180.0 : std::min(std::abs(hue - 340.0), 360.0 - std::abs(hue - 340.0));
      const double weight =
          smoothStep(0.22, 0.52, saturation) * (1.0 - smoothStep(18.0, 32.0, fromCrimson));
      const double lightness = (0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue()) / 255.0;
      const double shade = std::clamp(0.25 + 0.75 * lightness / 0.33, 0.3, 1.08);
      const auto mix = [&](int photoValue, int paleValue) {
        const double floor = std::min(255.0, paleValue * shade);
        return static_cast<int>(photoValue + (floor - photoValue) * weight + 0.5);
      };
      image.setPixel(
          x, y,
          qRgb(mix(c.red(), pale.red()), mix(c.green(), pale.green()), mix(c.blue(), pale.blue())));
    }
  return image;
}

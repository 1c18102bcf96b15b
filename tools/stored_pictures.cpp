#include "stored_pictures.h"

#include "quantise.h"
#include "sheet.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

// The standard 16-colour palette, in its usual order.
const std::vector<QRgb>& standardPalette() {
  // clang-format off
  static const std::vector<QRgb> palette{
      0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000,
      0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
      0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
      0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
  };
  // clang-format on
  return palette;
}

std::uint8_t standardIndex(QRgb c) {
  const auto& palette = standardPalette();
  const auto it = std::find(palette.begin(), palette.end(), c | 0xFF000000u);
  Q_ASSERT(it != palette.end());
  return static_cast<std::uint8_t>(it - palette.begin());
}

IndexedImage blankIndexed(int width, int height, std::vector<QRgb> palette) {
  IndexedImage image;
  image.width = width;
  image.height = height;
  image.palette = std::move(palette);
  image.pixels.assign(static_cast<std::size_t>(width * height), 0);
  return image;
}

// A picture given as rows of letters, one letter per pixel, with a legend.
IndexedImage fromRows(const std::vector<const char*>& rows,
                      const std::vector<std::pair<char, QRgb>>& legend) {
  std::vector<QRgb> palette;
  for (const auto& entry : legend) palette.push_back(entry.second);
  IndexedImage image = blankIndexed(static_cast<int>(std::strlen(rows.front())),
                                    static_cast<int>(rows.size()), palette);
  for (int y = 0; y < image.height; ++y) {
    Q_ASSERT(static_cast<int>(std::strlen(rows[static_cast<std::size_t>(y)])) == image.width);
    for (int x = 0; x < image.width; ++x) {
      const char letter = rows[static_cast<std::size_t>(y)][x];
      const auto it = std::find_if(legend.begin(), legend.end(),
                                   [&](const auto& e) { return e.first == letter; });
      Q_ASSERT(it != legend.end());
      image.pixels[static_cast<std::size_t>(y * image.width + x)] =
          static_cast<std::uint8_t>(it - legend.begin());
    }
  }
  return image;
}

QImage transparentCanvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QString number(double v) { return QString::number(std::lround(v)); }

}  // namespace

IndexedImage drawChalkIcon() {
  // Only the top-left 25 x 32 is shown on the drill screen, so the stick stays there.
  QImage canvas = transparentCanvas(32, 32);
  {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(12.0, 15.5);
    painter.rotate(58);
    const QRectF stick(-14, -3.6, 28, 7.2);
    QPainterPath body;
    body.addRoundedRect(stick, 2.5, 2.5);
    painter.setPen(QPen(QColor(0x4A, 0x3C, 0x00), 1.2));
    painter.setBrush(QColor(0xF2, 0xDA, 0x00));
    painter.drawPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xF6, 0x6A));
    painter.drawRect(QRectF(-12.5, -2.7, 25, 2.2));
    painter.setBrush(QColor(0xB8, 0x98, 0x00));
    painter.drawRect(QRectF(-12.5, 1.4, 25, 1.4));
    // The worn writing end, dusty and paler.
    painter.setBrush(QColor(0xFF, 0xFB, 0xC8));
    painter.drawEllipse(QPointF(13.3, 0), 1.4, 3.0);
  }
  // clang-format off
  const std::vector<QRgb> palette{
      0x00000000, 0xFF000000, 0xFF4A3C00, 0xFF7A6500,
      0xFFB89800, 0xFFD9BE00, 0xFFF2DA00, 0xFFFFF000,
      0xFFFFF66A, 0xFFFFFBC8, 0xFFFFFFFF, 0xFF808080,
      0xFFC0C0C0, 0xFF9E8A3A, 0xFFE6D27A, 0xFF5E5230,
  };
  // clang-format on
  return mapToPalette(canvas, palette, 0);
}

QImage drawWhiteChalk() {
  QImage image(10, 20, QImage::Format_RGB32);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 10; ++x) {
      QRgb c = 0xFFFFFFFF;
      if (x == 7)
        c = 0xFFCCCCCC;
      else if (x == 8)
        c = 0xFF888888;
      else if (x == 9)
        c = 0xFF000000;
      image.setPixel(x, y, c);
    }
  for (const QPoint speck :
       {QPoint(2, 3), QPoint(5, 6), QPoint(1, 10), QPoint(4, 12), QPoint(6, 15), QPoint(2, 17)})
    image.setPixel(speck, 0xFFB0B0B0);
  return image;
}

IndexedImage drawYellowChalk() {
  IndexedImage image = blankIndexed(10, 20, standardPalette());
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 10; ++x) {
      QRgb c = 0xFFFFFF00;
      if (x == 7)
        c = 0xFF808000;
      else if (x == 8)
        c = 0xFF808080;
      else if (x == 9)
        c = 0xFF000000;
      image.pixels[static_cast<std::size_t>(y * 10 + x)] = standardIndex(c);
    }
  for (const QPoint speck : {QPoint(3, 4), QPoint(5, 9), QPoint(2, 14), QPoint(5, 17)})
    image.pixels[static_cast<std::size_t>(speck.y() * 10 + speck.x())] = standardIndex(0xFF808000);
  return image;
}

IndexedImage drawSolidSquare(QRgb c) {
  IndexedImage image = blankIndexed(40, 40, standardPalette());
  std::fill(image.pixels.begin(), image.pixels.end(), standardIndex(c));
  return image;
}

IndexedImage drawRiceBall() {
  QImage canvas = transparentCanvas(32, 32);
  {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPolygonF triangle{{QPointF(16, 5.5), QPointF(5, 25), QPointF(27, 25)}};
    QPainterPath shape;
    shape.addPolygon(triangle);
    shape.closeSubpath();
    // A thick round-joined stroke rounds the corners; a thicker grey one under it
    // makes the outline.
    painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 9.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0x50, 0x50, 0x50));
    painter.drawPath(shape);
    painter.setPen(QPen(Qt::white, 7.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(shape);
    // Rice grains: a few grey flecks.
    painter.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), 1.0));
    painter.drawLine(QPointF(13, 10), QPointF(14.5, 11));
    painter.drawLine(QPointF(19, 12), QPointF(20, 13.5));
    painter.drawLine(QPointF(9, 20), QPointF(10.5, 20.5));
    painter.drawLine(QPointF(23, 21), QPointF(24, 19.8));
    // The seaweed band over the lower middle, kept to the rice ball's own shape.
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x14, 0x18, 0x14));
    painter.drawRect(QRectF(10.5, 17, 11, 15));
    painter.setBrush(QColor(0x3A, 0x46, 0x3A));
    painter.drawRect(QRectF(12, 18.5, 1.5, 11));
  }
  // clang-format off
  const std::vector<QRgb> palette{
      0x00000000, 0xFF000000, 0xFF141814, 0xFF3A463A,
      0xFF505050, 0xFF808080, 0xFFA0A0A0, 0xFFC8C8C8,
      0xFFE0E0E0, 0xFFF0F0F0, 0xFFFFFFFF, 0xFF283028,
      0xFF606860, 0xFF303030, 0xFFB0B0B0, 0xFF909090,
  };
  // clang-format on
  return mapToPalette(canvas, palette, 0);
}

QByteArray rosetteSvg() {
  // Drawn in the pixels of the 161 x 169 image that shows it, then written in the
  // picture's own units; the image stretches it back, so the labels over it land
  // inside the white centre. The centre is a superellipse (exponent 2.5), fuller than
  // an ellipse, to give the corners of the three lines of text room.
  constexpr double width = 2056, height = 2619;
  constexpr double sx = width / 161.0, sy = height / 169.0;
  constexpr double cx = 80.5, cy = 67, a = 71, b = 58, exponent = 2.5;
  constexpr double band = 7, bump = 1.5;
  constexpr int segments = 44;

  auto oval = [&](double t, double grow) {
    const double c = std::cos(t), s = std::sin(t);
    const double x = std::copysign(std::pow(std::abs(c), 2 / exponent), c);
    const double y = std::copysign(std::pow(std::abs(s), 2 / exponent), s);
    return QPointF((cx + (a + grow) * x) * sx, (cy + (b + grow) * y) * sy);
  };
  auto pathOf = [](const QList<QPointF>& points) {
    QString d;
    for (qsizetype i = 0; i < points.size(); ++i)
      d += (i == 0 ? QStringLiteral("M") : QStringLiteral(" L")) + number(points[i].x()) +
           QLatin1Char(',') + number(points[i].y());
    return d + QStringLiteral(" Z");
  };

  QString svg;
  svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
  svg += QStringLiteral(
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"161\" height=\"169\" "
      "viewBox=\"0 0 2056 2619\" preserveAspectRatio=\"none\">\n");

  // Ribbon tails behind the rosette, each a strip with a V cut at its end.
  svg += QStringLiteral(
      "<g fill=\"#007FE5\" stroke=\"#004C8C\" stroke-width=\"14\" stroke-linejoin=\"round\">\n");
  for (int side : {-1, 1}) {
    const QPointF top(cx + side * 11.5, 118), bottom(cx + side * 32, 163);
    const QPointF along = (bottom - top) / std::hypot(bottom.x() - top.x(), bottom.y() - top.y());
    const QPointF across(-along.y(), along.x());
    const double half = 9.5;
    const QList<QPointF> tail{top + across * half, bottom + across * half, bottom - along * 7,
                              bottom - across * half, top - across * half};
    QList<QPointF> scaled;
    for (const QPointF& p : tail) scaled << QPointF(p.x() * sx, p.y() * sy);
    svg += QStringLiteral("<path d=\"") + pathOf(scaled) + QStringLiteral("\"/>\n");
  }
  svg += QStringLiteral("</g>\n");

  // The band of segments, equally long along the centre's edge, each with a
  // scalloped outer edge. The curve's parameter does not run evenly along it, so
  // the segment ends are found by measuring a fine polyline.
  constexpr int fine = 4000;
  std::vector<double> length(fine + 1, 0.0);
  for (int k = 1; k <= fine; ++k) {
    const QPointF d =
        oval(2 * std::numbers::pi * k / fine, 0) - oval(2 * std::numbers::pi * (k - 1) / fine, 0);
    length[static_cast<std::size_t>(k)] =
        length[static_cast<std::size_t>(k - 1)] + std::hypot(d.x() / sx, d.y() / sy);
  }
  auto parameterAt = [&](double fraction) {
    const double wanted = fraction * length.back();
    const auto it = std::lower_bound(length.begin(), length.end(), wanted);
    return 2 * std::numbers::pi * static_cast<double>(it - length.begin()) / fine;
  };
  for (int i = 0; i < segments; ++i) {
    // Start at the top centre, where the eye expects a segment edge.
    const double t0 = parameterAt(static_cast<double>(i) / segments) - std::numbers::pi / 2;
    const double t1 = parameterAt(static_cast<double>(i + 1) / segments) - std::numbers::pi / 2;
    QList<QPointF> points;
    constexpr int steps = 6;
    for (int k = 0; k <= steps; ++k) points << oval(t0 + (t1 - t0) * k / steps, -1);
    for (int k = steps; k >= 0; --k)
      points << oval(t0 + (t1 - t0) * k / steps,
                     band + bump * std::sin(std::numbers::pi * k / steps));
    svg += QStringLiteral("<path fill=\"%1\" d=\"%2\"/>\n")
               .arg(i % 2 == 0 ? QStringLiteral("#FF0066") : QStringLiteral("#004CB2"),
                    pathOf(points));
  }

  QList<QPointF> centre;
  for (int k = 0; k < 96; ++k) centre << oval(2 * std::numbers::pi * k / 96, 0);
  svg += QStringLiteral("<path fill=\"#FFFFFF\" stroke=\"#000000\" stroke-width=\"22\" d=\"") +
         pathOf(centre) + QStringLiteral("\"/>\n");
  svg += QStringLiteral("</svg>\n");
  return svg.toUtf8();
}

IndexedImage drawSmallIcon16() {
  // Hand-placed pixels: at this size only a pixel font stays sharp.
  return fromRows(
      {
          ".DDDDDDDDDDDDDD.",
          "DBBBBBBBBBBBBBBD",
          "DBGGGGGGGGGGGGBD",
          "DBGGGGGGGGGGGGBD",
          "DBWWWGGGGGWWWGBD",
          "DBWGWGGWGGWGGGBD",
          "DBWWWGWWWGWWWGBD",
          "DBWGWGGWGGGGWGBD",
          "DBWWWGGGGGWWWGBD",
          "DBGGGGGGGGGGGGBD",
          "DBGGGGGGGGGGGGBD",
          "DBGGGGGGGYYYYGBD",
          "DLLLLLLLLLLLLLLD",
          "DBBBBBBBBBBBBBBD",
          "DBBBBBBBBBBBBBBD",
          ".DDDDDDDDDDDDDD.",
      },
      {{'.', 0x00000000},
       {'D', 0xFF4A2C10},
       {'B', 0xFF8B5A2B},
       {'L', 0xFFC08850},
       {'G', colours::board},
       {'W', 0xFFFFFFFF},
       {'Y', 0xFFFFFF00}});
}

IndexedImage drawSmallIcon32() {
  // clang-format off
  const std::vector<QRgb> palette{
      0x00000000, 0xFF4A2C10, 0xFF8B5A2B, 0xFFC08850,
      colours::board, 0xFF40A040, 0xFF9CD09C, 0xFFFFFFFF,
      0xFFFFFF00, 0xFFC8A800, 0xFF6E4622, 0xFFA87040,
      0xFF206A20, 0xFFD8ECD8, 0xFF2A1808, 0xFF000000,
  };
  // clang-format on
  return mapToPalette(drawIcon(32), palette, 0);
}

QImage drawIcon(int size) {
  QImage image = transparentCanvas(size, size);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(size / 64.0, size / 64.0);

  // Wooden frame, green board, a tray with a yellow chalk, and a sum in chalk.
  painter.setPen(QPen(QColor(0x4A, 0x2C, 0x10), 1.5));
  painter.setBrush(QColor(0x8B, 0x5A, 0x2B));
  painter.drawRoundedRect(QRectF(1.5, 3.5, 61, 57), 5, 5);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(colours::board));
  painter.drawRect(QRectF(6, 8, 52, 40));
  painter.setBrush(QColor(0xC0, 0x88, 0x50));
  painter.drawRect(QRectF(3, 48, 58, 4));
  painter.setBrush(QColor(0xFF, 0xF0, 0x00));
  painter.setPen(QPen(QColor(0x80, 0x64, 0x00), 0.8));
  painter.drawRoundedRect(QRectF(38, 44.5, 14, 3.5), 1.5, 1.5);
  painter.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 0.8));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(QRectF(12, 44.5, 10, 3.5), 1.5, 1.5);

  QFont font(handwritingFamily());
  font.setPixelSize(30);
  font.setHintingPreference(QFont::PreferNoHinting);
  QPainterPath sum;
  sum.addText(0, 0, font, QStringLiteral("8+5"));
  const QRectF box = sum.boundingRect();
  sum.translate(32 - box.center().x(), 27 - box.center().y());
  // Small icons get a thicker chalk line, so the sum stays legible.
  const double weight = size <= 32 ? 3.2 : size <= 48 ? 1.6 : 0.8;
  painter.setPen(QPen(Qt::white, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::white);
  painter.drawPath(sum);
  return image;
}

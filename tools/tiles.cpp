// Bevelled counter tiles, the wallpaper tiles and the eraser bar.
#include "sheet.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

QImage ground(QSize size, QRgb colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// Draws a motif nine times, shifted by the tile's width and height, so whatever
// crosses an edge comes back in at the opposite one and the tile repeats seamlessly.
template <typename Draw>
void drawWrapped(QPainter& painter, QSize tile, Draw draw) {
  for (int dy : {-tile.height(), 0, tile.height()})
    for (int dx : {-tile.width(), 0, tile.width()}) {
      painter.save();
      painter.translate(dx, dy);
      draw(painter);
      painter.restore();
    }
}

QPolygonF star(QPointF centre, double outer, double inner) {
  QPolygonF polygon;
  for (int i = 0; i < 10; ++i) {
    const double angle = std::numbers::pi * i / 5;
    const double radius = (i % 2 == 0) ? outer : inner;
    polygon << centre + QPointF(radius * std::sin(angle), -radius * std::cos(angle));
  }
  return polygon;
}

QPainterPath heart(QPointF centre, double size) {
  // Two lobes and a point, fitted in a size x size square around centre.
  const double s = size / 2;
  QPainterPath path;
  path.moveTo(centre + QPointF(0, s * 0.95));
  path.cubicTo(centre + QPointF(-s * 1.25, s * 0.05), centre + QPointF(-s * 0.85, -s * 1.15),
               centre + QPointF(0, -s * 0.42));
  path.cubicTo(centre + QPointF(s * 0.85, -s * 1.15), centre + QPointF(s * 1.25, s * 0.05),
               centre + QPointF(0, s * 0.95));
  return path;
}

void drawOrangeSlice(QPainter& painter, QPointF centre, double radius, double turn) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(colours::orangeRind));
  painter.drawEllipse(centre, radius, radius);
  painter.setBrush(QColor(colours::orangePith));
  painter.drawEllipse(centre, radius - 2.6, radius - 2.6);
  painter.setBrush(QColor(colours::orangeFlesh));
  const double flesh = radius - 4.2;
  for (int i = 0; i < 8; ++i) {
    // Each segment a wedge with a pith gap on either side.
    const double a0 = turn + i * 45.0 + 4.5;
    const double a1 = 36.0;
    QPainterPath wedge;
    wedge.moveTo(centre + QPointF(1.4 * std::cos((a0 + a1 / 2) * std::numbers::pi / 180),
                                  -1.4 * std::sin((a0 + a1 / 2) * std::numbers::pi / 180)));
    wedge.arcTo(QRectF(centre.x() - flesh, centre.y() - flesh, 2 * flesh, 2 * flesh), a0, a1);
    wedge.closeSubpath();
    painter.drawPath(wedge);
  }
}

void drawHalfSlice(QPainter& painter, QPointF centre, double radius, double turn) {
  painter.save();
  painter.translate(centre);
  painter.rotate(turn);
  QPainterPath half;
  half.moveTo(-radius - 1, 0);
  half.lineTo(radius + 1, 0);
  half.lineTo(radius + 1, radius + 1);
  half.lineTo(-radius - 1, radius + 1);
  half.closeSubpath();
  painter.setClipPath(half);
  drawOrangeSlice(painter, QPointF(0, 0), radius, 0);
  painter.restore();
}

void drawOneFish(QPainter& painter, QPointF centre, bool facingLeft) {
  painter.save();
  painter.translate(centre);
  if (!facingLeft) painter.scale(-1, 1);
  const QPen outline(QColor(colours::outlineGrey), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(outline);
  painter.setBrush(QColor(colours::fishBlue));

  QPainterPath tail;
  tail.moveTo(17, 0);
  tail.lineTo(31, -10);
  tail.quadTo(27, 0, 31, 10);
  tail.closeSubpath();
  painter.drawPath(tail);

  QPainterPath fin;
  fin.moveTo(-6, -10);
  fin.quadTo(2, -19, 10, -9);
  painter.drawPath(fin);

  QPainterPath body;
  body.moveTo(-22, 0);
  body.cubicTo(-14, -15, 10, -15, 20, 0);
  body.cubicTo(10, 15, -14, 15, -22, 0);
  painter.drawPath(body);

  painter.setBrush(Qt::NoBrush);
  QPainterPath gill;
  gill.moveTo(-9, -7);
  gill.quadTo(-5, 0, -9, 7);
  painter.drawPath(gill);

  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(-15, -2.5), 3.2, 3.2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(colours::black));
  painter.drawEllipse(QPointF(-15.6, -2.5), 1.5, 1.5);
  painter.restore();
}

void drawBubble(QPainter& painter, QPointF centre, double radius) {
  painter.setPen(QPen(QColor(colours::outlineGrey), 1.2));
  painter.setBrush(Qt::white);
  painter.drawEllipse(centre, radius, radius);
}

QFont wordFont(int pixelSize) {
  QFont font(wordFamily());
  font.setPixelSize(pixelSize);
  font.setBold(true);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace

QImage drawBevelTile(QRgb face, QRgb topLeft, QRgb bottomRight) {
  constexpr int size = 32;
  constexpr int bevel = 3;
  QImage image(size, size, QImage::Format_RGB32);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const int nearTopLeft = std::min(x, y);
      const int nearBottomRight = std::min(size - 1 - x, size - 1 - y);
      QRgb c = face;
      if (std::min(nearTopLeft, nearBottomRight) < bevel)
        // Where the two edges meet (top-right and bottom-left corners) the
        // diagonal splits them; on the diagonal itself the lower edge wins.
        c = nearTopLeft < nearBottomRight ? topLeft : bottomRight;
      image.setPixel(x, y, c);
    }
  return image;
}

QImage drawOrangeSlices(QSize size) {
  QImage image = ground(size, colours::pink);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  drawWrapped(painter, size, [](QPainter& p) {
    drawOrangeSlice(p, QPointF(20, 22), 18, 10);
    drawHalfSlice(p, QPointF(68, 56), 17, -25);
    drawOrangeSlice(p, QPointF(62, 103), 18, 30);
    drawHalfSlice(p, QPointF(18, 128), 17, 160);
    drawOrangeSlice(p, QPointF(84, 154), 11, 0);
    drawOrangeSlice(p, QPointF(26, 74), 10, 20);
  });
  return image;
}

QImage drawApple(QSize size) {
  QImage image = ground(size, colours::paleYellow);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF c(21, 23);
  QPainterPath apple;
  apple.moveTo(c + QPointF(0, -11));
  apple.cubicTo(c + QPointF(-8, -17), c + QPointF(-19, -13), c + QPointF(-18, 0));
  apple.cubicTo(c + QPointF(-17, 11), c + QPointF(-9, 18), c + QPointF(-4, 17));
  apple.cubicTo(c + QPointF(-2, 16.4), c + QPointF(2, 16.4), c + QPointF(4, 17));
  apple.cubicTo(c + QPointF(9, 18), c + QPointF(17, 11), c + QPointF(18, 0));
  apple.cubicTo(c + QPointF(19, -13), c + QPointF(8, -17), c + QPointF(0, -11));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(colours::appleRed));
  painter.drawPath(apple);
  // Darker right side and a shine on the left give it roundness.
  painter.save();
  painter.setClipPath(apple);
  painter.setBrush(QColor(0xB3, 0x14, 0x14));
  painter.drawEllipse(c + QPointF(17, 6), 10, 16);
  painter.restore();
  painter.setBrush(QColor(0xFF, 0xD6, 0xCC));
  painter.save();
  painter.translate(c + QPointF(-10, -3));
  painter.rotate(20);
  painter.drawEllipse(QPointF(0, 0), 2.6, 5.2);
  painter.restore();

  painter.setPen(QPen(QColor(colours::stemBrown), 2.4, Qt::SolidLine, Qt::RoundCap));
  QPainterPath stem;
  stem.moveTo(c + QPointF(0, -10));
  stem.quadTo(c + QPointF(0, -16), c + QPointF(3, -19));
  painter.drawPath(stem);

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(colours::leafGreen));
  QPainterPath leaf;
  leaf.moveTo(c + QPointF(2, -14));
  leaf.quadTo(c + QPointF(6, -22), c + QPointF(14, -20));
  leaf.quadTo(c + QPointF(10, -12), c + QPointF(2, -14));
  painter.drawPath(leaf);
  return image;
}

QImage drawBlueLattice(QSize size) {
  QImage image = ground(size, colours::latticeGround);
  QPainter painter(&image);
  // Stripes crossing at (14, 14); the chooser shows the tile's top-left corner.
  const int w = size.width();
  const int h = size.height();
  painter.fillRect(QRect(0, 8, w, 13), QColor(colours::latticeBlue));
  painter.fillRect(QRect(8, 0, 13, h), QColor(colours::latticeBlue));
  painter.fillRect(QRect(8, 8, 13, 13), QColor(colours::latticeCross));
  painter.fillRect(QRect(0, 41, w, 4), QColor(colours::latticeBlue));
  painter.fillRect(QRect(41, 0, 4, h), QColor(colours::latticeBlue));
  painter.fillRect(QRect(41, 41, 4, 4), QColor(colours::latticeCross));
  painter.setRenderHint(QPainter::Antialiasing);
  drawWrapped(painter, size, [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{
        {QPointF(14.5, 8.5), QPointF(20.5, 14.5), QPointF(14.5, 20.5), QPointF(8.5, 14.5)}});
    p.setBrush(QColor(colours::shapeGrey));
    p.drawEllipse(QPointF(43, 43), 5.5, 5.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(43, 43), 2.2, 2.2);
    p.setBrush(QColor(colours::shapeGrey));
    p.drawPolygon(
        QPolygonF{{QPointF(43, 10), QPointF(47, 14.5), QPointF(43, 19), QPointF(39, 14.5)}});
    p.drawPolygon(
        QPolygonF{{QPointF(14.5, 39), QPointF(19, 43), QPointF(14.5, 47), QPointF(10, 43)}});
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(colours::shapeGrey), 1.0));
    p.drawEllipse(QPointF(30, 30), 2.5, 2.5);
    p.drawEllipse(QPointF(56, 56), 2.5, 2.5);
    p.drawEllipse(QPointF(56, 30), 2.5, 2.5);
    p.drawEllipse(QPointF(30, 56), 2.5, 2.5);
  });
  return image;
}

QImage drawFish(QSize size) {
  QImage image = ground(size, colours::fishGround);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  drawWrapped(painter, size, [](QPainter& p) {
    drawOneFish(p, QPointF(28, 20), true);
    drawOneFish(p, QPointF(108, 44), false);
    drawOneFish(p, QPointF(48, 80), false);
    drawOneFish(p, QPointF(132, 98), true);
    drawBubble(p, QPointF(6, 46), 2.6);
    drawBubble(p, QPointF(11, 54), 1.8);
    drawBubble(p, QPointF(84, 16), 2.4);
    drawBubble(p, QPointF(90, 9), 1.6);
    drawBubble(p, QPointF(94, 78), 2.2);
  });
  return image;
}

QImage drawCatTile(QSize size) {
  QImage image = ground(size, colours::cream);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  const QPointF head(15, 17);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(colours::catGrey));
  painter.drawPolygon(
      QPolygonF{{head + QPointF(-11, -1), head + QPointF(-10, -14), head + QPointF(-2, -8)}});
  painter.drawPolygon(
      QPolygonF{{head + QPointF(11, -1), head + QPointF(10, -14), head + QPointF(2, -8)}});
  painter.drawEllipse(head, 11.5, 10);
  painter.setBrush(QColor(0xF2, 0xA8, 0xB4));
  painter.drawPolygon(
      QPolygonF{{head + QPointF(-9, -5), head + QPointF(-9, -11), head + QPointF(-4.5, -7.5)}});
  painter.drawPolygon(
      QPolygonF{{head + QPointF(9, -5), head + QPointF(9, -11), head + QPointF(4.5, -7.5)}});
  painter.setBrush(QColor(0x2A, 0x2A, 0x2A));
  painter.drawEllipse(head + QPointF(-4.5, -1), 1.7, 2.2);
  painter.drawEllipse(head + QPointF(4.5, -1), 1.7, 2.2);
  painter.setBrush(QColor(0xE8, 0x70, 0x88));
  painter.drawPolygon(
      QPolygonF{{head + QPointF(-1.6, 2.6), head + QPointF(1.6, 2.6), head + QPointF(0, 4.4)}});
  painter.setPen(QPen(QColor(0x55, 0x55, 0x55), 0.8));
  for (int side : {-1, 1}) {
    painter.drawLine(head + QPointF(side * 4, 4), head + QPointF(side * 14, 2.5));
    painter.drawLine(head + QPointF(side * 4, 5.5), head + QPointF(side * 14, 6.5));
  }

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(colours::paleBlue));
  painter.drawPath(heart(QPointF(45, 16), 17));

  painter.setPen(QColor(colours::paleBlue));
  painter.setFont(wordFont(19));
  painter.drawText(QRectF(0, 33, 60, 25), Qt::AlignCenter, QStringLiteral("cat"));
  return image;
}

QImage drawBearTile(QSize size) {
  QImage image = ground(size, colours::cream);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  // Head silhouette in the top-left quarter, the word to its right, and the star
  // alone in the bottom-right quarter, which is also the star slot.
  const QPointF head(15, 17);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(colours::bearBrown));
  painter.drawEllipse(head + QPointF(-8.5, -8.5), 4.8, 4.8);
  painter.drawEllipse(head + QPointF(8.5, -8.5), 4.8, 4.8);
  painter.drawEllipse(head, 11, 10);
  painter.drawEllipse(head + QPointF(0, 4.5), 6.5, 5.5);

  painter.setPen(QColor(colours::bearBrown));
  painter.setFont(wordFont(12));
  painter.drawText(QRectF(28, 4, 32, 24), Qt::AlignCenter, QStringLiteral("Bear"));

  painter.setPen(QPen(QColor(0x86, 0xC4, 0x7E), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(QColor(colours::starGreen));
  painter.drawPolygon(star(QPointF(30 + 14.5, 30 + 16), 12.5, 5.4));
  painter.setRenderHint(QPainter::Antialiasing, false);

  // The rightmost column is white: the wallpaper steps by 59 so each tile covers
  // its left neighbour's white column.
  painter.setPen(Qt::NoPen);
  painter.fillRect(QRect(size.width() - 1, 0, 1, size.height()), Qt::white);
  return image;
}

QImage drawOrangeBar(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  const QColor left(0xB8, 0x30, 0x04);
  const QColor right(0xFF, 0xDA, 0xA6);
  const int bandLeft = 40;
  const int bandWidth = 8;
  for (int x = 0; x < size.width(); ++x) {
    const double t = static_cast<double>(x) / (size.width() - 1);
    const QColor mid =
        QColor::fromRgbF(static_cast<float>(left.redF() + (right.redF() - left.redF()) * t),
                         static_cast<float>(left.greenF() + (right.greenF() - left.greenF()) * t),
                         static_cast<float>(left.blueF() + (right.blueF() - left.blueF()) * t));
    for (int y = 0; y < size.height(); ++y) {
      QColor c = mid;
      if (x >= bandLeft && x < bandLeft + bandWidth) c = QColor(colours::barDarkGreen);
      // A lighter top and darker bottom edge, like a felt eraser block.
      if (y < 2)
        c = c.lighter(118);
      else if (y >= size.height() - 2)
        c = c.darker(135);
      image.setPixel(x, y, c.rgb());
    }
  }
  return image;
}

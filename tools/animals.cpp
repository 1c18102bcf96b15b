// The six animal faces, each on the blackboard green with a green margin all round,
// so that the face seems to float on the green screens.
#include "sheet.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

// The glyph as the emoji font draws it at its own bitmap size, cropped to what it covers.
QImage emojiGlyph(char32_t codePoint) {
  QImage canvas(200, 200, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  {
    QPainter painter(&canvas);
    QFont font(emojiFamily());
    font.setPixelSize(109);  // the size of the font's bitmaps: no scaling by the font engine
    painter.setFont(font);
    painter.drawText(canvas.rect(), Qt::AlignCenter, QString::fromUcs4(&codePoint, 1));
  }
  int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if (qAlpha(canvas.pixel(x, y)) > 8) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  Q_ASSERT(right >= left);
  return canvas.copy(QRect(QPoint(left, top), QPoint(right, bottom)));
}

// The area a face may use: the kept part of the rectangle less a green margin.
// `visibleWidth` narrows it where a screen shows fewer columns than the slot keeps.
QRect faceArea(QSize kept, int margin, int visibleWidth = 0) {
  const int width = visibleWidth > 0 ? std::min(visibleWidth, kept.width()) : kept.width();
  return QRect(margin, margin, width - 2 * margin, kept.height() - 2 * margin);
}

QImage greenGround(QSize rect) {
  QImage image(rect, QImage::Format_RGB32);
  image.fill(colours::board);
  return image;
}

// Scales the glyph to fit the area, keeping its shape, centred.
void drawFitted(QPainter& painter, const QImage& glyph, const QRect& area) {
  const QImage scaled = glyph.scaled(area.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
  const QPoint at(area.left() + (area.width() - scaled.width()) / 2,
                  area.top() + (area.height() - scaled.height()) / 2);
  painter.drawImage(at, scaled);
}

QImage emojiFace(char32_t codePoint, QSize rect, const QRect& area) {
  QImage image = greenGround(rect);
  QPainter painter(&image);
  drawFitted(painter, emojiGlyph(codePoint), area);
  return image;
}

QPolygonF starPolygon(QPointF centre, double outer, double inner, int points, double turn) {
  QPolygonF polygon;
  for (int i = 0; i < 2 * points; ++i) {
    const double angle = turn + std::numbers::pi * i / points;
    const double radius = (i % 2 == 0) ? outer : inner;
    polygon << centre + QPointF(radius * std::sin(angle), -radius * std::cos(angle));
  }
  return polygon;
}

}  // namespace

QImage drawCow(QSize rect, QSize kept) { return emojiFace(0x1F42E, rect, faceArea(kept, 3)); }

QImage drawMonkey(QSize rect, QSize kept) { return emojiFace(0x1F435, rect, faceArea(kept, 3)); }

QImage drawKoala(QSize rect, QSize kept) {
  // The reward screen shows only 97 of the 100 columns.
  return emojiFace(0x1F428, rect, faceArea(kept, 3, 97));
}

QImage drawBear(QSize rect, QSize kept) {
  // The reward screen shows 81 of the 82 columns.
  return emojiFace(0x1F43B, rect, faceArea(kept, 3, 81));
}

QImage drawLion(QSize rect, QSize kept) {
  // The emoji lion's mane is soft; a ring of pointed locks behind it makes the
  // mane spiky, as a child draws a lion.
  QImage image = greenGround(rect);
  const QRect area = faceArea(kept, 2);
  const QPointF centre = QRectF(area).center();
  const double outer = std::min(area.width(), area.height()) / 2.0;
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x9A, 0x4E, 0x16));
  painter.drawPolygon(starPolygon(centre, outer, outer * 0.74, 16, 0.0));
  painter.setBrush(QColor(0xD8, 0x82, 0x1E));
  painter.drawPolygon(starPolygon(centre, outer * 0.9, outer * 0.66, 16, std::numbers::pi / 16));
  painter.setRenderHint(QPainter::Antialiasing, false);
  const int faceSize = static_cast<int>(outer * 1.42);
  drawFitted(painter, emojiGlyph(0x1F981),
             QRect(static_cast<int>(centre.x() - faceSize / 2.0 + 0.5),
                   static_cast<int>(centre.y() - faceSize / 2.0 + 0.5), faceSize, faceSize));
  return image;
}

QImage drawGiraffe(QSize rect, QSize kept) {
  // The emoji giraffe is a whole animal, far too small as a face, so the face is
  // drawn here in the emoji's flat style on a 100 x 120 grid.
  QImage image = greenGround(rect);
  const QRect area = faceArea(kept, 3, 81);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double scale = std::min(area.width() / 100.0, area.height() / 120.0);
  painter.translate(area.left() + (area.width() - 100 * scale) / 2,
                    area.top() + (area.height() - 120 * scale) / 2);
  painter.scale(scale, scale);

  const QColor coat(0xF4, 0xB6, 0x3F);
  const QColor patch(0xB9, 0x66, 0x1F);
  const QColor horn(0xC8, 0x8A, 0x3A);
  const QColor knob(0x6E, 0x3F, 0x18);
  const QColor muzzle(0xFB, 0xDF, 0xA4);
  const QColor dark(0x3A, 0x24, 0x12);

  // Ossicones.
  painter.setPen(QPen(horn, 8, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(40, 30), QPointF(33, 9));
  painter.drawLine(QPointF(60, 30), QPointF(67, 9));
  painter.setPen(Qt::NoPen);
  painter.setBrush(knob);
  painter.drawEllipse(QPointF(32.5, 8), 7, 7);
  painter.drawEllipse(QPointF(67.5, 8), 7, 7);

  // Ears, pointing out to the sides.
  for (int side : {-1, 1}) {
    painter.save();
    painter.translate(50 + side * 37, 40);
    painter.rotate(side * 22);
    painter.setBrush(coat);
    painter.drawEllipse(QPointF(0, 0), 15, 7.5);
    painter.setBrush(QColor(0xF7, 0xA8, 0x8C));
    painter.drawEllipse(QPointF(side * 2.5, 0), 8.5, 3.5);
    painter.restore();
  }

  QPainterPath head;
  head.addEllipse(QRectF(22, 20, 56, 66));
  head.addRoundedRect(QRectF(27, 58, 46, 58), 21, 21);
  head.setFillRule(Qt::WindingFill);
  head = head.simplified();
  painter.setBrush(coat);
  painter.drawPath(head);

  // Patches, clipped to the head.
  painter.save();
  painter.setClipPath(head);
  painter.setBrush(patch);
  const QPolygonF patches[] = {
      {{QPointF(44, 22), QPointF(56, 21), QPointF(58, 31), QPointF(50, 36), QPointF(42, 31)}},
      {{QPointF(20, 50), QPointF(30, 46), QPointF(33, 55), QPointF(24, 62)}},
      {{QPointF(80, 50), QPointF(70, 46), QPointF(67, 55), QPointF(76, 62)}},
      {{QPointF(25, 72), QPointF(33, 70), QPointF(34, 80), QPointF(27, 84)}},
      {{QPointF(75, 72), QPointF(67, 70), QPointF(66, 80), QPointF(73, 84)}},
      {{QPointF(46, 42), QPointF(54, 41), QPointF(56, 48), QPointF(49, 52), QPointF(44, 48)}},
  };
  for (const QPolygonF& p : patches) {
    QPainterPath blob;
    blob.addPolygon(p);
    blob.closeSubpath();
    painter.setPen(QPen(patch, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(blob);
  }
  painter.restore();

  painter.setPen(Qt::NoPen);
  painter.setBrush(muzzle);
  painter.drawEllipse(QRectF(29, 80, 42, 36));

  painter.setBrush(dark);
  painter.drawEllipse(QPointF(41, 96), 3.2, 4.2);
  painter.drawEllipse(QPointF(59, 96), 3.2, 4.2);
  painter.drawEllipse(QPointF(37, 62), 5.5, 6.5);
  painter.drawEllipse(QPointF(63, 62), 5.5, 6.5);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(38.8, 59.8), 1.8, 1.8);
  painter.drawEllipse(QPointF(64.8, 59.8), 1.8, 1.8);

  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(dark, 2.2, Qt::SolidLine, Qt::RoundCap));
  QPainterPath smile;
  smile.moveTo(43, 106);
  smile.quadTo(50, 111, 57, 106);
  painter.drawPath(smile);
  return image;
}

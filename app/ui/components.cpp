// The picture, label and radio-group controls.
#include "app/ui/components.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "app/ui/fonts.h"

namespace ui {

Image::Image(QWidget* parent, const char* name, bool stretch) : QWidget(parent), stretch_(stretch) {
  setObjectName(QString::fromLatin1(name));
}

void Image::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

QImage& Image::Canvas() {
  if (picture_.isNull()) {
    picture_ = QImage(size(), QImage::Format_RGB32);
    picture_.fill(Qt::white);
  }
  update();
  return picture_;
}

void Image::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter p(this);
  if (stretch_)
    p.drawImage(rect(), picture_);
  else
    p.drawImage(0, 0, picture_);
}

void Image::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void Image::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) Q_EMIT clicked();
}

Label::Label(QWidget* parent, const char* name, bool autoSize)
    : QLabel(parent), autoSize_(autoSize) {
  setObjectName(QString::fromLatin1(name));
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setMargin(0);
  setIndent(0);
  setTextFormat(Qt::PlainText);
}

void Label::SetCaption(const QString& caption) {
  setText(caption);
  fit();
}

void Label::SetFontSize(int points) {
  QFont f = font();
  f.setPixelSize(PointsToPixels(points));
  setFont(f);
  fit();
}

int Label::FontSize() const { return PixelsToPoints(font().pixelSize()); }

void Label::fit() {
  if (autoSize_) resize(sizeHint());
}

RadioGroup::RadioGroup(QWidget* parent, const char* name, const QString& title,
                       const QStringList& items)
    : QGroupBox(title, parent) {
  setObjectName(QString::fromLatin1(name));
  setFlat(true);
  for (const QString& caption : items) {
    auto* item = new QRadioButton(caption, this);
    item->setObjectName(caption);
    items_ << item;
  }
  if (!items_.isEmpty()) items_.front()->setChecked(true);
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  placeItems();
}

// The items stand in two columns under the title.
void RadioGroup::placeItems() {
  const int titleHeight = fontMetrics().height();
  const int columnWidth = (width() - 4) / 2;
  for (int i = 0; i < items_.size(); ++i)
    items_[i]->setGeometry(2 + (i % 2) * columnWidth, titleHeight + (i / 2) * titleHeight,
                           columnWidth, std::max(height() - titleHeight, 1));
}

int RadioGroup::ItemIndex() const {
  for (int i = 0; i < items_.size(); ++i)
    if (items_[i]->isChecked()) return i;
  return -1;
}

void RadioGroup::SetItemIndex(int index) {
  if (QRadioButton* item = items_.value(index)) item->setChecked(true);
}

}  // namespace ui

// The picture, label and radio-group controls.
#include "app/ui/components.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "app/ui/fonts.h"
#include "app/ui/keyboard.h"

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

void Image::Take(const Image* source) {
  SetPicture(source->picture_);
  shows_ = source->accessibleName();
  SetName(name_);
}

void Image::SetName(const QString& name) {
  name_ = name;
  const QString spoken = name_.isEmpty() ? shows_ : name_;
  if (accessibleName() != spoken) setAccessibleName(spoken);
}

void Image::SetClickable(bool clickable) {
  clickable_ = clickable;
  setFocusPolicy(clickable ? Qt::StrongFocus : Qt::NoFocus);
}

void Image::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!picture_.isNull()) {
    if (stretch_)
      p.drawImage(rect(), picture_);
    else
      p.drawImage(0, 0, picture_);
  }
  // As on the buttons: once the keys move the focus.
  if (clickable_ && hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange))
    DrawFocusMark(p, rect());
}

void Image::keyPressEvent(QKeyEvent* event) {
  if (!clickable_ || (event->modifiers() & ~Qt::KeypadModifier)) {
    QWidget::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!event->isAutoRepeat()) Click();
      break;
    case Qt::Key_Left:
      moveFocus(-1, 0);
      break;
    case Qt::Key_Right:
      moveFocus(1, 0);
      break;
    case Qt::Key_Up:
      moveFocus(0, -1);
      break;
    case Qt::Key_Down:
      moveFocus(0, 1);
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

// To the clickable picture beside this one that way: the nearest, counting
// a step off the line twice.
void Image::moveFocus(int dx, int dy) {
  if (!parentWidget()) return;
  const QPoint from = geometry().center();
  Image* best = nullptr;
  int bestScore = std::numeric_limits<int>::max();
  for (Image* other : parentWidget()->findChildren<Image*>(Qt::FindDirectChildrenOnly)) {
    if (other == this || !other->clickable_ || other->isHidden()) continue;
    const QPoint d = other->geometry().center() - from;
    const int along = d.x() * dx + d.y() * dy;
    if (along <= 0) continue;
    const int off = std::abs(d.x() * dy) + std::abs(d.y() * dx);
    const int score = along + 2 * off;
    if (score < bestScore) {
      bestScore = score;
      best = other;
    }
  }
  if (best) best->setFocus(Qt::TabFocusReason);
}

void Image::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void Image::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
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
    ButtonKeysFor(item);
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

// The controls the screens' layouts make besides plain buttons and edits: a
// picture, a label and a radio group.
#pragma once

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>

namespace ui {

// A picture control. It paints on its screen (transparent), either at the
// picture's own size from the top-left corner, clipped, or stretched to fill.
// A clickable one also takes the keyboard focus: Space or Return click it,
// the arrow keys move to the nearest clickable picture that way.
class Image : public QWidget {
  Q_OBJECT
 public:
  Image(QWidget* parent, const char* name, bool stretch);

  const QImage& Picture() const { return picture_; }
  // A copy: drawing on either picture later leaves the other alone.
  void SetPicture(const QImage& picture);
  // A copy of `source`'s picture, and what it shows, as a screen reader
  // names it (unless this image has a name of its own).
  void Take(const Image* source);
  // What the picture shows or what a click on it does, for a screen reader;
  // empty: it is named after the picture it takes.
  void SetName(const QString& name);
  void SetClickable(bool clickable);
  bool Clickable() const { return clickable_; }
  // A click, from the keyboard or a screen reader.
  void Click() { Q_EMIT clicked(); }
  // The picture to draw on. An image without a picture first gets a white
  // bitmap of the control's current size, which then clips all drawing.
  QImage& Canvas();
  bool Stretch() const { return stretch_; }
  void SetLeft(int left) { move(left, y()); }
  void SetTop(int top) { move(x(), top); }

 Q_SIGNALS:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void moveFocus(int dx, int dy);
  QImage picture_;
  QString name_;   // its own
  QString shows_;  // that of the picture it took
  bool stretch_;
  bool clickable_ = false;
  bool pressed_ = false;
};

// A label that, unless its size is fixed, sizes itself to its text and keeps
// its left and top.
class Label : public QLabel {
  Q_OBJECT
 public:
  Label(QWidget* parent, const char* name, bool autoSize);

  void SetCaption(const QString& caption);
  QString Caption() const { return text(); }
  // Font size in points (96 pixels per inch), as the screens set it.
  void SetFontSize(int points);
  int FontSize() const;
  bool AutoSize() const { return autoSize_; }

 private:
  void fit();
  bool autoSize_;
};

// Two-column radio group with a title; ItemIndex is the checked item.
class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(QWidget* parent, const char* name, const QString& title, const QStringList& items);
  int ItemIndex() const;
  void SetItemIndex(int index);
  QRadioButton* Item(int index) const { return items_.value(index); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeItems();
  QList<QRadioButton*> items_;
};

// The drawing surface of an image: its own bitmap (a white one of the
// control's size when it had no picture).
inline QImage& ImageCanvas(Image* image) { return image->Canvas(); }
// The bitmap of an image's picture; empty when it has none.
inline const QImage& PictureBitmap(const Image* image) { return image->Picture(); }

}  // namespace ui

#include "rewards/badge.h"

#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "app/screens.h"
#include "drill/drill_screen.h"

namespace {

using ui::Component;
using ui::kOpaque;

using fonts::kGothic;
using fonts::kPGothic;
constexpr int kStayTicks = 8;  // 500 ms each: the badge stays about four seconds

// The three lines stand inside the rosette's white oval.
// clang-format off
constexpr Component kLayout[] = {
    {UI_MEMBER(TForm4, Image1), 8, 8, 161, 169, "リボンの メダル", {}, ui::kStretch},
    {UI_MEMBER(TForm4, Label1), 40, 40, 95, 19, "よかったね", {kGothic, 19}, kOpaque},
    {UI_MEMBER(TForm4, Label2), 24, 64, 126, 19, "10だいつづけて", {kPGothic, 19}, kOpaque},
    {UI_MEMBER(TForm4, Label3), 40, 88, 102, 19, "あっていたよ", {kPGothic, 19}, kOpaque},
};
// clang-format on

// The rosette is a vector picture, rendered at the image's size in the
// screen's device pixels, so that it stays sharp on a scaled desktop, and the
// pink of the screen shows around it. Without the picture the image stays
// empty.
QImage rosette(QSize size, qreal ratio) {
  const QString resource = QStringLiteral(":/assets/rosette.svg");
  if (!QFile::exists(resource)) return {};
  QSvgRenderer renderer(resource);
  if (!renderer.isValid()) return {};
  QImage picture(ui::DeviceRect(QRect(QPoint(), size), ratio).size(),
                 QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  renderer.render(&painter, QRectF(picture.rect()));
  painter.end();
  picture.setDevicePixelRatio(ratio);
  return picture;
}

}  // namespace

TForm4::TForm4() : ui::Form("Form4") {
  setWindowTitle(QStringLiteral("Form4"));
  setAccessibleName(QStringLiteral("メダル"));
  SetColor(QColor(0xFF, 0x80, 0xFF));
  SetFrame(ui::Frame::SingleBare);
  Place(35, 242, 178, 186, false);
  SetKeyPreview(true);
  LeadTabTo(PORONKA, TabOut::Back);  // it has no control of its own
  ui::BuildLayout(this, kLayout);
  Image1->SetPicture(rosette(Image1->size(), ScreenRatio()));
  Timer1 = new ui::Timer(this, "Timer1", 500);
  ui::Connect(Timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);
  // Ticks count only while the badge shows (and the count never rests at 8).
  Timer1->SleepWhile([this] { return !isVisible() && StreakScreenTicks != kStayTicks; });
}

// The screen's scale may have changed since the rosette was rendered.
void TForm4::showEvent(QShowEvent* event) {
  ui::Form::showEvent(event);
  if (!Image1->Picture().isNull() && Image1->Picture().devicePixelRatio() != ScreenRatio())
    Image1->SetPicture(rosette(Image1->size(), ScreenRatio()));
}

// Counts only while the badge shows, and is not reset by a new showing, so a
// second run of ten while it is up does not keep it longer.
void TForm4::Timer1Timer() {
  if (isVisible()) ++StreakScreenTicks;
  if (StreakScreenTicks == kStayTicks) {
    ui::SetVisible(this, false);
    StreakScreenTicks = 0;
  }
}

void TForm4::FormKeyPress(QChar key) { PORONKA->ForwardKey(key); }

// Return or Escape puts the badge away before its time, and the keys go back
// to the board; its next showing has its full stay.
void TForm4::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      ui::RunHandler([this] { Dismiss(); });
      event->accept();
      break;
    default:
      ui::Form::keyPressEvent(event);
  }
}

void TForm4::Dismiss() {
  StreakScreenTicks = 0;
  ui::SetVisible(this, false);
}

// The backdrop's canvas kept by the X server, on a real (virtual) X display:
// it draws exactly what a bitmap of the program's own would, the window
// shows it without a window buffer here, and it can be taken back whole.
#include <QBackingStore>
#include <QPainter>
#include <QScreen>
#include <vector>

#include "app/backdrop.h"
#include "app/desktop/window_manager.h"
#include "pictures/wallpaper_chooser.h"
#include "tests/fixture.h"

namespace {

// Every pixel different, so that a misplaced or clipped picture shows.
QImage noise(QSize size, int salt, QImage::Format format = QImage::Format_RGB32) {
  QImage picture(size, format);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      picture.setPixel(
          x, y,
          qRgba((x * 7 + salt) & 0xFF, (y * 5 + salt * 3) & 0xFF, (x + y + salt) & 0xFF,
                format == QImage::Format_RGB32 ? 255 : (x * 16 + y) & 0xFF));
  return picture;
}

// What the X server shows in the window, read from the screen.
QImage onScreen(QWidget* window) {
  wm::Sync();
  QCoreApplication::processEvents();
  wm::Sync();
  return window->screen()
      ->grabWindow(0, window->x(), window->y(), window->width(), window->height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

// A screen as the backdrop is, with a colour and its canvas where it is asked for.
class Plain : public ui::Form {
 public:
  Plain(bool onServer, int left) : ui::Form("Plain") {
    SetColor(QColor(0x00, 0x00, 0x80));
    SetFrame(ui::Frame::None);
    if (onServer) KeepCanvasOnServer();
    Place(left, 0, 320, 240, false);
  }
};

}  // namespace

class X11CanvasTest : public fixture::Suite {
  Q_OBJECT

 private Q_SLOTS:
  void backdropKeepsNoBufferOfItsOwn() {
    QVERIFY(Form10->CanvasOnServer());
    ui::SetVisible(Form10, true);
    QVERIFY(QTest::qWaitForWindowExposed(Form10));
    Form9->ApplyWallpaper(8);
    QVERIFY(Form10->HasCanvas());
    const QImage shown = onScreen(Form10);
    // The window buffer Qt would keep for a screen-sized window was never made.
    QVERIFY(!Form10->backingStore() || Form10->backingStore()->size().isEmpty());
    const QImage canvas = Form10->CanvasPicture();
    QCOMPARE(canvas.size(), Form10->screen()->geometry().size());
    QCOMPARE(shown, canvas.copy(0, 0, shown.width(), shown.height()));
    // A redraw of the same wallpaper finds the canvas as it left it.
    const qint64 key = Form10->CanvasKey();
    Form9->RedrawWallpaper(8);
    QCOMPARE(Form10->CanvasKey(), key);
  }

  void drawsWhatABitmapWould() {
    Plain server(true, 0), bitmap(false, 400);
    QVERIFY(server.CanvasOnServer());
    QVERIFY(!bitmap.CanvasOnServer());
    for (ui::Form* f : {&server, &bitmap}) ui::SetVisible(f, true);
    QVERIFY(QTest::qWaitForWindowExposed(&server));
    QCOMPARE(onScreen(&server).pixel(10, 10), qRgb(0x00, 0x00, 0x80));

    const QImage tile = noise(QSize(33, 29), 1);
    const QImage wide = noise(QSize(150, 17), 2);
    const QImage see = noise(QSize(40, 40), 3, QImage::Format_ARGB32);
    // Overlapping, over every edge, the same tile again after another one.
    const std::vector<QPoint> tiles = {{0, 0}, {20, 10}, {-5, -7}, {300, 220}, {-40, 100}};
    const std::vector<QPoint> wides = {{100, 50}, {250, -3}};
    const std::vector<QPoint> sees = {{10, 5}, {295, 215}};
    for (ui::Form* f : {&server, &bitmap}) {
      f->DrawOnCanvas(tile, tiles);
      f->DrawOnCanvas(wide, wides);
      f->DrawOnCanvas(tile, std::vector<QPoint>{{60, 60}});
      f->DrawOnCanvas(see, sees);
    }
    const QImage expected = bitmap.CanvasPicture().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(server.CanvasSize(), bitmap.CanvasSize());
    QCOMPARE(server.CanvasPicture(), expected);
    QCOMPARE(onScreen(&server), expected.copy(0, 0, 320, 240));

    // Taken back as it stands: the same pixels, now painted by the program.
    QImage& taken = server.Canvas();
    QVERIFY(!server.CanvasOnServer());
    QCOMPARE(taken, expected);
    taken.fill(Qt::darkRed);
    server.update();
    QTRY_COMPARE(onScreen(&server).pixel(10, 10), QColor(Qt::darkRed).rgb());
  }
};

PORONKA_TEST_MAIN(X11CanvasTest)
#include "x11_canvas.moc"

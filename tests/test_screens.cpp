// The screen set: creation order, window properties, the backdrop's start-up
// sequencer, and ending the program.
#include <QScreen>

#include "app/backdrop.h"
#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "pictures/wallpaper_chooser.h"
#include "rewards/hundred_screen.h"
#include "tests/fixture.h"

namespace {

struct Expected {
  const char* name;
  const char* className;
  QRect client;  // where no frame is drawn, client and outer sizes agree
  ui::Frame frame;
  QColor color;  // invalid: the default
  const char* caption;
  bool shown;
  bool keyPreview;
};

const QColor kGreen(0x00, 0x80, 0x00);

// clang-format off
const Expected kScreens[] = {
    {"PORONKA", "TPORONKA", {208, 6, 283, 422}, ui::Frame::SingleBare, kGreen, "PORONKA", false, true},
    {"Form2", "TForm2", {87, 6, 114, 422}, ui::Frame::SingleBare, kGreen, "", false, true},
    {"Form3", "TForm3", {216, 22, 269, 354}, ui::Frame::Single, QColor(0xF1, 0xA2, 0xFF), "Form3", false, false},
    {"Form4", "TForm4", {35, 242, 178, 186}, ui::Frame::SingleBare, QColor(0xFF, 0x80, 0xFF), "Form4", false, true},
    {"Form5", "TForm5", {207, 5, 286, 423}, ui::Frame::Single, kGreen, "Form5", true, false},
    {"Form6", "TForm6", {484, 4, 135, 174}, ui::Frame::SingleBare, kGreen, "Form6", false, true},
    {"Form1", "TForm1", {27, 12, 591, 436}, ui::Frame::Sizeable, QColor(), "Form1", false, false},
    {"Form7", "TForm7", {2, 31, 635, 392}, ui::Frame::Single, QColor(), "Form7", false, false},
    {"Form9", "TForm9", {499, 259, 104, 191}, ui::Frame::Sizeable, QColor(0x80, 0x80, 0x00), "Form9", true, true},
    {"Form10", "TForm10", {21, 69, 127, 149}, ui::Frame::Sizeable, QColor(0x00, 0x00, 0x80), "Form10", false, false},
};
// clang-format on

}  // namespace

class ScreensTest : public fixture::Suite {
  Q_OBJECT

 private Q_SLOTS:
  void screensAreCreatedInOrderWithTheirProperties() {
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("ポロンカ"));
    const auto& screens = CreatedScreens();
    QCOMPARE(screens.size(), std::size(kScreens));
    QCOMPARE(ui::MainForm(), static_cast<ui::Form*>(PORONKA));
    for (size_t i = 0; i < screens.size(); ++i) {
      const Expected& e = kScreens[i];
      ui::Form* form = screens[i];
      const QString name = QString::fromLatin1(e.name);
      QCOMPARE(form->objectName(), name);
      QCOMPARE(form->metaObject()->className(), e.className);
      QVERIFY2(form->isWindow(), e.name);
      QCOMPARE(form->geometry(), e.client);
      QCOMPARE(form->windowTitle(), QString::fromUtf8(e.caption));
      QCOMPARE(form->isVisible(), e.shown);
      QCOMPARE(form->KeyPreview(), e.keyPreview);
      QCOMPARE(form->FrameStyle(), e.frame);
      if (e.color.isValid()) QCOMPARE(form->palette().color(QPalette::Window), e.color);

      const Qt::WindowFlags flags = form->windowFlags();
      const bool fixed = e.frame != ui::Frame::Sizeable;
      QCOMPARE(form->minimumSize() == form->maximumSize(), fixed);
      QCOMPARE(bool(flags & Qt::WindowCloseButtonHint), e.frame != ui::Frame::SingleBare);
      if (e.frame == ui::Frame::SingleBare) {
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(!(flags & (Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint)));
      }
      const int fontPixels = name == QStringLiteral("Form3") ? 27 : 12;
      QVERIFY2(form->font().pixelSize() == fontPixels, e.name);
    }
    // The global references point at the screens.
    QCOMPARE(static_cast<ui::Form*>(Form2), screens[1]);
    QCOMPARE(static_cast<ui::Form*>(Form10), screens[9]);
  }

  void sequencerBringsTheProgramUpOnce() {
    PORONKA->show();
    TForm10* backdrop = Form10;
    QCOMPARE(backdrop->Timer1->interval(), 10);
    QVERIFY(!backdrop->isVisible());

    backdrop->Timer1Timer();  // 1: frameless before it is ever shown
    QVERIFY(backdrop->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!backdrop->isVisible());
    backdrop->Timer1Timer();  // 2: nothing
    QVERIFY(!backdrop->isVisible());
    QVERIFY(PORONKA->Label1->isHidden());  // no problem before tick 7

    backdrop->Timer1Timer();  // 3: covers the whole screen
    QVERIFY(backdrop->isVisible());
    QCOMPARE(backdrop->geometry(), QGuiApplication::primaryScreen()->geometry());
    QCOMPARE(backdrop->geometry(), QRect(0, 0, 1280, 1024));

    backdrop->Timer1Timer();  // 4: the chooser stays visible
    QVERIFY(Form9->isVisible());
    backdrop->Timer1Timer();  // 5, 6: raise the drill screen, then the chooser
    backdrop->Timer1Timer();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Form9));
    QCOMPARE(PORONKA->ProblemsAsked, 0);

    backdrop->Timer1Timer();  // 7: the first problem
    QCOMPARE(PORONKA->ProblemsAsked, 1);
    QVERIFY(PORONKA->Label1->isVisible());
    QVERIFY(PORONKA->CorrectSum >= 10 && PORONKA->CorrectSum <= 18);
    QCOMPARE(backdrop->StartupTick, 7);

    // The count wraps to 10, past the start-up steps: none of them runs again.
    for (int tick = 8; tick <= 10000; ++tick) backdrop->Timer1Timer();
    QCOMPARE(backdrop->StartupTick, 10000);
    backdrop->Timer1Timer();
    QCOMPARE(backdrop->StartupTick, 10);
    for (int tick = 0; tick < 20000; ++tick) backdrop->Timer1Timer();
    QCOMPARE(PORONKA->ProblemsAsked, 1);
    QVERIFY(backdrop->isVisible());
  }

  void activatingTheBackdropRaisesDrillAndChooser() {
    fixture::RunStartUp();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Form9));
    ui::SetVisible(Form2, true);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Form2));
    // A click on the backdrop activates it; the drill screen and the chooser
    // come in front, the chooser last.
    Form10->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Form9));
    QVERIFY(Form2->isVisible());  // left showing, now behind the backdrop

    // Without a window manager a press on the backdrop does it by itself.
    PORONKA->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(PORONKA));
    QTest::mouseClick(Form10, Qt::LeftButton, Qt::NoModifier, QPoint(900, 700));
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Form9));
  }

  void secondaryScreensOnlyHideWhenClosed() {
    ui::SetVisible(Form5, true);
    QVERIFY(Form5->close());
    QVERIFY(!Form5->isVisible());
    ui::SetVisible(Form5, true);
    QVERIFY(Form5->isVisible());
    ui::CloseScreen(Form9);
    QVERIFY(!Form9->isVisible());
    QVERIFY(PORONKA);  // nothing was destroyed
  }

  // Last: ending the program tells every event loop to finish.
  void closingTheMainWindowEndsTheProgram() {
    fixture::RunStartUp();
    QCOMPARE(fixture::ExitCodeAfter([] { QTest::mouseClick(PORONKA->Button11, Qt::LeftButton); }),
             0);
    for (QWidget* w : QApplication::topLevelWidgets())
      QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
  }
};

PORONKA_TEST_MAIN(ScreensTest)
#include "test_screens.moc"

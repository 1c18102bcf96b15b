// The screens drawn inside one full-screen surface, as where windows cannot
// be placed (Wayland, a kiosk compositor): places, stacking, which screen has
// the keys, keys typed on any of them, Tab, and closing.
#include <QScreen>

#include "app/backdrop.h"
#include "blackboard/counter_window.h"
#include "drill/drill_screen.h"
#include "pictures/picture_library.h"
#include "pictures/wallpaper_chooser.h"
#include "rewards/badge.h"
#include "rewards/fifty_screen.h"
#include "rewards/greeting.h"
#include "rewards/hundred_screen.h"
#include "tests/fixture.h"

namespace {

// Where each screen stands on the surface, as on a screen without frames.
struct Place {
  const char* name;
  QRect client;
  bool shown;
};
// clang-format off
const Place kPlaces[] = {
    {"PORONKA", {208, 6, 283, 422}, false}, {"Form2", {87, 6, 114, 422}, false},
    {"Form3", {216, 22, 269, 354}, false},  {"Form4", {35, 242, 178, 186}, false},
    {"Form5", {207, 5, 286, 423}, true},    {"Form6", {484, 4, 135, 174}, false},
    {"Form1", {27, 12, 591, 436}, false},   {"Form7", {2, 31, 635, 392}, false},
    {"Form9", {499, 259, 104, 191}, true},  {"Form10", {21, 69, 127, 149}, false},
};
// clang-format on

QWidget* surface() { return ui::OneSurface(); }

// How far in front a screen stands: 0 furthest back.
qsizetype depth(const QWidget* form) { return surface()->children().indexOf(form); }

// Whether the screens stand in this order, furthest back first.
bool stacked(std::initializer_list<const QWidget*> order) {
  qsizetype last = -1;
  for (const QWidget* w : order) {
    if (depth(w) <= last) return false;
    last = depth(w);
  }
  return true;
}

// The character typed as the child types it: to the surface, whichever
// control in it has the focus.
void type(char key) { QTest::keyClick(surface()->windowHandle(), key); }

// The program up, and the surface holding the keyboard.
void startUp() {
  fixture::RunStartUp();
  QTRY_VERIFY(surface()->isActiveWindow());
}

}  // namespace

class OneSurfaceTest : public fixture::Suite {
  Q_OBJECT

 public:
  OneSurfaceTest() : Suite(Screens::None) {}

 private Q_SLOTS:
  void init() {
    ui::UseOneSurface();
    fixture::CreateQuietScreens();
  }

  void everyScreenStandsAtItsPlaceOnOneFullScreenSurface() {
    QVERIFY(ui::OnOneSurface());
    QVERIFY(surface()->isWindow() && surface()->isVisible());
    QCOMPARE(surface()->geometry(), QGuiApplication::primaryScreen()->geometry());
    const auto& screens = CreatedScreens();
    QCOMPARE(screens.size(), std::size(kPlaces));
    for (size_t i = 0; i < screens.size(); ++i) {
      ui::Form* form = screens[i];
      const Place& p = kPlaces[i];
      QCOMPARE(form->objectName(), QString::fromLatin1(p.name));
      QVERIFY2(!form->isWindow() && form->parentWidget() == surface(), p.name);
      QCOMPARE(form->geometry(), p.client);
      QVERIFY2(form->isVisible() == p.shown, p.name);
    }
    QCOMPARE(ui::MainForm(), static_cast<ui::Form*>(PORONKA));
    // The surface is the program's one window.
    for (QWidget* w : QApplication::topLevelWidgets())
      QVERIFY2(w == surface() || !w->isVisible(), qPrintable(w->objectName()));
    // Components are found as before, and frames keep their sizes fixed.
    QCOMPARE(ui::Find<QAbstractButton>(PORONKA, "Button13"), PORONKA->Button13);
    QCOMPARE(PORONKA->minimumSize(), PORONKA->maximumSize());
  }

  void startUpStacksAndActivatesAsOnTheDesktop() {
    startUp();
    QCOMPARE(Form10->geometry(), QRect(0, 0, 1280, 1024));
    QVERIFY(Form10->isVisible());
    // The hundred-solved screen stays covered by the backdrop; the board and
    // then the chooser stand in front of it.
    QVERIFY(stacked({Form5, Form10, PORONKA, Form9}));
    QCOMPARE(ui::ActiveScreen(), static_cast<ui::Form*>(Form9));
    QCOMPARE(PORONKA->ProblemsAsked, 1);
    QVERIFY(PORONKA->Label1->isVisible());

    // A screen that shows comes in front and takes the keys; the counter
    // window stands against the board.
    fixture::Dispatch([] { PORONKA->Button15Click(); });
    QVERIFY(stacked({Form10, PORONKA, Form9, Form2}));
    QCOMPARE(ui::ActiveScreen(), static_cast<ui::Form*>(Form2));
    QCOMPARE(Form2->geometry(), QRect(94, 6, 114, 422));
    ui::SetVisible(Form4, true);
    QCOMPARE(Form4->geometry(), QRect(35, 242, 178, 186));
    QVERIFY(stacked({Form2, Form4}));
    QCOMPARE(ui::ActiveScreen(), static_cast<ui::Form*>(Form4));
  }

  void aPressRaisesItsScreenAndTheBackdropBringsBoardAndChooser() {
    startUp();
    fixture::Dispatch([] { PORONKA->Button15Click(); });
    QCOMPARE(ui::ActiveScreen(), static_cast<ui::Form*>(Form2));

    // A click on the backdrop: the counter window falls behind it, the drill
    // screen and the chooser come in front, the chooser last, with the keys.
    QTest::mouseClick(Form10, Qt::LeftButton, Qt::NoModifier, QPoint(900, 700));
    QVERIFY(stacked({Form2, Form10, PORONKA, Form9}));
    QVERIFY(Form2->isVisible());
    QCOMPARE(ui::ActiveScreen(), static_cast<ui::Form*>(Form9));

    // A click on a screen half covered by another brings it in front.
    ui::SetVisible(Form3, true);
    QVERIFY(stacked({PORONKA, Form3}));
    QTest::mouseClick(PORONKA->Label5, Qt::LeftButton);
    QVERIFY(stacked({Form3, PORONKA}));
    QCOMPARE(ui::ActiveScreen(), static_cast<ui::Form*>(PORONKA));
  }

  void keysReachTheDrillOnceWhicheverScreenHasThem() {
    startUp();
    // The chooser has the keys after start.
    type('1');
    QCOMPARE(PORONKA->TypedAnswer, 1);
    // The counter window.
    fixture::Dispatch([] { PORONKA->Button15Click(); });
    type('3');
    QCOMPARE(PORONKA->TypedAnswer, 13);
    // The drill screen, its focus on a button that passes the key on.
    ui::RaiseToTop(PORONKA);
    QVERIFY(PORONKA->isAncestorOf(QApplication::focusWidget()));
    type('.');
    QCOMPARE(PORONKA->TypedAnswer, 0);
    // A count field with the focus, where the key goes on to.
    PORONKA->Edit2->setFocus();
    type('4');
    QCOMPARE(PORONKA->TypedAnswer, 4);
    QCOMPARE(QApplication::focusWidget(), PORONKA->Edit2);
    // The fifty-in-a-row screen forwards nothing.
    ui::SetVisible(Form3, true);
    type('5');
    QCOMPARE(PORONKA->TypedAnswer, 4);
  }

  void theDrillTakesTheKeysBackWhenTheActiveScreenGoes() {
    startUp();
    ui::RaiseToTop(PORONKA);
    // The kitten comes up and takes the keys; three ticks later it goes.
    Form6->GreetingSeconds = 300;
    Form6->Timer2Timer();
    QCOMPARE(ui::ActiveScreen(), static_cast<ui::Form*>(Form6));
    for (int tick = 0; tick < 3; ++tick) Form6->Timer2Timer();
    QVERIFY(!Form6->isVisible());
    QCOMPARE(ui::ActiveScreen(), static_cast<ui::Form*>(PORONKA));
    type('2');
    QCOMPARE(PORONKA->TypedAnswer, 2);

    // The badge, after eight ticks of its own.
    ui::SetVisible(Form4, true);
    for (int tick = 0; tick < 8; ++tick) Form4->Timer1Timer();
    QVERIFY(!Form4->isVisible());
    QCOMPARE(ui::ActiveScreen(), static_cast<ui::Form*>(PORONKA));

    // The counter window at a new problem, and a screen hidden by any means.
    fixture::Dispatch([] { PORONKA->Button15Click(); });
    fixture::Dispatch([] { PORONKA->Button13Click(); });
    QCOMPARE(ui::ActiveScreen(), static_cast<ui::Form*>(PORONKA));
    ui::SetVisible(Form3, true);
    Form3->hide();
    QCOMPARE(ui::ActiveScreen(), static_cast<ui::Form*>(PORONKA));
    QVERIFY(PORONKA->isAncestorOf(QApplication::focusWidget()));
    type('7');
    QCOMPARE(PORONKA->TypedAnswer, 7);

    // A screen hiding without the keys takes nothing.
    ui::SetVisible(Form4, true);
    ui::SetVisible(Form6, true);
    ui::SetVisible(Form4, false);
    QCOMPARE(ui::ActiveScreen(), static_cast<ui::Form*>(Form6));
  }

  void tabGoesRoundTheActiveScreenOnly() {
    startUp();
    ui::RaiseToTop(PORONKA);
    for (int n = 0; n < 40; ++n) {
      QTest::keyClick(surface()->windowHandle(), Qt::Key_Tab);
      QVERIFY(PORONKA->isAncestorOf(QApplication::focusWidget()));
    }
    ui::SetVisible(Form5, true);
    ui::RaiseToTop(Form5);
    for (int n = 0; n < 6; ++n) {
      QTest::keyClick(surface()->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
      QVERIFY(Form5->isAncestorOf(QApplication::focusWidget()));
    }
  }

  // Last: ending the program tells every event loop to finish.
  void onlyTheProgramsOwnButtonsEndIt() {
    startUp();
    QVERIFY(!surface()->close());
    QVERIFY(surface()->isVisible() && PORONKA->isVisible());
    QCOMPARE(fixture::ExitCodeAfter([] { QTest::mouseClick(PORONKA->Button11, Qt::LeftButton); }),
             0);
    QVERIFY(!surface()->isVisible());
  }

  void screensThatWereWindowsMoveOntoOneSurface() {
    // Started as windows, which a compositor then made fill the screen.
    DestroyScreens();
    QVERIFY(!ui::OnOneSurface());
    fixture::CreateQuietScreens();
    fixture::RunStartUp();
    QTRY_COMPARE(ui::ActiveScreen(), static_cast<ui::Form*>(Form9));
    QVERIFY(PORONKA->isWindow());
    Form9->ApplyWallpaper(10);
    PORONKA->move(0, 0);

    ui::UseOneSurface();
    for (ui::Form* form : CreatedScreens())
      QVERIFY2(form->parentWidget() == surface(), qPrintable(form->objectName()));
    QCOMPARE(PORONKA->geometry(), QRect(208, 6, 283, 422));
    QCOMPARE(Form9->geometry(), QRect(499, 259, 104, 191));
    QCOMPARE(Form10->geometry(), QRect(0, 0, 1280, 1024));
    QVERIFY(PORONKA->isVisible() && Form9->isVisible() && Form10->isVisible());
    QVERIFY(Form5->isVisible() && !Form1->isVisible() && !Form2->isVisible());
    QVERIFY(stacked({Form5, Form10, PORONKA, Form9}));
    QCOMPARE(ui::ActiveScreen(), static_cast<ui::Form*>(Form9));
    // The wallpaper stays on the backdrop.
    QCOMPARE(Form10->CanvasPicture().pixelColor(1000, 900), QColor(0x80, 0x00, 0x00));
    type('8');
    QCOMPARE(PORONKA->TypedAnswer, 8);
  }
};

PORONKA_TEST_MAIN(OneSurfaceTest)
#include "test_one_surface.moc"

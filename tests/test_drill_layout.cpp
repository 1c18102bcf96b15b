// The drill screen's layout: where everything stands, how it is written, what
// shows at start, the keypad and tab orders, and what lies above what.
#include "drill/drill_screen.h"
#include "tests/fixture.h"

namespace {

struct Place {
  const char* name;
  QRect rect;
  bool shown;
};

// Components whose size does not follow their text.
// clang-format off
const Place kPlaces[] = {
    {"Image4", {16, 16, 41, 41}, false},     {"Image5", {109, 16, 41, 41}, false},
    {"Image2", {192, 48, 25, 33}, false},    {"Image3", {216, 48, 25, 33}, false},
    {"Label1", {22, 19, 30, 37}, false},     {"Image1", {27, 104, 110, 113}, false},
    {"Button13", {16, 216, 121, 49}, true},  {"Button11", {16, 264, 121, 25}, true},
    {"RadioGroup1", {16, 296, 121, 25}, true}, {"Edit1", {96, 360, 33, 20}, true},
    {"Edit2", {96, 384, 33, 20}, true},      {"Button7", {152, 112, 41, 41}, true},
    {"Button8", {192, 112, 41, 41}, true},   {"Button9", {232, 112, 41, 41}, true},
    {"Button4", {152, 152, 41, 41}, true},   {"Button5", {192, 152, 41, 41}, true},
    {"Button6", {232, 152, 41, 41}, true},   {"Button1", {152, 192, 41, 41}, true},
    {"Button2", {192, 192, 41, 41}, true},   {"Button3", {232, 192, 41, 41}, true},
    {"Button10", {152, 232, 81, 41}, true},  {"BitBtn1", {232, 232, 41, 41}, true},
    {"Button15", {152, 274, 121, 39}, true}, {"Button17", {152, 312, 121, 41}, true},
    {"Image6", {152, 112, 33, 41}, true},    {"Image7", {152, 152, 33, 41}, true},
    {"Image8", {152, 192, 33, 41}, true},    {"Image9", {152, 232, 33, 41}, true},
    {"Image11", {152, 272, 33, 41}, true},   {"Image12", {152, 312, 41, 41}, true},
    {"Image20", {176, 384, 6, 33}, true},    {"Image30", {184, 384, 6, 33}, true},
    {"Image40", {200, 384, 6, 33}, true},    {"Image10", {218, 384, 57, 25}, true},
    {"Button19", {0, 408, 286, 17}, true},   {"Button12", {72, 0, 52, 17}, false},
    {"Button14", {126, 0, 59, 17}, false},   {"Button16", {186, -8, 52, 25}, false},
    {"Button18", {240, 384, 33, 17}, false}, {"Button20", {152, 368, 49, 17}, false},
    {"Button21", {152, 384, 49, 17}, false}, {"Button22", {208, 368, 25, 17}, false},
    {"Button23", {208, 384, 25, 17}, false},
};
// clang-format on

struct Writing {
  const char* name;
  QPoint at;  // labels keep their left and top while they size themselves
  const char* text;
  const char* face;
  int pixels;
  bool bold;
  bool underline;
  QRgb color;
  bool shown;
};

const char* const kPGothic = "ＭＳ Ｐゴシック";
const char* const kGothic = "ＭＳ ゴシック";
const char* const kDigits = "FC数字書体05";

// clang-format off
const Writing kWritings[] = {
    {"Label4", {155, 19}, "", kPGothic, 37, true, false, 0xFFFFFF, true},
    {"Label2", {64, 19}, "", kPGothic, 37, true, false, 0xFFFFFF, true},
    {"Label3", {115, 19}, "0", kDigits, 35, false, false, 0xFFFFFF, false},
    {"Label5", {190, 19}, "0", kDigits, 37, false, false, 0xFFFF00, false},
    {"Label1", {22, 19}, "0", kDigits, 35, false, false, 0xFFFFFF, false},
    {"Label6", {26, 80}, "あってるよ", kGothic, 19, true, false, 0xFFFFFF, false},
    {"Label8", {8, 80}, "まだちがうなあ", kGothic, 19, true, false, 0xFFFFFF, false},
    {"Label9", {8, 72}, "それもちがうなあ", kGothic, 19, true, false, 0xFFFFFF, false},
    {"Label7", {26, 80}, "ちがうなあ", kGothic, 19, true, false, 0xFFFFFF, false},
    {"Label10", {16, 360}, "やったかず", kPGothic, 11, false, false, 0xFFFFFF, true},
    {"Label11", {16, 384}, "すぐできたかず", kPGothic, 11, false, false, 0xFFFFFF, true},
};
// clang-format on

}  // namespace

class DrillLayoutTest : public fixture::Suite {
  Q_OBJECT

 private Q_SLOTS:
  void componentsStandWhereTheyBelong() {
    for (const Place& p : kPlaces) {
      auto* w = ui::Find<QWidget>(PORONKA, p.name);
      QVERIFY2(w->geometry() == p.rect, p.name);
      QVERIFY2(fixture::Shown(w) == p.shown, p.name);
    }
    // Only the fixed-size label and the stretched pictures say so.
    QVERIFY(!PORONKA->Label1->AutoSize());
    QVERIFY(PORONKA->Label5->AutoSize());
    for (const char* name : {"Image4", "Image5", "Image20", "Image30", "Image40", "Image10"})
      QVERIFY2(ui::Find<ui::Image>(PORONKA, name)->Stretch(), name);
    for (const char* name : {"Image1", "Image2", "Image3", "Image6", "Image12"})
      QVERIFY2(!ui::Find<ui::Image>(PORONKA, name)->Stretch(), name);
  }

  void writingOnTheBoard() {
    for (const Writing& w : kWritings) {
      auto* label = ui::Find<ui::Label>(PORONKA, w.name);
      QVERIFY2(label->pos() == w.at, w.name);
      QCOMPARE(label->text(), QString::fromUtf8(w.text));
      QCOMPARE(label->font().family(), QString::fromUtf8(w.face));
      QVERIFY2(label->font().pixelSize() == w.pixels, w.name);
      QVERIFY2(label->font().bold() == w.bold, w.name);
      QVERIFY2(label->palette().color(QPalette::WindowText).rgb() == (0xFF000000 | w.color),
               w.name);
      QVERIFY2(fixture::Shown(label) == w.shown, w.name);
      QVERIFY2(!label->autoFillBackground(), w.name);  // drawn on the board itself
    }
    // A self-sizing label fits its text, whatever the stored size was.
    PORONKA->Label6->SetCaption(QStringLiteral("あってるよあってるよ"));
    QCOMPARE(PORONKA->Label6->pos(), QPoint(26, 80));
    QVERIFY(PORONKA->Label6->width() > 101);

    const QFont problem = PORONKA->Button13->font();
    QCOMPARE(problem.family(), QString::fromUtf8(kGothic));
    QCOMPARE(problem.pixelSize(), 19);
    QVERIFY(problem.underline());
    for (const char* name : {"Button15", "Button17"}) {
      const QFont f = ui::Find<QPushButton>(PORONKA, name)->font();
      QVERIFY(f.underline() && f.pixelSize() == 13 && f.family() == QString::fromUtf8(kGothic));
    }
    QCOMPARE(PORONKA->Button7->font().family(), QString::fromUtf8(kDigits));
    QCOMPARE(PORONKA->Button7->font().pixelSize(), 24);
    QCOMPARE(PORONKA->BitBtn1->font().pixelSize(), 15);
    QCOMPARE(PORONKA->Button11->font().pixelSize(), 12);  // the screen's own font

    QCOMPARE(PORONKA->RadioGroup1->title(), QStringLiteral("もんだいの出しかた"));
    QCOMPARE(PORONKA->RadioGroup1->Item(0)->text(), QStringLiteral("じどう"));
    QCOMPARE(PORONKA->RadioGroup1->Item(1)->text(), QStringLiteral("ボタン"));
    QCOMPARE(PORONKA->RadioGroup1->ItemIndex(), 0);
    QCOMPARE(PORONKA->RadioGroup1->font().pixelSize(), 11);
    QCOMPARE(PORONKA->Edit1->text(), QStringLiteral("0"));
    QCOMPARE(PORONKA->Edit2->text(), QStringLiteral("0"));
    QCOMPARE(PORONKA->Button19->text(), QString());
    QCOMPARE(PORONKA->Button12->text(), QStringLiteral("判定"));
    QCOMPARE(PORONKA->Button14->text(), QStringLiteral("だんご配列"));
    QCOMPARE(PORONKA->Button16->text(), QStringLiteral("だんご減"));
    QCOMPARE(PORONKA->Button18->text(), QStringLiteral("リセット"));
  }

  void keypadAndFocusOrder() {
    // 7 8 9 / 4 5 6 / 1 2 3 / 0 (wide) and けす, from the top left.
    // clang-format off
    const char* const rows[4][3] = {
        {"7", "8", "9"}, {"4", "5", "6"}, {"1", "2", "3"}, {"0", "0", "けす"}};
    PORONKA->show();
    QVERIFY(QTest::qWaitForWindowExposed(PORONKA));
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 3; ++c) {
        auto* b = qobject_cast<QPushButton*>(PORONKA->childAt(172 + 40 * c, 132 + 40 * r));
        QVERIFY(b);
        QCOMPARE(b->text(), QString::fromUtf8(rows[r][c]));
      }
    // Buttons lie over the praise pictures kept beneath them, and the
    // addends over their hint tiles.
    QCOMPARE(PORONKA->childAt(160, 290), static_cast<QWidget*>(PORONKA->Button15));
    PORONKA->Image4->show();
    PORONKA->Label1->show();
    QCOMPARE(PORONKA->childAt(30, 30), static_cast<QWidget*>(PORONKA->Label1));
    QCOMPARE(PORONKA->childAt(20, 370), static_cast<QWidget*>(PORONKA->Label10));

    QCOMPARE(PORONKA->focusWidget(), static_cast<QWidget*>(PORONKA->Button13));
    const char* const tabOrder[] = {"Button13", "Button7",  "Button8",  "Button9",  "Button4",
                                    "Button1",  "Button10", "Button5",  "Button6",  "Button2",
                                    "Button3",  "Button15", "Button17", "RadioGroup1"};
    QWidget* w = PORONKA->Button13;
    for (size_t i = 1; i < std::size(tabOrder); ++i) {
      w = w->nextInFocusChain();
      while (!w->isVisible() || w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
      if (QString::fromLatin1(tabOrder[i]) == QStringLiteral("RadioGroup1"))
        QCOMPARE(w->parentWidget(), static_cast<QWidget*>(PORONKA->RadioGroup1));
      else
        QCOMPARE(w->objectName(), QString::fromLatin1(tabOrder[i]));
    }
  }

  void timersTickAtTheirIntervals() {
    QCOMPARE(PORONKA->Timer1->interval(), 750);
    QCOMPARE(PORONKA->Timer2->interval(), 100);
    QCOMPARE(PORONKA->Timer3->interval(), 40);
    QCOMPARE(PORONKA->Timer4->interval(), 100);
    for (ui::Timer* t : {PORONKA->Timer1, PORONKA->Timer2, PORONKA->Timer3, PORONKA->Timer4})
      QCOMPARE(t->parent(), static_cast<QObject*>(PORONKA));
  }
};

PORONKA_TEST_MAIN(DrillLayoutTest)
#include "test_drill_layout.moc"

// clang-format on
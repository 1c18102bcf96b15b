// A screen whose layout and lookups disagree must say which screen and which
// component, not crash later on a null pointer.
#include <QPushButton>
#include <QTest>

#include "app/ui.h"

namespace {

class Screen1 : public ui::Form {
  Q_OBJECT
 public:
  Screen1() : ui::Form("Screen1") {}
};

using ui::Component;
using ui::Kind;

// Shared by the cases: the row that should be "Label6" has a typo.
constexpr Component kTypo[] = {
    {Kind::Label, "Label66", 0, 0, 10, 10, "a"},
    {Kind::Button, "Button1", 0, 20, 10, 10, "b"},
};

}  // namespace

class ComponentsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void lookupsNameScreenAndComponent() {
    Screen1 form;
    ui::BuildLayout(&form, kTypo);

    const QString missing = ui::FindProblem(&form, "Label6", ui::Label::staticMetaObject);
    QVERIFY2(missing.contains(QLatin1String("Screen1")), qPrintable(missing));
    QVERIFY2(missing.contains(QLatin1String("\"Label6\"")), qPrintable(missing));

    // A button asked for as a label is as wrong as a missing one.
    const QString wrongKind = ui::FindProblem(&form, "Button1", ui::Label::staticMetaObject);
    QVERIFY2(wrongKind.contains(QLatin1String("Screen1")), qPrintable(wrongKind));
    QVERIFY2(wrongKind.contains(QLatin1String("\"Button1\"")), qPrintable(wrongKind));
    QVERIFY2(wrongKind.contains(QLatin1String("QPushButton")), qPrintable(wrongKind));

    // What is there, as its own kind or a base of it, is fine.
    QCOMPARE(ui::FindProblem(&form, "Label66", ui::Label::staticMetaObject), QString());
    QCOMPARE(ui::FindProblem(&form, "Label66", QLabel::staticMetaObject), QString());
    QCOMPARE(ui::FindProblem(&form, "Button1", QPushButton::staticMetaObject), QString());
    QCOMPARE(ui::Find<QPushButton>(&form, "Button1")->text(), QStringLiteral("b"));
  }

  // Two rows of one name: the second component could never be looked up.
  void layoutNamingOneComponentTwice() {
    Screen1 form;
    QCOMPARE(ui::LayoutProblem(&form, kTypo), QString());
    constexpr Component twice[] = {
        {Kind::Label, "Label1", 0, 0, 10, 10},
        {Kind::Image, "Image1", 0, 0, 10, 10},
        {Kind::Button, "Label1", 0, 0, 10, 10},
    };
    const QString problem = ui::LayoutProblem(&form, twice);
    QVERIFY2(problem.contains(QLatin1String("Screen1")), qPrintable(problem));
    QVERIFY2(problem.contains(QLatin1String("\"Label1\"")), qPrintable(problem));
    QVERIFY2(!problem.contains(QLatin1String("Image1")), qPrintable(problem));
  }
};

QTEST_MAIN(ComponentsTest)
#include "test_components.moc"

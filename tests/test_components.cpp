// A screen whose layout and lookups disagree must say which screen and which
// component, not crash later on a null pointer; a row bound to a member sets
// it as the component is made.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/ui/ui.h"

namespace {

class Screen1 : public ui::Form {
  Q_OBJECT
 public:
  Screen1() : ui::Form("Screen1") {}
};

// Its layout fills one member of each kind.
class Screen2 : public ui::Form {
  Q_OBJECT
 public:
  Screen2() : ui::Form("Screen2") {}
  ui::Label* Label1 = nullptr;
  ui::Image* Image1 = nullptr;
  QPushButton* Button1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  ui::RadioGroup* RadioGroup1 = nullptr;
};

using ui::Component;
using ui::Kind;

// The component named `name` of `form`, if it is a T.
template <class T>
T* Named(const QObject& form, const char* name) {
  return form.findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

constexpr Component kBound[] = {
    {UI_MEMBER(Screen2, Label1), 0, 0, 10, 10, "a"},
    {UI_MEMBER(Screen2, Image1), 0, 10, 10, 10},
    {Kind::Label, "Label2", 0, 20, 10, 10, "no member"},
    {UI_MEMBER(Screen2, Button1), 0, 30, 10, 10, "b"},
    {UI_MEMBER(Screen2, Edit1), 0, 40, 10, 10, "c"},
    {UI_MEMBER(Screen2, RadioGroup1), 0, 50, 10, 10, "title|x|y"},
};

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

  // Each member holds the component of its own name, made from its own row.
  void rowsSetTheirMembers() {
    Screen2 form;
    QCOMPARE(ui::LayoutProblem(&form, kBound), QString());
    ui::BuildLayout(&form, kBound);
    QVERIFY(form.Label1);
    QCOMPARE(form.Label1, Named<ui::Label>(form, "Label1"));
    QCOMPARE(form.Label1->Caption(), QStringLiteral("a"));
    QVERIFY(form.Image1);
    QCOMPARE(form.Image1, Named<ui::Image>(form, "Image1"));
    QCOMPARE(form.Image1->geometry(), QRect(0, 10, 10, 10));
    QVERIFY(form.Button1);
    QCOMPARE(form.Button1, Named<QPushButton>(form, "Button1"));
    QCOMPARE(form.Button1->text(), QStringLiteral("b"));
    QVERIFY(form.Edit1);
    QCOMPARE(form.Edit1, Named<QLineEdit>(form, "Edit1"));
    QCOMPARE(form.Edit1->text(), QStringLiteral("c"));
    QVERIFY(form.RadioGroup1);
    QCOMPARE(form.RadioGroup1, Named<ui::RadioGroup>(form, "RadioGroup1"));
    QCOMPARE(form.RadioGroup1->Item(1)->text(), QStringLiteral("y"));
    // The row without a member is made all the same, under its plain name.
    QCOMPARE(ui::Find<ui::Label>(&form, "Label2")->Caption(), QStringLiteral("no member"));
  }

  // A member can only take what its row makes, on the screen that has it.
  void rowsBoundAmissAreRefused() {
    Screen2 form;
    constexpr Component wrongKind[] = {
        {Kind::Button, ui::Name("Label1", ui::Bind<&Screen2::Label1>::binding), 0, 0, 10, 10},
    };
    const QString kind = ui::LayoutProblem(&form, wrongKind);
    QVERIFY2(kind.contains(QLatin1String("Screen2")), qPrintable(kind));
    QVERIFY2(kind.contains(QLatin1String("\"Label1\"")), qPrintable(kind));
    QVERIFY2(kind.contains(QLatin1String("button")), qPrintable(kind));
    QVERIFY2(kind.contains(QLatin1String("label")), qPrintable(kind));

    // A row copied from another screen's layout.
    Screen1 other;
    constexpr Component copied[] = {
        {Kind::Image, "Image1", 0, 0, 10, 10},
        {UI_MEMBER(Screen2, Label1), 0, 0, 10, 10},
    };
    const QString screen = ui::LayoutProblem(&other, copied);
    QVERIFY2(screen.contains(QLatin1String("Screen1")), qPrintable(screen));
    QVERIFY2(screen.contains(QLatin1String("\"Label1\"")), qPrintable(screen));
    QVERIFY2(screen.contains(QLatin1String("Screen2")), qPrintable(screen));
    QVERIFY2(!screen.contains(QLatin1String("Image1")), qPrintable(screen));
  }
};

QTEST_MAIN(ComponentsTest)
#include "test_components.moc"

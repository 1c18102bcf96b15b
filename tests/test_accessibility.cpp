// What a screen reader is told of the screens: every window, control and
// picture on view named in the program's own words, nothing the child cannot
// see in the tree, and the problems and judgements announced.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QRegularExpression>

#include "blackboard/counter_window.h"
#include "pictures/wallpaper_chooser.h"
#include "rewards/badge.h"
#include "rewards/fifty_screen.h"
#include "rewards/hundred_screen.h"
#include "tests/fixture.h"

namespace {

QAccessibleInterface* accessible(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

// Every interface under `root`, depth first.
QList<QAccessibleInterface*> below(QAccessibleInterface* root) {
  QList<QAccessibleInterface*> all;
  for (int i = 0; i < root->childCount(); ++i) {
    QAccessibleInterface* child = root->child(i);
    if (!child) continue;
    all << child;
    all << below(child);
  }
  return all;
}

QList<QObject*> objectsBelow(QObject* form) {
  QList<QObject*> objects;
  for (QAccessibleInterface* i : below(accessible(form))) objects << i->object();
  return objects;
}

bool pressable(QAccessibleInterface* i) {
  QAccessibleActionInterface* actions = i->actionInterface();
  return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

// What a name must not look like: the name of a component or a screen.
bool objectLike(const QString& name) {
  static const QRegularExpression pattern(QStringLiteral(
      "^(PORONKA|Form\\d+|Image\\d+|Button\\d+|BitBtn\\d+|Label\\d+|Edit\\d+|RadioGroup\\d+)$"));
  return pattern.match(name).hasMatch();
}

// Words a child hears: Japanese, or the digit of a key.
bool childsWords(const QString& name) {
  static const QRegularExpression digit(QStringLiteral("^\\d$"));
  for (const QChar c : name)
    if (c.unicode() > 0x7F) return true;
  return digit.match(name).hasMatch();
}

void answerRight() {
  PORONKA->CorrectSum = 13;
  PORONKA->TypedAnswer = 0;
  fixture::Answer(13);
}

// The announcements of the event just handled go out once it is done.
void settle() { QCoreApplication::processEvents(); }

}  // namespace

class AccessibilityTest : public fixture::Suite {
  Q_OBJECT

 private Q_SLOTS:
  void windowsAreNamedByWhatTheyAre() {
    const QList<std::pair<QWidget*, const char*>> windows = {{PORONKA, "ポロンカ"},
                                                             {Form2, "だんご"},
                                                             {Form3, "れんぞく ごほうび"},
                                                             {Form4, "メダル"},
                                                             {Form5, "できたかずの ごほうび"},
                                                             {Form6, "こねこ"},
                                                             {Form9, "かべがみ"},
                                                             {Form10, "はいけい"}};
    for (const auto& [form, name] : windows) {
      QAccessibleInterface* window = accessible(form);
      QCOMPARE(window->role(), QAccessible::Window);
      QCOMPARE(window->text(QAccessible::Name), QString::fromUtf8(name));
    }
  }

  // Each screen brought on view in turn: each control and picture on it has
  // a name in the child's words.
  void everyControlAndPictureOnViewIsNamed() {
    fixture::RunStartUp();
    PORONKA->Button15Click();  // the counters up
    int named = 0;
    for (QWidget* form :
         std::initializer_list<QWidget*>{PORONKA, Form9, Form2, Form3, Form4, Form5, Form6}) {
      ui::SetVisible(form, true);
      ui::RaiseToTop(form);
      QVERIFY2(ui::OnView(form), qPrintable(form->objectName()));
      for (QAccessibleInterface* i : below(accessible(form))) {
        const QAccessible::Role role = i->role();
        if (i->state().invisible || role == QAccessible::StaticText) continue;
        const QString name = i->text(QAccessible::Name);
        const QString where = form->objectName() + QLatin1Char('.') + i->object()->objectName();
        QVERIFY2(!name.isEmpty(), qPrintable(where));
        QVERIFY2(!objectLike(name) && childsWords(name),
                 qPrintable(where + QLatin1Char(' ') + name));
        ++named;
      }
      // Each reward screen goes again, the hundred screen uncovering the board.
      if (form == Form3 || form == Form4 || form == Form5) ui::SetVisible(form, false);
    }
    QVERIFY(ui::OnView(PORONKA));
    qInfo("%d controls and pictures on view", named);
    QVERIFY(named > 60);

    // Those the issue of names is about, one by one.
    const QList<std::pair<QWidget*, const char*>> names = {
        {PORONKA->Image20, "もんだいを かえる"},
        {PORONKA->Image30, "もんだいを かえる"},
        {PORONKA->Image10, "こくばんけし"},
        {PORONKA->Button19, "チョークおき"},
        {PORONKA->Edit1, "やったかず"},
        {PORONKA->Edit2, "すぐできたかず"},
        {PORONKA->RadioGroup1, "もんだいの出しかた"},
        {Form2->Button1, "こくばんに もどる"},
        {Form2->Img(10), "あおい だんご"},
        {Form2->Img(20), "あかい だんご"},
        {Form3->Image1, "こねこ"},
        {Form6->Image1, "こねこ"},
        {Form5->Image5, "ライオン"},
        {Form9->Img(1), "オレンジ"},
        {Form9->Img(4), "さかな"},
        {Form9->Img(9), "こんいろ"},
        {Form9->Img(10), "えんじいろ"},
        {PORONKA->Image1, "うし"}};
    for (const auto& [widget, name] : names)
      QCOMPARE(accessible(widget)->text(QAccessible::Name), QString::fromUtf8(name));
  }

  // The praise picture is named after the animal it shows, whichever that is.
  void praisePictureIsNamedAfterItsAnimal() {
    ui::ForceRandomReal(0.004);  // every draw succeeds: the last, the lion, stays
    PORONKA->FormPaint();
    QCOMPARE(PORONKA->Image1->accessibleName(), QStringLiteral("ライオン"));
    PORONKA->Image10Click();  // the eraser puts the cow back
    QCOMPARE(PORONKA->Image1->accessibleName(), QStringLiteral("うし"));
  }

  void operationsAndHiddenStoresAreNotInTheTree() {
    fixture::RunStartUp();
    const QList<QObject*> board = objectsBelow(PORONKA);
    for (QObject* unseen : std::initializer_list<QObject*>{
             PORONKA->Button12, PORONKA->Button14, PORONKA->Button16, PORONKA->Button18,
             PORONKA->Button20, PORONKA->Button21, PORONKA->Button22, PORONKA->Button23,
             PORONKA->Image6, PORONKA->Image7, PORONKA->Image8, PORONKA->Image9, PORONKA->Image11,
             PORONKA->Image12})
      QVERIFY2(!board.contains(unseen), qPrintable(unseen->objectName()));
    ui::SetVisible(Form6, true);
    QVERIFY(!objectsBelow(Form6).contains(Form6->Button1));
    QVERIFY(!objectsBelow(Form6).contains(Form6->Button2));
    QVERIFY(board.contains(PORONKA->Button13));

    // Whatever can be pressed through the tree is on view.
    for (QWidget* form :
         std::initializer_list<QWidget*>{PORONKA, Form2, Form3, Form4, Form5, Form6, Form9, Form10})
      for (QAccessibleInterface* i : below(accessible(form)))
        if (pressable(i))
          QVERIFY2(!i->state().invisible && ui::OnView(form),
                   qPrintable(form->objectName() + QLatin1Char('.') + i->object()->objectName()));
  }

  // Shown at creation, the hundred-solved screen lies behind the backdrop:
  // nothing on it can be pressed until the judge raises it.
  void coveredScreenShowsNothingUntilRaised() {
    fixture::RunStartUp();
    QVERIFY(Form5->isVisible());
    QVERIFY(!ui::OnView(Form5));
    QVERIFY(accessible(Form5)->state().invisible);
    QCOMPARE(accessible(Form5)->childCount(), 0);

    PORONKA->Edit2->setText(QStringLiteral("99"));
    answerRight();
    QVERIFY(ui::OnView(Form5));
    QVERIFY(!accessible(Form5)->state().invisible);
    QVERIFY(objectsBelow(Form5).contains(Form5->Button2));
    QVERIFY(pressable(accessible(Form5->Button2)));

    // The backdrop comes forward over it again (a click on it).
    Form10->ComeForward();
    QVERIFY(!ui::OnView(Form5));
    QVERIFY(ui::OnView(PORONKA));
    QVERIFY(ui::OnView(Form9));
    QCOMPARE(accessible(Form5)->childCount(), 0);
  }

  void picturesThatDoSomethingArePressedThroughTheTree() {
    fixture::RunStartUp();
    QAccessibleInterface* apple = accessible(Form9->Img(2));
    QCOMPARE(apple->role(), QAccessible::Button);
    QVERIFY(pressable(apple));
    apple->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(Form9->WallpaperChoice, 2);
    QCOMPARE(Form9->WallpaperPicked, 2);

    PORONKA->Edit1->setText(QStringLiteral("5"));
    accessible(PORONKA->Image10)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(PORONKA->Edit1->text(), QStringLiteral("0"));

    QAccessibleInterface* riceBall = accessible(Form5->Image2);
    QCOMPARE(riceBall->role(), QAccessible::Graphic);
    QVERIFY(!pressable(riceBall));
  }

  void problemsAndJudgementsAreAnnounced() {
    fixture::RunStartUp();
    settle();
    const auto problem = [] {
      return PORONKA->Label1->Caption() + QStringLiteral(" たす ") + PORONKA->Label3->Caption();
    };
    QCOMPARE(ui::LastAnnouncement(PORONKA), problem());
    PORONKA->Button13Click();
    settle();
    QCOMPARE(ui::LastAnnouncement(PORONKA), problem());

    fixture::PutUpEightPlusFive();
    settle();
    int count = ui::AnnouncementCount(PORONKA);
    fixture::Answer(19);
    settle();
    QCOMPARE(ui::AnnouncementCount(PORONKA), count + 1);  // one message for the whole answer
    QCOMPARE(ui::LastAnnouncement(PORONKA),
             QStringLiteral("ちがうなあ。だんご あお 8 こ、あか 5 こ"));
    fixture::Answer(19);
    settle();
    QVERIFY(ui::LastAnnouncement(PORONKA).startsWith(QStringLiteral("まだちがうなあ。")));
    QVERIFY(ui::LastAnnouncement(PORONKA).endsWith(QStringLiteral("だんごで 10 を つくるよ")));

    // One digit is only written: nothing to say.
    count = ui::AnnouncementCount(PORONKA);
    fixture::Answer(1);
    settle();
    QCOMPARE(ui::AnnouncementCount(PORONKA), count);

    PORONKA->ProblemsAsked = 3;
    answerRight();
    settle();
    QCOMPARE(ui::LastAnnouncement(PORONKA),
             QStringLiteral("あってるよ。やったかず 3、すぐできたかず 0"));

    // The announcer is a notification in the board's tree, named by the message.
    QAccessibleInterface* board = accessible(PORONKA);
    QAccessibleInterface* announcer = board->child(board->childCount() - 1);
    QCOMPARE(announcer->role(), QAccessible::Notification);
    QCOMPARE(announcer->text(QAccessible::Name), ui::LastAnnouncement(PORONKA));
    QVERIFY(!announcer->state().invisible);
    QCOMPARE(announcer->parent()->object(), PORONKA);
  }

  void rewardsAreAnnouncedAfterTheJudgement() {
    fixture::PutUpEightPlusFive();
    settle();
    PORONKA->CorrectStreak = 9;
    answerRight();
    settle();
    QVERIFY(Form4->isVisible());
    QVERIFY(ui::LastAnnouncement(PORONKA).startsWith(QStringLiteral("あってるよ。")));
    QVERIFY(ui::LastAnnouncement(PORONKA).endsWith(
        QStringLiteral("よかったね、10だいつづけて、あっていたよ")));
  }
};

PORONKA_TEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"

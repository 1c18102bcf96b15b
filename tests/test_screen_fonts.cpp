// The faces the captions are set in: the cut-down copies that come with the
// program, and every character of every caption among their glyphs (a text
// with a new kanji needs tools/make_screen_fonts.sh run again).
#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QRadioButton>

#include "tests/fixture.h"

namespace {

// Every caption on every screen, with the control it is drawn on.
std::vector<std::pair<QWidget*, QString>> captions() {
  std::vector<std::pair<QWidget*, QString>> found;
  for (QWidget* screen : QApplication::topLevelWidgets()) {
    if (!qobject_cast<ui::Form*>(screen)) continue;
    for (QWidget* w : screen->findChildren<QWidget*>()) {
      QString text;
      if (auto* label = qobject_cast<QLabel*>(w))
        text = label->text();
      else if (auto* button = qobject_cast<QAbstractButton*>(w))
        text = button->text();
      else if (auto* group = qobject_cast<QGroupBox*>(w))
        text = group->title();
      if (!text.trimmed().isEmpty()) found.emplace_back(w, text);
    }
  }
  return found;
}

}  // namespace

class ScreenFontsTest : public fixture::Suite {
  Q_OBJECT

 private Q_SLOTS:
  void captionsUseTheFacesThatComeWithTheProgram() {
    const QStringList bundled = {QStringLiteral("Poronka Gothic"),
                                 QStringLiteral("Poronka PGothic"),
                                 QStringLiteral("Poronka Digits")};
    const auto all = captions();
    // The drill screen alone has some forty captions.
    QVERIFY2(all.size() > 60, qPrintable(QString::number(all.size())));
    QSet<QString> used;
    for (const auto& [w, text] : all) {
      const QString family = QFontInfo(w->font()).family();
      used.insert(family);
      QVERIFY2(bundled.contains(family),
               qPrintable(QStringLiteral("%1/%2 \"%3\" is set in %4")
                              .arg(w->window()->objectName(), w->objectName(), text, family)));
    }
    // Both gothic faces are in use, so neither copy is there for nothing.
    QVERIFY(used.contains(bundled[0]));
    QVERIFY(used.contains(bundled[1]));
  }

  void everyCharacterOfEveryCaptionHasItsGlyph() {
    for (const auto& [w, text] : captions()) {
      const QFontMetrics metrics(w->font());
      for (const char32_t c : text.toUcs4()) {
        if (QChar::isSpace(c)) continue;
        QVERIFY2(metrics.inFontUcs4(c),
                 qPrintable(QStringLiteral("%1/%2 \"%3\": no %4 in %5")
                                .arg(w->window()->objectName(), w->objectName(), text,
                                     QString::fromUcs4(&c, 1), QFontInfo(w->font()).family())));
      }
    }
  }
};

PORONKA_TEST_MAIN(ScreenFontsTest)
#include "test_screen_fonts.moc"

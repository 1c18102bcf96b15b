// Building a screen's components from its stored layout, and looking them up.
#include "app/ui/layout.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <algorithm>
#include <vector>

#include "app/ui/accessibility.h"
#include "app/ui/keyboard.h"
#include "app/ui/pictures.h"

namespace ui {

namespace {

QFont fontOf(const QWidget* owner, const FontSpec& wanted) {
  QFont f = owner->font();
  if (wanted.face) f.setFamily(QString::fromUtf8(wanted.face));
  if (wanted.pixels > 0) f.setPixelSize(wanted.pixels);
  f.setBold(wanted.bold);
  f.setUnderline(wanted.underline);
  return f;
}

void applyFont(QWidget* w, const QWidget* form, const Component& c) {
  if (!c.font.face && c.font.pixels == 0) return;
  w->setFont(fontOf(form, c.font));
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, QColor::fromRgb(c.font.color));
  pal.setColor(QPalette::ButtonText, QColor::fromRgb(c.font.color));
  w->setPalette(pal);
}

}  // namespace

namespace {
QString screenName(const QObject* form) {
  return QStringLiteral("screen %1 (%2)")
      .arg(form->objectName(), QString::fromLatin1(form->metaObject()->className()));
}

QString kindText(Kind kind) {
  switch (kind) {
    case Kind::Button:
      return QStringLiteral("button");
    case Kind::Label:
      return QStringLiteral("label");
    case Kind::Image:
      return QStringLiteral("image");
    case Kind::Edit:
      return QStringLiteral("edit");
    case Kind::RadioGroup:
      return QStringLiteral("radio group");
  }
  return {};
}
}  // namespace

QString LayoutProblem(const QObject* form, std::span<const Component> layout) {
  QSet<QByteArray> seen;
  for (const Component& c : layout) {
    const QByteArray name(c.name.text);
    if (seen.contains(name))
      return QStringLiteral("%1: two components are named \"%2\"")
          .arg(screenName(form), QString::fromLatin1(name));
    seen.insert(name);
    const Binding& member = c.name.member;
    if (!member.screen) continue;
    if (!form->metaObject()->inherits(member.screen))
      return QStringLiteral("%1: component \"%2\" is bound to a member of %3")
          .arg(screenName(form), QString::fromLatin1(name),
               QString::fromLatin1(member.screen->className()));
    if (member.kind != c.kind)
      return QStringLiteral("%1: component \"%2\" is made as a %3 for a member holding a %4")
          .arg(screenName(form), QString::fromLatin1(name), kindText(c.kind),
               kindText(member.kind));
  }
  return {};
}

QString FindProblem(const QObject* form, const char* name, const QMetaObject& kind) {
  const QObject* found =
      form->findChild<QObject*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
  const QString kindName = QString::fromLatin1(kind.className());
  if (!found)
    return QStringLiteral("%1: no component \"%2\" (a %3)")
        .arg(screenName(form), QString::fromLatin1(name), kindName);
  if (!found->metaObject()->inherits(&kind))
    return QStringLiteral("%1: component \"%2\" is a %3, not a %4")
        .arg(screenName(form), QString::fromLatin1(name),
             QString::fromLatin1(found->metaObject()->className()), kindName);
  return {};
}

void FailCreation(const QString& problem) { qFatal("%s", qUtf8Printable(problem)); }

void BuildLayout(Form* form, std::span<const Component> layout) {
  if (const QString problem = LayoutProblem(form, layout); !problem.isEmpty())
    FailCreation(problem);
  std::vector<std::pair<int, QWidget*>> tabOrder;
  std::vector<QWidget*> windowed;
  for (const Component& c : layout) {
    QWidget* w = nullptr;
    const QString text = QString::fromUtf8(c.text);
    switch (c.kind) {
      case Kind::Button: {
        auto* b = new QPushButton(text, form);
        b->setObjectName(QString::fromLatin1(c.name.text));
        b->setAutoDefault(false);
        ButtonKeysFor(b);
        w = b;
        break;
      }
      case Kind::Edit: {
        auto* e = new QLineEdit(text, form);
        e->setObjectName(QString::fromLatin1(c.name.text));
        QFont f = e->font();  // the child may type anything here
        f.setStyleStrategy(QFont::PreferDefault);
        e->setFont(f);
        MarkFocusOnTop(e);
        w = e;
        break;
      }
      case Kind::RadioGroup: {
        QStringList parts = text.split(QLatin1Char('|'));
        const QString title = parts.takeFirst();
        w = new RadioGroup(form, c.name.text, title, parts);
        break;
      }
      case Kind::Label: {
        auto* l = new Label(form, c.name.text, !(c.flags & kFixedSize));
        if (c.flags & kOpaque) {
          l->setAutoFillBackground(true);
          QPalette pal = l->palette();
          pal.setColor(QPalette::Window, QColor::fromRgb(c.background));
          l->setPalette(pal);
        }
        w = l;
        break;
      }
      case Kind::Image: {
        auto* i = new Image(form, c.name.text, c.flags & kStretch);
        if (c.picture) i->SetPicture(StoredPicture(c.picture));
        i->SetName(text);
        i->SetClickable(c.tabOrder >= 0);
        w = i;
        break;
      }
    }
    if (c.name.member.assign) c.name.member.assign(form, w);
    w->setGeometry(c.left, c.top, c.width, c.height);
    applyFont(w, form, c);
    if (auto* l = qobject_cast<Label*>(w)) l->SetCaption(text);
    if (c.flags & kHidden) w->setVisible(false);
    if (c.flags & kUnseen) SetNeverSeen(w);
    if (c.kind != Kind::Label && c.kind != Kind::Image) windowed.push_back(w);
    if (c.kind == Kind::Label) w->setFocusPolicy(Qt::NoFocus);
    if (c.tabOrder >= 0 && c.kind != Kind::Label) tabOrder.emplace_back(c.tabOrder, w);
  }
  for (QWidget* w : windowed) w->raise();
  std::stable_sort(tabOrder.begin(), tabOrder.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 1; i < tabOrder.size(); ++i)
    QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
  if (!tabOrder.empty()) tabOrder.front().second->setFocus();
}

}  // namespace ui

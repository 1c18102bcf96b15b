// Each screen's components as a table of rows, built in one go, with each
// row's component put into the screen member the row names; and the lookup of
// components by a name made at run time.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <span>
#include <type_traits>

#include "app/ui/components.h"
#include "app/ui/forms.h"

namespace ui {

// A screen's stored layout, one row per component, in stacking order
// (earlier rows lie further back). Buttons, edits and radio groups always lie
// above labels and images.
enum class Kind { Button, Label, Image, Edit, RadioGroup };

enum Flags : unsigned {
  kNone = 0,
  kHidden = 1u << 0,     // not visible at start
  kStretch = 1u << 1,    // image stretched to the control
  kFixedSize = 1u << 2,  // label keeps its stored size
  kOpaque = 1u << 3,     // label painted on its own background colour
  kUnseen = 1u << 4,     // never seen by the child (an operation, a picture kept under
                         // other controls): not in the accessibility tree
};

struct FontSpec {
  const char* face = nullptr;  // nullptr: the screen's font
  int pixels = 0;
  bool bold = false;
  bool underline = false;
  QRgb color = 0x000000;
};

// A screen member that a row puts its component into: the screen class that
// has the member, the kind of component it holds, and how to set it.
struct Binding {
  const QMetaObject* screen = nullptr;  // nullptr: the row has no member
  Kind kind = Kind::Button;
  void (*assign)(QObject* form, QWidget* created) = nullptr;
};

// A row's component name, and the member bound to it if there is one. Not
// explicit: a row without a member writes a plain name.
struct Name {
  constexpr Name(const char* plain) : text(plain) {}
  constexpr Name(const char* memberName, Binding bound) : text(memberName), member(bound) {}
  const char* text;
  Binding member;
};

struct Component {
  Kind kind;
  Name name;
  int left, top, width, height;
  // Caption, text or title ("|"-separated radio items follow the title); for
  // an image, what it shows or what a click on it does, as a screen reader
  // says it (empty: named after the picture it is given).
  const char* text = "";
  FontSpec font = {};
  unsigned flags = kNone;
  int tabOrder = -1;              // windowed controls, and images a click on which does something
  const char* picture = nullptr;  // stored picture resource
  QRgb background = 0xFFFFFF;     // opaque labels
};

template <class T>
inline constexpr bool kNoKindHolds = false;

// The kind of component a member of type T* holds.
template <class T>
constexpr Kind KindHolding() {
  if constexpr (std::is_same_v<T, QPushButton>)
    return Kind::Button;
  else if constexpr (std::is_same_v<T, Label>)
    return Kind::Label;
  else if constexpr (std::is_same_v<T, Image>)
    return Kind::Image;
  else if constexpr (std::is_same_v<T, QLineEdit>)
    return Kind::Edit;
  else if constexpr (std::is_same_v<T, RadioGroup>)
    return Kind::RadioGroup;
  else
    static_assert(kNoKindHolds<T>,
                  "a bound member is a QPushButton, Label, Image, QLineEdit or RadioGroup");
}

// Bind<&Screen::Member>::binding binds a row to a component member.
template <auto Member>
struct Bind;

template <class Screen, class T, T* Screen::*Member>
struct Bind<Member> {
  // BuildLayout calls this only once LayoutProblem has found the form to be
  // a Screen and the row to make a T.
  static void assign(QObject* form, QWidget* created) {
    static_cast<Screen*>(form)->*Member = static_cast<T*>(created);
  }
  static constexpr Binding binding{&Screen::staticMetaObject, KindHolding<T>(), &assign};
};

// The kind and name of a row whose component goes into Screen::Member: the
// name is the member's, so a row naming a member that is not there does not
// compile, and the kind is what the member holds.
//   {UI_MEMBER(TPORONKA, Image4), 16, 16, 41, 41, "", {}, kStretch | kHidden},
#define UI_MEMBER(Screen, Member)            \
  ::ui::Bind<&Screen::Member>::binding.kind, \
      ::ui::Name(#Member, ::ui::Bind<&Screen::Member>::binding)

// Creates the components of `layout` on `form` in order, and sets each
// bound member as its component is created.
void BuildLayout(Form* form, std::span<const Component> layout);

// What keeps a layout from being built: a text naming the screen and the
// first component that two rows name, or that is bound to a member of
// another screen or of another kind; or an empty text.
QString LayoutProblem(const QObject* form, std::span<const Component> layout);
// What keeps `form` from handing out component `name` as a `kind`: a text
// naming the screen and the component (none of that name, or of another
// kind), or an empty text.
QString FindProblem(const QObject* form, const char* name, const QMetaObject& kind);
// A screen that cannot be put together ends the program at once, with the
// problem on the standard error, instead of a null component later.
[[noreturn]] void FailCreation(const QString& problem);

// Looks up a component created by BuildLayout, for tests and for names made
// at run time ("Image%1"); one that is not there, or not a T, ends the
// program naming the screen and the component.
template <class T>
T* Find(const QObject* form, const char* name) {
  T* found = form->findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
  if (!found) FailCreation(FindProblem(form, name, T::staticMetaObject));
  return found;
}

}  // namespace ui

// A child banging on everything: random clicks on every button and picture of
// every screen, keys of every kind to every screen and to the focused
// control, odd texts in the two counts, the radio group, close requests on
// the secondary screens, and the timers ticking in between as in real time.
// After each event the program's state is checked.
//
//   soak [events [seed]]      200000 events by default; the seed from the clock
//
// The seed is printed first: `soak N SEED` replays a run. The last line is
// "P passed, F failed", counting the events after which every check held or
// not. The run ends with the two closing buttons, each of which must end the
// program.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/backdrop.h"
#include "blackboard/counter_window.h"
#include "pictures/wallpaper_chooser.h"
#include "rewards/badge.h"
#include "rewards/fifty_screen.h"
#include "rewards/greeting.h"
#include "rewards/hundred_screen.h"
#include "tests/soak/driver.h"

namespace {

using Clock = std::chrono::steady_clock;

bool IsInt(const QString& text) {
  try {
    ui::TextToInt(text);
    return true;
  } catch (const ui::HandlerError&) {
    return false;
  }
}

bool Shown(const QWidget* w) { return w->isVisible(); }

// What one event may change, taken before it.
struct Before {
  std::int32_t streak, wrongTries, firstTry, asked;
  int errors;
  QString edit2;
};

class Soak {
 public:
  explicit Soak(std::uint32_t seed) : random_(seed) {
    for (ui::Form* form : CreatedScreens()) {
      for (QAbstractButton* b : form->findChildren<QAbstractButton*>()) {
        // The two that end the program come only at the end.
        if (b == PORONKA->Button11 || b == Form5->Button2) continue;
        buttons_.push_back(b);
      }
      for (ui::Image* i : form->findChildren<ui::Image*>()) images_.push_back(i);
    }
    topLevels_ = static_cast<int>(QApplication::topLevelWidgets().size());
  }

  // Runs `events` events, each checked; prints progress every 100000.
  void Run(long long events) {
    const auto start = Clock::now();
    while (events_ < events) {
      if (focused_ > 0) {
        --focused_;
        AnswerRight();
        Advance(Pick(300, 1500));
        continue;
      }
      const int kind = Pick(0, 99);
      if (kind < 30)
        Advance(Pick(1, 250));
      else if (kind < 48)
        Event([this] { ClickButton(); });
      else if (kind < 56)
        Event([this] { ClickImage(); });
      else if (kind < 74)
        Event([this] { Key(); });
      else if (kind < 77)
        Event([this] { SetCount(); });
      else if (kind < 79)
        Event([this] { Radio(); });
      else if (kind < 80)
        Event([this] { CloseSecondary(); });
      else if (kind < 83)
        Event([this] { DismissError(); });
      else if (kind < 95)
        AnswerRight();
      else if (kind < 96 && Pick(0, 199) == 0)
        focused_ = Pick(60, 130);  // a long run of right answers
      else
        Advance(Pick(250, 2000));
      if (events_ % 1000 == 0) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      if (events_ >= nextReport_) {
        const double s = std::chrono::duration<double>(Clock::now() - start).count();
        std::printf(
            "%lld events, %.0f events/s, RSS %ld kB, simulated %.0f s, %d problems, %d errors "
            "shown\n",
            events_, static_cast<double>(events_) / s, soak::RssKb(),
            static_cast<double>(time_.Now()) / 1000.0, PORONKA->ProblemsAsked, ui::ErrorCount());
        std::fflush(stdout);
        nextReport_ += 100000;
      }
    }
    const double s = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("ran %lld events in %.1f s (%.0f events/s), %.0f s simulated; RSS %ld kB\n",
                events_, s, static_cast<double>(events_) / s,
                static_cast<double>(time_.Now()) / 1000.0, soak::RssKb());
    std::printf("timer ticks:");
    for (const auto& source : time_.Sources())
      std::printf(" %s %lld", source.name.c_str(), static_cast<long long>(source.ticks));
    int buttons = 0, images = 0;
    for (QWidget* w : clicked_) (qobject_cast<ui::Image*>(w) ? images : buttons)++;
    std::printf("\nclicked %d of %d buttons and %d of %d pictures (the others never show)", buttons,
                int(buttons_.size()), images, int(images_.size()));
    std::printf("\nright answers %lld, wrong %lld, error boxes %d, fifty %d, hundred %d\n", right_,
                wrong_, ui::ErrorCount(), fifties_, hundreds_);
  }

  long long Passed() const { return events_ - failedEvents_; }
  long long Failed() const { return failedEvents_; }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  template <class T>
  T* PickOf(const std::vector<T*>& from) {
    return from.empty() ? nullptr : from[static_cast<size_t>(Pick(0, int(from.size()) - 1))];
  }

  // ---- events

  // Time goes by: every tick due is one event.
  void Advance(int ms) {
    const std::int64_t until = time_.Now() + ms;
    for (;;) {
      const Before before = Take();
      const soak::SimulatedTime::Source* ticked = nullptr;
      if (!time_.TickBefore(until, &ticked)) break;
      // One automatic new problem per right answer, never a second one
      // over the problem the child has begun to answer.
      if (ticked->timer == PORONKA->Timer2 && PORONKA->ProblemsAsked != before.asked &&
          ++autoProblems_ > 1)
        Fail("a second automatic new problem after one right answer");
      After(before);
    }
    QCoreApplication::processEvents();  // paints, as the loop would between ticks
  }

  template <class F>
  void Event(F&& event) {
    const Before before = Take();
    event();
    time_.NoteIntervals();
    if (Pick(0, 3) == 0) QCoreApplication::processEvents();
    After(before);
  }

  void ClickButton() {
    QAbstractButton* b = PickOf(buttons_);
    if (!Shown(b)) return;  // a child clicks only what shows
    clicked_.insert(b);
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
  }

  void ClickImage() {
    ui::Image* i = PickOf(images_);
    if (!Shown(i)) return;
    clicked_.insert(i);
    QTest::mouseClick(i, Qt::LeftButton, Qt::NoModifier, QPoint(i->width() / 2, i->height() / 2));
  }

  QString RandomText() {
    switch (Pick(0, 9)) {
      case 0:
      case 1:
      case 2:
        return QString(QChar(u'0' + Pick(0, 9)));
      case 3:
        return QStringLiteral(".");
      case 4:
        return QString(QChar(u'a' + Pick(0, 25)));
      case 5:
        return QString(QChar(0xFF10 + Pick(0, 9)));  // full-width digits
      case 6: {
        char32_t c = static_cast<char32_t>(Pick(0x20, 0x10FFFF));
        if (c >= 0xD800 && c <= 0xDFFF) c = 0x3042;
        return QString::fromUcs4(&c, 1);
      }
      case 7:
        return QString(QChar(Pick(0x3040, 0x30FF)));  // kana
      default:
        return QString();  // a key that types nothing
    }
  }

  void Key() {
    static const Qt::Key kNoText[] = {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Escape,
                                      Qt::Key_Left,   Qt::Key_Right,     Qt::Key_Up,
                                      Qt::Key_Down,   Qt::Key_Tab,       Qt::Key_Space,
                                      Qt::Key_Delete, Qt::Key_Enter,     Qt::Key_Home};
    QString text = RandomText();
    Qt::Key key = Qt::Key_unknown;
    if (text.isEmpty()) {
      key = kNoText[Pick(0, int(std::size(kNoText)) - 1)];
      if (key == Qt::Key_Return || key == Qt::Key_Enter) text = QStringLiteral("\r");
      if (key == Qt::Key_Space) text = QStringLiteral(" ");
      if (key == Qt::Key_Escape) text = QString(QChar(0x1B));
      if (key == Qt::Key_Backspace) text = QString(QChar(0x08));
      if (key == Qt::Key_Tab) text = QStringLiteral("\t");
    } else if (text.size() == 1 && text[0].isDigit() && text[0].unicode() < 0x80) {
      key = static_cast<Qt::Key>(Qt::Key_0 + text[0].digitValue());
    } else if (text == QStringLiteral(".")) {
      key = Qt::Key_Period;
    } else if (text.size() == 1 && text[0] >= u'a' && text[0] <= u'z') {
      key = static_cast<Qt::Key>(Qt::Key_A + (text[0].unicode() - u'a'));
    }
    // Space or Return on a focused closing button would press it; those two
    // come only at the end.
    if (QWidget* f = QApplication::focusWidget();
        (f == PORONKA->Button11 || f == Form5->Button2) &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
      key = Qt::Key_Left;
      text.clear();
    }
    QWidget* to = nullptr;
    const int where = Pick(0, 3);
    if (where == 0) {
      // As the platform delivers it: to the active window's focused control.
      if (QWidget* active = QApplication::activeWindow(); active && active->windowHandle()) {
        QTest::sendKeyEvent(QTest::Click, active->windowHandle(), key, text, Qt::NoModifier);
        return;
      }
    }
    if (where <= 1) to = QApplication::focusWidget();
    if (!to) to = CreatedScreens()[static_cast<size_t>(Pick(0, int(CreatedScreens().size()) - 1))];
    if (where == 2 && ui::ErrorBox() && ui::ErrorBox()->isVisible()) to = ui::ErrorBox();
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &down);
    QApplication::sendEvent(to, &up);
  }

  // The program writes the counts; whatever they hold, it must cope.
  void SetCount() {
    static const char* kTexts[] = {"", "99", "2147483647", "-5", " 12 ", "abc", "0", "199"};
    QString text;
    const int n = Pick(0, int(std::size(kTexts)));
    if (n == int(std::size(kTexts)))
      text = QString(Pick(1000, 5000), QChar(u'9'));  // a very long text
    else
      text = QString::fromLatin1(kTexts[n]);
    (Pick(0, 1) ? PORONKA->Edit1 : PORONKA->Edit2)->setText(text);
  }

  void Radio() {
    if (Pick(0, 1))
      PORONKA->RadioGroup1->SetItemIndex(Pick(0, 1));
    else if (QRadioButton* item = PORONKA->RadioGroup1->Item(Pick(0, 1)); Shown(item))
      QTest::mouseClick(item, Qt::LeftButton, Qt::NoModifier, QPoint(6, item->height() / 2));
  }

  void CloseSecondary() {
    const auto& screens = CreatedScreens();
    screens[static_cast<size_t>(Pick(1, int(screens.size()) - 1))]->close();
  }

  void DismissError() {
    QMessageBox* box = ui::ErrorBox();
    if (!box || !box->isVisible()) return;
    if (Pick(0, 1) && box->button(QMessageBox::Ok))
      QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    else
      box->close();
  }

  // A child who knows the sum: erases, then types it on the keypad or the
  // keyboard, and the chalk writes it.
  void AnswerRight() {
    if (PORONKA->CorrectSum < 10) return Advance(100);
    const bool keypad = Pick(0, 1) == 0;
    QPushButton* keys[] = {PORONKA->Button10, PORONKA->Button1, PORONKA->Button2, PORONKA->Button3,
                           PORONKA->Button4,  PORONKA->Button5, PORONKA->Button6, PORONKA->Button7,
                           PORONKA->Button8,  PORONKA->Button9};
    Event([&] {
      if (keypad)
        PORONKA->BitBtn1->click();
      else
        SendKey(PORONKA, '.');
    });
    for (int d : soak::RightDigits())
      Event([&] {
        if (keypad)
          keys[d]->click();
        else
          SendKey(PORONKA, static_cast<char>('0' + d));
      });
    Advance(Pick(200, 400));
  }

  static void SendKey(QWidget* to, char c) {
    const QString text(QLatin1Char{c});
    const int key = c == '.' ? Qt::Key_Period : Qt::Key_0 + (c - '0');
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &down);
    QApplication::sendEvent(to, &up);
  }

  // ---- checks

  Before Take() const {
    const auto* p = PORONKA;
    return {p->CorrectStreak, p->WrongTries,    p->FirstTryCount,
            p->ProblemsAsked, ui::ErrorCount(), p->Edit2->text()};
  }

  void Fail(const std::string& what) {
    ++failures_;
    if (failures_ <= 20)
      std::printf("FAIL after event %lld (simulated %lld ms): %s\n", events_,
                  static_cast<long long>(time_.Now()), what.c_str());
  }

  template <class T>
  void Within(const char* name, T value, T low, T high) {
    if (value < low || value > high)
      Fail(std::string(name) + " = " + std::to_string(value) + ", outside " + std::to_string(low) +
           ".." + std::to_string(high));
  }

  void After(const Before& b) {
    ++events_;
    const long long failuresBefore = failures_;
    const auto* p = PORONKA;

    // Error boxes: at most one, and only for a right answer read from a count
    // that is not a number.
    int boxes = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<QMessageBox*>(w) && w->isVisible()) ++boxes;
    Within("visible error boxes", boxes, 0, 1);
    Within("top-level windows", int(QApplication::topLevelWidgets().size()), topLevels_,
           topLevels_ + 1);
    const bool judgedRight = p->CorrectStreak == b.streak + 1;
    const bool badCount = !IsInt(b.edit2);
    const int errors = ui::ErrorCount() - b.errors;
    if (judgedRight) {
      ++right_;
      autoProblems_ = 0;
      if (badCount) {
        if (errors != 1)
          Fail("a right answer with the count '" + b.edit2.left(20).toStdString() + "' showed " +
               std::to_string(errors) + " error boxes");
        if (p->FirstTryCount != b.firstTry) Fail("a failed right answer changed the count");
      } else {
        if (errors != 0) Fail("a right answer showed an error box");
        const std::int32_t want = b.firstTry + (b.wrongTries == 0 ? 1 : 0);
        if (p->FirstTryCount != want)
          Fail("first-try count " + std::to_string(p->FirstTryCount) + ", expected " +
               std::to_string(want));
        if (p->Edit2->text() != ui::IntToText(p->FirstTryCount))
          Fail("Edit2 does not show the count");
        if (p->Edit1->text() != ui::IntToText(p->ProblemsAsked))
          Fail("Edit1 does not show the problems");
        if (!Shown(p->Label6) && p->isVisible()) Fail("a right answer without あってるよ");
        const std::int64_t solved = std::int64_t{ui::TextToInt(b.edit2)} + 1;
        if (solved % 100 == 0 && solved > 2) {
          ++hundreds_;
          if (!Shown(Form5) ||
              Form5->Label2->text() !=
                  QString::number(solved) + QStringLiteral("だいもできてりっぱだよ"))
            Fail("no hundred-solved screen at " + std::to_string(solved));
        }
      }
      if (p->CorrectStreak % 50 == 0) ++fifties_;
    } else {
      if (errors != 0) Fail("an error box without a right answer");
      if (p->FirstTryCount != b.firstTry && p->FirstTryCount != 0)
        Fail("the first-try count changed without a right answer");
      if (p->CorrectStreak == 0 && b.streak > 0)
        ++wrong_;
      else if (p->CorrectStreak != b.streak)
        Fail("the streak jumped");
    }

    if (!p->isVisible()) Fail("the program ended");

    // The board.
    const QString answer = p->Label5->text();
    bool digits = answer.size() <= 2;
    for (QChar c : answer) digits = digits && c >= u'0' && c <= u'9';
    if (!digits) Fail("the answer label shows '" + answer.left(20).toStdString() + "'");
    int feedback = 0;
    for (const QWidget* l : {p->Label6, p->Label7, p->Label8, p->Label9})
      feedback += !l->isHidden();
    Within("feedback labels shown", feedback, 0, 1);
    if (p->CorrectSum != 0) {
      Within("CorrectSum", p->CorrectSum, 10, 18);
      const int first = p->Label1->text().toInt(), second = p->Label3->text().toInt();
      if (first + second != p->CorrectSum) Fail("the board does not show the problem");
    }

    // The drill's state.
    Within("WritingTick", p->WritingTick, 0, 5);
    if (p->WritingMode != 0 && p->WritingMode != 2 && p->WritingMode != 3)
      Fail("WritingMode " + std::to_string(p->WritingMode));
    if (p->TypedAnswer != 1000) Within("TypedAnswer", p->TypedAnswer, 0, 999);
    Within("AutoNextPending", p->AutoNextPending, 0, 1);
    Within("AutoNextTicks", p->AutoNextTicks, 0, 20);
    Within("PraiseTicks", p->PraiseTicks, 0, 20);
    Within("HistoryCount", p->HistoryCount, 0, 44);
    Within("CorrectStreak", p->CorrectStreak, 0, INT32_MAX);
    Within("WrongTries", p->WrongTries, 0, INT32_MAX);
    Within("ProblemsAsked", p->ProblemsAsked, 0, INT32_MAX);
    Within("FirstTryCount", p->FirstTryCount, 0, INT32_MAX);
    std::set<std::int32_t> recent;
    for (size_t slot = 1; slot <= 44; ++slot) {
      const std::int32_t key = p->RecentProblems[slot];
      if (key == 0) continue;
      if (key / 10 < 1 || key % 10 < 1 || key / 10 + key % 10 < 10)
        Fail("a stored problem " + std::to_string(key));
      if (!recent.insert(key).second) Fail("a problem stored twice: " + std::to_string(key));
    }

    // The other screens' counters.
    Within("badge ticks", Form4->StreakScreenTicks, 0, 8);
    Within("making-ten mode", Form6->AnimationMode, 0, 2);
    Within("TargetStackHeight", Form6->TargetStackHeight, 0, 10);
    Within("GivingStackCount", Form6->GivingStackCount, 0, 9);
    Within("StepPhase", Form6->StepPhase, 0, 1);
    Within("WallpaperTicks", Form9->WallpaperTicks, 0, 1620);
    Within("WallpaperChoice", Form9->WallpaperChoice, 0, 10);
    Within("WallpaperPicked", Form9->WallpaperPicked, 0, 10);
    Within("StartupTick", Form10->StartupTick, 0, 10000);
    if (startedUp_) Within("StartupTick after start", Form10->StartupTick, 10, 10000);
    startedUp_ = startedUp_ || Form10->StartupTick >= 10;

    if (failures_ != failuresBefore) ++failedEvents_;
  }

  std::mt19937 random_;
  soak::SimulatedTime time_;
  std::vector<QAbstractButton*> buttons_;
  std::vector<ui::Image*> images_;
  std::set<QWidget*> clicked_;
  int topLevels_ = 0;
  long long events_ = 0, failures_ = 0, failedEvents_ = 0, nextReport_ = 100000;
  long long right_ = 0, wrong_ = 0;
  int fifties_ = 0, hundreds_ = 0, focused_ = 0, autoProblems_ = 0;
  bool startedUp_ = false;
};

// Clicks a closing button inside the event loop: the loop must end, with
// code 0 and every screen hidden.
bool EndsTheProgram(QAbstractButton* (*button)(), const char* name) {
  QTimer::singleShot(0, [button] { QTest::mouseClick(button(), Qt::LeftButton); });
  QTimer::singleShot(10000, [] { QCoreApplication::exit(3); });
  const int code = QApplication::exec();
  bool hidden = true;
  for (ui::Form* form : CreatedScreens()) hidden = hidden && !form->isVisible();
  std::printf("%s: the program ended with %d, %s\n", name, code,
              hidden ? "every screen hidden" : "some screen still showing");
  return code == 0 && hidden;
}

void StartUp() {
  CreateScreens();
  PORONKA->show();  // as the event loop would at its start
}

}  // namespace

int main(int argc, char* argv[]) {
  const long long events = argc > 1 ? std::atoll(argv[1]) : 200000;
  const std::uint32_t seed = argc > 2
                                 ? static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10))
                                 : static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
  if (events <= 0) {
    std::fprintf(stderr, "usage: %s [events [seed]]\n", argv[0]);
    return 2;
  }
  std::printf("soak: %lld events, seed %u (replay: %s %lld %u)\n", events, seed, argv[0], events,
              seed);
  std::fflush(stdout);
  // Offscreen windows cannot be raised; the platform says so at every showing.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")) ||
        message.startsWith(QLatin1String("QStandardPaths:")))
      return;
    if (type != QtDebugMsg) std::fprintf(stderr, "qt: %s\n", qPrintable(message));
  });
  ui::SetTimersRunning(false);  // the soak ticks them
  QApplication app(argc, argv);
  QGuiApplication::setQuitOnLastWindowClosed(false);
  SetUpApplication();
  StartUp();

  long long passed = 0, failed = 0;
  {
    Soak soak(seed);
    soak.Run(events);
    passed = soak.Passed();
    failed = soak.Failed();
  }
  // The two closing buttons, each on a fresh set of screens.
  ui::SetVisible(Form5, true);
  if (EndsTheProgram([]() -> QAbstractButton* { return Form5->Button2; }, "もうおしまい"))
    ++passed;
  else
    ++failed;
  DestroyScreens();
  StartUp();
  if (EndsTheProgram([]() -> QAbstractButton* { return PORONKA->Button11; }, "おしまい"))
    ++passed;
  else
    ++failed;
  std::printf("%lld passed, %lld failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}

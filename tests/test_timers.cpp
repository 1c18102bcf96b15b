// Timers that sleep while a tick would change nothing: they wake when their
// state changes, with the next tick where the never-sleeping timer's would
// have fallen, and each screen's rule matches what its handler does.
#include <QElapsedTimer>
#include <QEventLoop>
#include <chrono>
#include <vector>

#include "app/backdrop.h"
#include "drill/drill_screen.h"
#include "rewards/badge.h"
#include "rewards/greeting.h"
#include "tests/fixture.h"

namespace {

using Clock = ui::Timer::Clock;
using std::chrono::milliseconds;

// Runs the event loop (which waits between events, as the program's does)
// for about `ms`.
void RunLoop(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// Whole intervals between two due times.
bool OnGrid(Clock::time_point a, Clock::time_point b, milliseconds interval) {
  return (b - a) % interval == Clock::duration::zero();
}

}  // namespace

class TimersTest : public fixture::Suite {
  Q_OBJECT

 public:
  TimersTest() : Suite(Screens::None) {}

 private Q_SLOTS:
  void sleepingTimerWakesInPhaseWhenItsStateChanges() {
    ui::SetTimersRunning(true);
    ui::Timer timer(nullptr, "Timer1", 50);
    const milliseconds interval(50);
    const Clock::time_point first = timer.NextTick();
    bool busy = false;
    std::vector<Clock::time_point> ticks;
    connect(&timer, &QTimer::timeout, [&] { ticks.push_back(Clock::now()); });
    timer.SleepWhile([&] { return !busy; });

    RunLoop(180);
    QVERIFY(timer.Sleeping());
    QVERIFY(!timer.isActive());
    QVERIFY(ticks.empty());  // no wake-ups while nothing would change

    busy = true;  // the change any handler could make
    const Clock::time_point changed = Clock::now();
    RunLoop(1);
    QVERIFY(!timer.Sleeping());
    const Clock::time_point due = timer.NextTick();
    QVERIFY(OnGrid(first, due, interval));  // where the free-running tick falls
    QVERIFY(due > changed - milliseconds(5) && due <= changed + interval);

    RunLoop(140);
    QVERIFY(ticks.size() >= 2);
    QVERIFY(ticks.front() >= due);  // never early
    QVERIFY(timer.NextTick() > due);
    QVERIFY(timer.isActive());  // ticking at its interval again

    busy = false;
    RunLoop(1);
    QVERIFY(timer.Sleeping());
    const auto count = ticks.size();
    RunLoop(120);
    QCOMPARE(ticks.size(), count);
  }

  void intervalChangedWhileAsleepStartsANewPeriod() {
    ui::SetTimersRunning(true);
    ui::Timer timer(nullptr, "Timer1", 130);
    bool busy = false;
    timer.SleepWhile([&] { return !busy; });
    RunLoop(1);
    QVERIFY(timer.Sleeping());

    timer.SetInterval(130);  // the same value: nothing changes
    const Clock::time_point kept = timer.NextTick();
    QCOMPARE(timer.NextTick(), kept);
    const Clock::time_point before = Clock::now();
    timer.SetInterval(800);
    QVERIFY(timer.NextTick() >= before + milliseconds(800));
    QVERIFY(timer.Sleeping());  // a new period, still asleep

    busy = true;
    ui::Timer::CheckSleepers();
    QVERIFY(!timer.Sleeping());
    QVERIFY(timer.NextTick() >= before + milliseconds(800));  // the first step 800 ms on
    QVERIFY(timer.NextTick() <= Clock::now() + milliseconds(800));
  }

  void stoppedTimersStayStopped() {
    ui::SetTimersRunning(false);
    ui::Timer timer(nullptr, "Timer1", 40);
    bool busy = false;
    timer.SleepWhile([&] { return !busy; });
    ui::Timer::CheckSleepers();
    busy = true;
    ui::Timer::CheckSleepers();
    QVERIFY(!timer.isActive());
    QVERIFY(!timer.Sleeping());
    RunLoop(60);
    QVERIFY(!timer.isActive());
  }

  // With the screens' timers running, but no loop turning: each rule is
  // asked by hand, after the change that should wake its timer.
  void eachScreenSleepsOnlyWhileItsTickWouldChangeNothing() {
    fixture::QuietOffscreenNotes();
    ui::SetTimersRunning(true);
    CreateScreens();
    auto* p = PORONKA;
    ui::Timer::CheckSleepers();
    QVERIFY(p->Timer1->Sleeping());  // does nothing at all
    QVERIFY(p->Timer2->Sleeping());
    QVERIFY(p->Timer3->Sleeping());
    QVERIFY(p->Timer4->Sleeping());
    QVERIFY(Form4->Timer1->Sleeping());
    QVERIFY(Form6->Timer1->Sleeping());
    QVERIFY(!Form6->Timer2->Sleeping() && Form6->Timer2->isActive());  // the greeting's clock
    QVERIFY(!Form10->Timer1->Sleeping());                              // start-up to come

    // The sequencer: its seven steps, then sleep.
    p->show();
    for (int tick = 1; tick <= 6; ++tick) fixture::Dispatch([] { Form10->Timer1Timer(); });
    ui::Timer::CheckSleepers();
    QVERIFY(!Form10->Timer1->Sleeping());
    fixture::Dispatch([] { Form10->Timer1Timer(); });
    ui::Timer::CheckSleepers();
    QVERIFY(Form10->Timer1->Sleeping());
    fixture::PutUpEightPlusFive();

    // The chalk: awake from the digit to the judgement.
    p->DigitAction(1);
    ui::Timer::CheckSleepers();
    QVERIFY(!p->Timer3->Sleeping());
    fixture::Answer(3);
    ui::Timer::CheckSleepers();
    QVERIFY(p->Timer3->Sleeping());

    // A right answer in the automatic mode: the wait for the next problem.
    QCOMPARE(p->AutoNextPending, 1);
    QVERIFY(!p->Timer2->Sleeping());
    QVERIFY(p->Timer4->Sleeping());  // the automatic mode
    fixture::Ticks(p, &TPORONKA::Timer2Timer, 20);
    ui::Timer::CheckSleepers();
    QVERIFY(p->Timer2->Sleeping());

    // The button mode with the praise picture up.
    p->RadioGroup1->SetItemIndex(1);
    p->Image1->setVisible(true);
    ui::Timer::CheckSleepers();
    QVERIFY(!p->Timer4->Sleeping());
    p->Image1->setVisible(false);
    ui::Timer::CheckSleepers();
    QVERIFY(p->Timer4->Sleeping());

    // The badge: awake while it shows, and its ticks still count to 8.
    ui::SetVisible(Form4, true);
    ui::Timer::CheckSleepers();
    QVERIFY(!Form4->Timer1->Sleeping());
    fixture::Ticks(Form4, &TForm4::Timer1Timer, 8);
    QVERIFY(!Form4->isVisible());
    QCOMPARE(Form4->StreakScreenTicks, 0);
    ui::Timer::CheckSleepers();
    QVERIFY(Form4->Timer1->Sleeping());

    // Making ten: awake through the animation and the one tick after it that
    // takes the copies of the last step.
    fixture::Dispatch([] { PORONKA->Button17Click(); });
    ui::Timer::CheckSleepers();
    QVERIFY(!Form6->Timer1->Sleeping());
    fixture::RunMakingTenToEnd();
    QCOMPARE(Form6->AnimationMode, 0);
    ui::Timer::CheckSleepers();
    QCOMPARE(Form6->Timer1->Sleeping(),
             Form6->PrevStepCount == Form6->StepCount && Form6->PrevStepPhase == Form6->StepPhase);
    fixture::Dispatch([] { Form6->Timer1Timer(); });
    ui::Timer::CheckSleepers();
    QVERIFY(Form6->Timer1->Sleeping());
  }

  // What a rule lets sleep, the handler ticked by hand leaves as it was.
  void idleTicksChangeNothing() {
    fixture::CreateQuietScreens();
    auto* p = PORONKA;
    p->show();
    const auto drillState = [p] {
      return std::vector<std::int32_t>{p->WritingTick, p->AutoNextTicks, p->PraiseTicks,
                                       p->ProblemsAsked,
                                       static_cast<std::int32_t>(p->Image1->isHidden())};
    };
    const auto before = drillState();
    for (int i = 0; i < 50; ++i) {
      fixture::Dispatch([] { PORONKA->Timer1Timer(); });
      fixture::Dispatch([] { PORONKA->Timer2Timer(); });
      fixture::Dispatch([] { PORONKA->Timer3Timer(); });
      fixture::Dispatch([] { PORONKA->Timer4Timer(); });
      fixture::Dispatch([] { Form4->Timer1Timer(); });
    }
    QCOMPARE(drillState(), before);
    QCOMPARE(Form4->StreakScreenTicks, 0);
    QVERIFY(!Form4->isVisible());

    // Making ten after an animation: one tick takes the copies, later ones
    // change nothing.
    Form6->StepCount = 3;
    Form6->StepPhase = 1;
    fixture::Dispatch([] { Form6->Timer1Timer(); });
    QCOMPARE(Form6->PrevStepCount, 3);
    QCOMPARE(Form6->PrevStepPhase, 1);
    const int interval = Form6->Timer1->Interval();
    fixture::Ticks(Form6, &TForm6::Timer1Timer, 20);
    QCOMPARE(Form6->PrevStepCount, 3);
    QCOMPARE(Form6->Timer1->Interval(), interval);
  }
};

PORONKA_TEST_MAIN(TimersTest)
#include "test_timers.moc"

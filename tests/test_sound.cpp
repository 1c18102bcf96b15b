// The bell of a wrong answer: whatever the sound server does, a beep is
// counted and returns at once, and the judgement goes on.
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTemporaryDir>

#include "drill/drill_screen.h"
#include "tests/fixture.h"

class SoundTest : public fixture::Suite {
  Q_OBJECT

 public:
  SoundTest() : Suite(Screens::None) {}

 private:
  QTemporaryDir dir_;
  int server_ = -1;
  // Left open: the bell still waits on the server when the application
  // ends, and the exit must not wait for it.
  int client_ = -1;

 private Q_SLOTS:
  // A sound server that takes the connection and never answers: opening
  // the sound library waits on it for good.
  void initTestCase() {
    QVERIFY(dir_.isValid());
    const QByteArray path = dir_.filePath(QStringLiteral("pulse.sock")).toLocal8Bit();
    server_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(server_ >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    QVERIFY(static_cast<std::size_t>(path.size()) < sizeof address.sun_path);
    std::copy(path.begin(), path.end(), address.sun_path);
    QCOMPARE(::bind(server_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    QCOMPARE(::listen(server_, 8), 0);
    qputenv("PULSE_SERVER", "unix:" + path);
    qputenv("CANBERRA_DRIVER", "pulse");
  }
  void cleanupTestCase() {
    if (server_ >= 0) ::close(server_);
  }

  void beepsReturnAtOnceWhileTheServerHangs() {
    const int before = ui::BeepCount();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 20; ++i) ui::Beep();
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(ui::BeepCount(), before + 20);
    QVERIFY2(elapsed < 50, qPrintable(QStringLiteral("20 beeps took %1 ms").arg(elapsed)));

    // The bell really went to the hanging server (and waits on it now).
    pollfd waiting{server_, POLLIN, 0};
    QCOMPARE(::poll(&waiting, 1, 10000), 1);
    client_ = ::accept(server_, nullptr, nullptr);
    QVERIFY(client_ >= 0);

    // Meanwhile a wrong answer is judged as ever, beep and all.
    fixture::CreateQuietScreens();
    PORONKA->Button13Click();
    const int sum = PORONKA->CorrectSum;
    const int wrong = sum == 18 ? 10 : sum + 1;
    clock.restart();
    fixture::Answer(wrong);
    QVERIFY(clock.elapsed() < 200);
    QCOMPARE(ui::BeepCount(), before + 21);
    QCOMPARE(PORONKA->WrongTries, 1);
    DestroyScreens();
  }
};

QTEST_MAIN(SoundTest)
#include "test_sound.moc"

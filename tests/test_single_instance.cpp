// One program per desktop, with the faults real machines have: a launch gives
// way only to a running program of its own user on its own desktop that
// answers; whatever else goes wrong it starts, says once why, and never waits
// long. The launches are real processes (this program started again as a
// "claimant"), in real folders with real modes, mounts and users, stopped
// with real signals.
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "app/desktop/single_instance.h"
#include "tests/fixture.h"

namespace {

// The user the claimants run as when the test runs as root: the runtime
// folder's faults are no faults to root.
constexpr uid_t kUser = 65534;
// Another user, for squatted folders.
constexpr uid_t kSquatter = 65533;
// A launch against a program that cannot answer must decide within this
// (from its start, the process's own start-up included).
constexpr int kDecideWithinMs = 2000;
constexpr char kOff[] = "single-launch protection is off";

bool asRoot() { return ::geteuid() == 0; }

// ------------------------------------------------------------ the claimant

bool writeFile(const char* path, const QByteArray& text) {
  const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool written =
      ::write(fd, text.constData(), static_cast<size_t>(text.size())) == text.size();
  ::close(fd);
  return written;
}

// A mount namespace of the claimant's own: as root, or as root of a user
// namespace of its own (the same user outside).
bool privateMounts() {
  if (asRoot()) {
    if (::unshare(CLONE_NEWNS) != 0) return false;
  } else {
    const QByteArray user = QByteArray::number(::geteuid());
    const QByteArray group = QByteArray::number(::getegid());
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
    if (!writeFile("/proc/self/setgroups", "deny") ||
        !writeFile("/proc/self/uid_map", "0 " + user + " 1") ||
        !writeFile("/proc/self/gid_map", "0 " + group + " 1"))
      return false;
  }
  return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

bool readOnly(const char* folder) {
  return ::mount(folder, folder, nullptr, MS_BIND, nullptr) == 0 &&
         ::mount(nullptr, folder, nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

// A small file system over `folder`, owned by `owner`, filled to the last byte.
bool full(const char* folder, uint owner) {
  const QByteArray options =
      "size=64k,mode=0700,uid=" + QByteArray::number(owner) + ",gid=" + QByteArray::number(owner);
  if (::mount("tmpfs", folder, "tmpfs", 0, options.constData()) != 0) return false;
  const QByteArray filler = QByteArray(folder) + "/filler";
  const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const QByteArray block(4096, '\0');
  while (::write(fd, block.constData(), static_cast<size_t>(block.size())) > 0) {
  }
  const bool isFull = errno == ENOSPC;
  ::close(fd);
  return isFull;
}

// The claimant: claims `key` as the program does and says how it went on
// stdout ("going on" or "gave way", then "front" whenever asked to come
// forward); going on, it runs until its stdin closes. Options make the
// faults first: --as UID, --read-only FOLDER, --full FOLDER, --no-descriptors.
int claimant(int argc, char** argv) {
  const QString key = QString::fromLocal8Bit(argv[2]);
  QByteArray as, readOnlyFolder, fullFolder;
  bool noDescriptors = false;
  for (int i = 3; i < argc; ++i) {
    const QByteArray option = argv[i];
    const QByteArray value = i + 1 < argc ? argv[i + 1] : "";
    if (option == "--as") as = value;
    if (option == "--read-only") readOnlyFolder = value;
    if (option == "--full") fullFolder = value;
    if (option == "--no-descriptors") noDescriptors = true;
  }
  if (!readOnlyFolder.isEmpty() || !fullFolder.isEmpty()) {
    // Root of a user namespace of its own, when not root already.
    const bool made = privateMounts() &&
                      (readOnlyFolder.isEmpty() || readOnly(readOnlyFolder.constData())) &&
                      (fullFolder.isEmpty() ||
                       full(fullFolder.constData(), as.isEmpty() ? ::geteuid() : as.toUInt()));
    if (!made) {
      std::printf("no namespace: %s\n", strerror(errno));
      return 77;
    }
  }
  if (!as.isEmpty()) {
    const auto user = static_cast<uid_t>(as.toUInt());
    if (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0) {
      std::printf("cannot become %u: %s\n", user, strerror(errno));
      return 2;
    }
  }

  QCoreApplication app(argc, argv);
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  SingleInstance instance(key);
  // (Made first: the sanitizers' first look at a new object needs a pipe.)
  std::vector<int> wasted;
  for (int fd; noDescriptors && (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
    wasted.push_back(fd);
  const bool goOn = instance.Claim([] { std::puts("front"); });
  for (int fd : wasted) ::close(fd);
  std::puts(goOn ? "going on" : "gave way");
  if (!goOn) return 0;
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
    char c;
    if (::read(STDIN_FILENO, &c, 1) <= 0) app.quit();
  });
  return app.exec();
}

// Prints the desktop key of the display DISPLAY names.
int printDesktopKey(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  std::printf("%s\n", qPrintable(SingleInstance::DesktopKey()));
  return 0;
}

// -------------------------------------------------------------- launching

// One claimant, and what it said.
class Launch {
 public:
  Launch(const QStringList& arguments, const QProcessEnvironment& environment) {
    process_.setProcessEnvironment(environment);
    clock_.start();
    process_.start(QCoreApplication::applicationFilePath(), arguments);
  }
  ~Launch() {
    if (process_.state() == QProcess::NotRunning) return;
    Signal(SIGCONT);
    process_.kill();
    process_.waitForFinished(5000);
  }

  // How it went: "going on", "gave way", or why it could not try; empty
  // when it said nothing within five seconds.
  QByteArray Outcome() {
    QByteArray outcome;
    Await([&] {
      for (const QByteArray& line : lines_)
        if (line != "front") outcome = line;
      return !outcome.isEmpty();
    });
    return outcome;
  }
  // Whether it was asked to come to the front within five seconds.
  bool CameForward() {
    return Await([&] { return lines_.contains("front"); });
  }
  int TimesForward() {
    Read();
    return static_cast<int>(lines_.count("front"));
  }
  qint64 Elapsed() const { return clock_.elapsed(); }
  QByteArray Stderr() { return err_ += process_.readAllStandardError(); }
  // How often it said why protection is off.
  int Warnings() { return static_cast<int>(Stderr().count(kOff)); }
  void Signal(int number) { ::kill(static_cast<pid_t>(process_.processId()), number); }

 private:
  template <class Done>
  bool Await(Done done) {
    const QDeadlineTimer deadline(5000);
    for (;;) {
      const bool ended = process_.state() == QProcess::NotRunning;
      Read();
      if (done()) return true;
      if (ended || deadline.hasExpired()) return false;
      process_.waitForReadyRead(50);
    }
  }
  void Read() {
    out_ += process_.readAllStandardOutput();
    lines_ = out_.split('\n');
    lines_.removeAll(QByteArray());
  }

  QProcess process_;
  QElapsedTimer clock_;
  QByteArray out_, err_;
  QList<QByteArray> lines_;
};

// A socket bound to or connected to `name` in the abstract namespace; -1
// when it cannot be.
int socketAt(const QByteArray& name, bool bind, int type = SOCK_SEQPACKET) {
  const int fd = ::socket(AF_UNIX, type | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  memcpy(address.sun_path + 1, name.constData(), static_cast<size_t>(name.size()));
  const auto at = reinterpret_cast<const sockaddr*>(&address);
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
  if (bind ? ::bind(fd, at, length) == 0 && ::listen(fd, 8) == 0 : ::connect(fd, at, length) == 0)
    return fd;
  ::close(fd);
  return -1;
}
int connectTo(const QByteArray& name, int type = SOCK_SEQPACKET) {
  return socketAt(name, false, type);
}

}  // namespace

class SingleInstanceTest : public fixture::Suite {
  Q_OBJECT

 public:
  SingleInstanceTest() : Suite(Screens::None) {}

 private:
  QTemporaryDir dir_;
  QString key_;  // this test's desktop
  int tests_ = 0;
  std::vector<std::unique_ptr<Launch>> launches_;
  // Whose programs the claimants are.
  uid_t user_ = asRoot() ? kUser : ::geteuid();

  // Without a runtime folder, Qt falls back on one in the temporary folder.
  QProcessEnvironment environment(const QString& runtimeFolder,
                                  const QString& temporary = QStringLiteral("tmp")) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (runtimeFolder.isNull())
      environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    else
      environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
    environment.insert(QStringLiteral("TMPDIR"), dir_.filePath(temporary));
    return environment;
  }
  Launch* launch(const QStringList& options = {}, const QString& runtimeFolder = QString(),
                 const QString& temporary = QStringLiteral("tmp")) {
    QStringList arguments{QStringLiteral("--claimant"), key_};
    if (user_ != ::geteuid()) arguments << QStringLiteral("--as") << QString::number(user_);
    launches_.push_back(
        std::make_unique<Launch>(arguments + options, environment(runtimeFolder, temporary)));
    return launches_.back().get();
  }
  // The name the claimants' program listens on.
  QByteArray name() const { return "poronka/" + QByteArray::number(user_) + '/' + key_.toUtf8(); }
  // A folder for a runtime folder, the claimants' own unless said otherwise.
  QString folder(const QString& name, int mode, uid_t owner) {
    const QString path = dir_.filePath(name);
    QDir().mkpath(path);
    if (::chown(QFile::encodeName(path).constData(), owner, owner) != 0 && asRoot()) return {};
    ::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode));
    return path;
  }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    // The claimants run as another user when the test runs as root.
    QVERIFY(::chmod(QFile::encodeName(dir_.path()).constData(), 0755) == 0);
    for (const QString& temporary : {QStringLiteral("tmp"), QStringLiteral("squatted-tmp")}) {
      QVERIFY(QDir().mkpath(dir_.filePath(temporary)));
      QVERIFY(::chmod(QFile::encodeName(dir_.filePath(temporary)).constData(), 01777) == 0);
    }
  }
  void init() {
    Suite::init();
    key_ = QStringLiteral("test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++tests_);
    user_ = asRoot() ? kUser : ::geteuid();
  }
  void cleanup() {
    launches_.clear();
    Suite::cleanup();
  }

  // Whatever the runtime folder is like, the first launch goes on without a
  // word and a second gives way to it: the folder is not needed.
  void theRuntimeFolderIsNotNeeded_data() {
    QTest::addColumn<QString>("runtimeFolder");
    QTest::addColumn<QString>("temporary");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("root");  // the fault needs root to be made
    const QStringList none;
    const QString tmp = QStringLiteral("tmp");
    QTest::newRow("fine") << folder(QStringLiteral("fine"), 0700, user_) << tmp << none << false;
    QTest::newRow("unset") << QString() << tmp << none << false;
    QTest::newRow("missing") << dir_.filePath(QStringLiteral("missing")) << tmp << none << false;
    QTest::newRow("0500") << folder(QStringLiteral("0500"), 0500, user_) << tmp << none << false;
    QTest::newRow("0777") << folder(QStringLiteral("0777"), 0777, user_) << tmp << none << false;
    QTest::newRow("another user's")
        << folder(QStringLiteral("others"), 0700, kSquatter) << tmp << none << true;
    // Unset, where another user made Qt's fallback folder first.
    const passwd* account = ::getpwuid(kUser);
    const QString squatted = QStringLiteral("squatted-tmp");
    if (account)
      folder(squatted + QStringLiteral("/runtime-") + QString::fromLocal8Bit(account->pw_name),
             0700, kSquatter);
    QTest::newRow("squatted") << QString() << squatted << none << true;
    const QString readOnly = folder(QStringLiteral("read-only"), 0700, user_);
    QTest::newRow("read-only") << readOnly << tmp
                               << QStringList{QStringLiteral("--read-only"), readOnly} << false;
    const QString full = folder(QStringLiteral("full"), 0700, user_);
    QTest::newRow("full") << full << tmp << QStringList{QStringLiteral("--full"), full} << false;
  }
  void theRuntimeFolderIsNotNeeded() {
    QFETCH(QString, runtimeFolder);
    QFETCH(QString, temporary);
    QFETCH(QStringList, options);
    QFETCH(bool, root);
    if (root && !asRoot()) QSKIP("needs root, to act as another user");
    Launch* first = launch(options, runtimeFolder, temporary);
    const QByteArray outcome = first->Outcome();
    if (outcome.startsWith("no namespace")) QSKIP(outcome.constData());
    QCOMPARE(outcome, QByteArray("going on"));
    QCOMPARE(first->Warnings(), 0);
    Launch* second = launch(options, runtimeFolder, temporary);
    QCOMPARE(second->Outcome(), QByteArray("gave way"));
    QCOMPARE(second->Warnings(), 0);
    QVERIFY(first->CameForward());
  }

  // The first program's files can go (a cleaner of /tmp, a careless parent):
  // a later launch still finds it.
  void aLaunchFindsItsProgramWhenTheFolderIsGone() {
    const QString runtimeFolder = folder(QStringLiteral("cleaned"), 0700, user_);
    Launch* first = launch({}, runtimeFolder);
    QCOMPARE(first->Outcome(), QByteArray("going on"));
    QVERIFY(QDir(runtimeFolder).removeRecursively());
    QCOMPARE(launch({}, runtimeFolder)->Outcome(), QByteArray("gave way"));
    QVERIFY(first->CameForward());
  }

  // A stopped program answers nothing: a launch starts within two seconds
  // and says why once, also when the program's queue is full.
  void aStoppedProgramIsNoReasonToWait() {
    Launch* first = launch();
    QCOMPARE(first->Outcome(), QByteArray("going on"));
    const int probe = connectTo(name());
    QVERIFY2(probe >= 0, "the program listens under another name");
    ::close(probe);
    first->Signal(SIGSTOP);
    Launch* second = launch();
    QCOMPARE(second->Outcome(), QByteArray("going on"));
    QVERIFY2(second->Elapsed() < kDecideWithinMs, QByteArray::number(second->Elapsed()));
    QCOMPARE(second->Warnings(), 1);
    QVERIFY(second->Stderr().contains("did not answer"));

    std::vector<int> queued;
    for (int fd; queued.size() < 1000 && (fd = connectTo(name())) >= 0;) queued.push_back(fd);
    QVERIFY2(queued.size() < 1000, "the queue never filled");
    Launch* third = launch();
    const QByteArray outcome = third->Outcome();
    for (int fd : queued) ::close(fd);
    QCOMPARE(outcome, QByteArray("going on"));
    QVERIFY2(third->Elapsed() < kDecideWithinMs, QByteArray::number(third->Elapsed()));
    QCOMPARE(third->Warnings(), 1);
  }

  // Another user's socket under the program's name is no answer, even one
  // that says the right words: the launch goes on at once. Another user can
  // neither be answered nor bring the program forward, and another user's
  // launch is a program of its own.
  void anotherUserNeitherAnswersNorAsks() {
    if (!asRoot()) QSKIP("needs root, to act as other users");
    const int squatter = socketAt(name(), true);
    QVERIFY(squatter >= 0);
    Launch* squatted = launch();
    pollfd waiting{squatter, POLLIN, 0};
    if (::poll(&waiting, 1, 3000) == 1) {
      const int in = ::accept(squatter, nullptr, nullptr);
      ::send(in, "poronka\n", 8, MSG_NOSIGNAL);
      ::close(in);
    }
    QCOMPARE(squatted->Outcome(), QByteArray("going on"));
    QCOMPARE(squatted->Warnings(), 1);
    QVERIFY(squatted->Stderr().contains("another user"));
    ::close(squatter);

    Launch* first = launch();
    QCOMPARE(first->Outcome(), QByteArray("going on"));
    const int asking = connectTo(name());
    QVERIFY(asking >= 0);
    pollfd answer{asking, POLLIN, 0};
    QCOMPARE(::poll(&answer, 1, 3000), 1);
    char reply[16];
    QCOMPARE(::recv(asking, reply, sizeof reply, 0), ssize_t(0));  // closed without a word
    ::close(asking);
    user_ = kSquatter;
    Launch* other = launch();
    user_ = kUser;
    QCOMPARE(other->Outcome(), QByteArray("going on"));
    QCOMPARE(other->Warnings(), 0);
    QTest::qWait(300);
    QCOMPARE(first->TimesForward(), 0);
    // Its own user still reaches it.
    QCOMPARE(launch()->Outcome(), QByteArray("gave way"));
    QVERIFY(first->CameForward());
  }

  // Where the socket cannot even be made, the program starts, and says why.
  void aSocketThatCannotBeMadeIsNoReasonToStop() {
    Launch* first = launch({QStringLiteral("--no-descriptors")});
    QCOMPARE(first->Outcome(), QByteArray("going on"));
    QCOMPARE(first->Warnings(), 1);
    QVERIFY(first->Stderr().contains("cannot make a socket"));
  }

  // Junk, silent connections and floods of them leave the program answering,
  // and bring it forward a few times, not thousands.
  void junkAndFloodsDoNoHarm() {
    user_ = ::geteuid();  // the test's own program: only its user is heard
    Launch* first = launch();
    QCOMPARE(first->Outcome(), QByteArray("going on"));
    // Datagrams cannot even reach it.
    const int datagrams = connectTo(name(), SOCK_DGRAM);
    QCOMPARE(datagrams, -1);
    // 200 KB of junk on a connection it never reads.
    const int junk = connectTo(name());
    QVERIFY(junk >= 0);
    const QByteArray block(50 * 1024, 'x');
    for (int i = 0; i < 4; ++i) ::send(junk, block.constData(), block.size(), MSG_NOSIGNAL);
    // Thousands of connections made and dropped at once.
    for (int i = 0; i < 3000; ++i) {
      const int fd = connectTo(name());
      if (fd >= 0) ::close(fd);
    }
    ::close(junk);
    QCOMPARE(launch()->Outcome(), QByteArray("gave way"));
    QTest::qWait(500);
    QVERIFY(first->CameForward());
    QVERIFY2(first->TimesForward() <= 10, QByteArray::number(first->TimesForward()));
  }

  // A program killed outright leaves nothing in the way of the next launch.
  void aKilledProgramIsTakenOverAtOnce() {
    Launch* first = launch();
    QCOMPARE(first->Outcome(), QByteArray("going on"));
    first->Signal(SIGKILL);
    const auto listening = [this] {
      const int fd = connectTo(name());
      if (fd >= 0) ::close(fd);
      return fd >= 0;
    };
    QTRY_VERIFY(!listening());
    Launch* next = launch();
    QCOMPARE(next->Outcome(), QByteArray("going on"));
    QCOMPARE(next->Warnings(), 0);
  }

  void sixLaunchesAtOnceGiveOneProgram() {
    for (int i = 0; i < 6; ++i) launch();
    QList<QByteArray> outcomes;
    for (auto& each : launches_) {
      outcomes << each->Outcome();
      QCOMPARE(each->Warnings(), 0);
    }
    QCOMPARE(outcomes.count("going on"), 1);
    QCOMPARE(outcomes.count("gave way"), 5);
  }

  // ":N", ":N.0", "unix:N", "localhost:N" and the socket's path all reach one
  // X server: one desktop. Another server is another desktop.
  void spellingsOfOneDisplayAreOneDesktop() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) QSKIP("no Xvfb");
    auto server = [&](QProcess& process) {
      process.start(xvfb,
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-listen"),
                     QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                     QStringLiteral("64x64x24")});
      QByteArray number;
      const QDeadlineTimer deadline(10000);
      while (!number.endsWith('\n') && !deadline.hasExpired()) {
        process.waitForReadyRead(100);
        number += process.readAllStandardOutput();
      }
      return number.trimmed();
    };
    auto keyOf = [](const QString& display) {
      QProcess child;
      QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
      environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
      environment.insert(QStringLiteral("DISPLAY"), display);
      child.setProcessEnvironment(environment);
      child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--desktop-key")});
      child.waitForFinished(10000);
      const bool ok = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
      return ok ? child.readAllStandardOutput().trimmed() : QByteArray();
    };
    QProcess one, other;
    const QByteArray n = server(one);
    const QByteArray m = server(other);
    QVERIFY(!n.isEmpty() && !m.isEmpty());
    const QString display = QString::fromLatin1(n);
    const QByteArray key = keyOf(QStringLiteral(":") + display);
    QVERIFY(!key.isEmpty());
    // Every spelling that the X library here opens (a path needs libxcb
    // 1.16; Debian 13's refuses unix:N; this machine's name must resolve):
    // the socket's path, and a link to it, too.
    const QString socket = QStringLiteral("/tmp/.X11-unix/X") + display;
    const QString link = dir_.filePath(QStringLiteral("x-link"));
    QFile::remove(link);
    QVERIFY(QFile::link(socket, link));
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    int opened = 0;
    for (const QString& spelling :
         {QStringLiteral(":%1.0"), QStringLiteral("unix:%1"), QStringLiteral("unix:%1.0"),
          QStringLiteral("localhost:%1"), QStringLiteral("127.0.0.1:%1"), socket, link,
          QString::fromLocal8Bit(host) + QStringLiteral(":%1")}) {
      const QString spelt =
          spelling.contains(QLatin1String("%1")) ? spelling.arg(display) : spelling;
      xcb_connection_t* probe = xcb_connect(QFile::encodeName(spelt).constData(), nullptr);
      const bool opens = !xcb_connection_has_error(probe);
      xcb_disconnect(probe);
      if (!opens) {
        qInfo("this X library does not open %s", qPrintable(spelt));
        continue;
      }
      QCOMPARE(keyOf(spelt), key);
      ++opened;
    }
    QVERIFY(opened >= 4);
    QVERIFY(keyOf(QStringLiteral(":") + QString::fromLatin1(m)) != key);
    one.kill();
    other.kill();
    one.waitForFinished();
    other.waitForFinished();
  }
};

int main(int argc, char** argv) {
  if (argc >= 3 && qstrcmp(argv[1], "--claimant") == 0) return claimant(argc, argv);
  if (argc >= 2 && qstrcmp(argv[1], "--desktop-key") == 0) return printDesktopKey(argc, argv);
  QApplication app(argc, argv);
  SetUpApplication();
  SingleInstanceTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "test_single_instance.moc"

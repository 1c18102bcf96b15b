#include "app/desktop/single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <cstring>

namespace {
constexpr char kRequest[] = "front\n";
constexpr int kConnectForMs = 3000;  // the first one may still be starting

// The socket's address; false when the path is too long for one.
bool addressOf(const QString& path, sockaddr_un* address) {
  const QByteArray bytes = QFile::encodeName(path);
  *address = {};
  address->sun_family = AF_UNIX;
  if (bytes.size() >= static_cast<qsizetype>(sizeof address->sun_path)) return false;
  memcpy(address->sun_path, bytes.constData(), static_cast<size_t>(bytes.size()));
  return true;
}
}  // namespace

SingleInstance::SingleInstance(const QString& folder, const QString& key)
    : base_(folder + QStringLiteral("/poronka-") + key) {}

SingleInstance::~SingleInstance() {
  if (socket_ < 0) return;
  delete requests_;
  ::close(socket_);
  QFile::remove(SocketPath());
}

QString SingleInstance::RuntimeFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

// The display the program shows on, made safe for a file name: one program
// per desktop, and test runs on separate virtual displays do not meet.
QString SingleInstance::DesktopKey() {
  const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
  QString display = qEnvironmentVariable(wayland ? "WAYLAND_DISPLAY" : "DISPLAY");
  if (wayland && display.isEmpty()) display = QStringLiteral("wayland-0");
  QString key = QGuiApplication::platformName() + QLatin1Char('-') + display;
  for (QChar& c : key)
    if (!c.isLetterOrNumber() && c != QLatin1Char('-')) c = QLatin1Char('_');
  return key;
}

bool SingleInstance::Claim(std::function<void()> comeToFront) {
  sockaddr_un address;
  const bool addressable = addressOf(SocketPath(), &address);
  lock_ = std::make_unique<QLockFile>(LockPath());
  lock_->setStaleLockTime(0);  // a long run is no sign of a dead one
  if (lock_->tryLock(0)) {
    QFile::remove(SocketPath());  // left by a program that died
    socket_ = addressable ? ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0) : -1;
    if (socket_ < 0) return true;  // no channel: later launches still find the lock
    // Only this user may ask.
    const mode_t mask = ::umask(0077);
    const int bound = ::bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::umask(mask);
    if (bound != 0) {
      ::close(socket_);
      socket_ = -1;
      return true;
    }
    requests_ = new QSocketNotifier(socket_, QSocketNotifier::Read, this);
    connect(requests_, &QSocketNotifier::activated, this, [this, comeToFront] {
      char request[sizeof kRequest];
      bool asked = false;
      for (;;) {
        const ssize_t got = ::recv(socket_, request, sizeof request, 0);
        if (got < 0) break;  // drained (or EINTR: the notifier comes again)
        asked = asked || memchr(request, '\n', static_cast<size_t>(got)) != nullptr;
      }
      if (asked) comeToFront();
    });
    return true;
  }
  // Another program holds the lock. Whether or not it answers, this launch
  // opens no second set of windows.
  lock_.reset();
  if (!addressable) return false;
  const int out = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (out < 0) return false;
  const QDeadlineTimer deadline(kConnectForMs);
  while (!deadline.hasExpired()) {
    const ssize_t sent = ::sendto(out, kRequest, sizeof kRequest - 1, 0,
                                  reinterpret_cast<const sockaddr*>(&address), sizeof address);
    if (sent >= 0 || (errno != ENOENT && errno != ECONNREFUSED && errno != EAGAIN)) break;
    QThread::msleep(50);
  }
  ::close(out);
  return false;
}

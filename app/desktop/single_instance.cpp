#include "app/desktop/single_instance.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QThread>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr char kAnswer[] = "poronka\n";
// How long a launch waits for the running program's answer, all told; it
// still starts well within two seconds when none comes.
constexpr int kAnswerWithinMs = 1000;
// Launches queued for an answer; once a stopped program's queue is full, a
// launch is refused at once (and waits out its second all the same).
constexpr int kBacklog = 64;
// However often it is asked, the program comes forward at most this often.
constexpr int kCalmMs = 200;

struct Address {
  sockaddr_un unix_ = {};
  socklen_t length = 0;
  const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&unix_); }
};

Address abstractAddress(const QByteArray& name) {
  Address address;
  address.unix_.sun_family = AF_UNIX;
  // A leading NUL puts the name in the abstract namespace; the name has no
  // terminator there.
  memcpy(address.unix_.sun_path + 1, name.constData(), static_cast<size_t>(name.size()));
  address.length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 +
                                          static_cast<size_t>(name.size()));
  return address;
}

QString errorText(int error) { return QString::fromLocal8Bit(strerror(error)); }

// The user whose program holds the other end of a connected socket.
bool peerUser(int fd, uid_t* user) {
  ucred credentials{};
  socklen_t length = sizeof credentials;
  if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0) return false;
  *user = credentials.uid;
  return true;
}

void pause(const QDeadlineTimer& deadline) {
  QThread::msleep(
      static_cast<unsigned long>(qBound(qint64(0), deadline.remainingTime(), qint64(10))));
}

// ----------------------------------------------------------------- desktops

bool isLoopback(const sockaddr_storage& address) {
  if (address.ss_family == AF_INET)
    return (ntohl(reinterpret_cast<const sockaddr_in&>(address).sin_addr.s_addr) >> 24) == 127;
  const in6_addr& six = reinterpret_cast<const sockaddr_in6&>(address).sin6_addr;
  return IN6_IS_ADDR_LOOPBACK(&six) || (IN6_IS_ADDR_V4MAPPED(&six) && six.s6_addr[12] == 127);
}

QByteArray hostOf(const sockaddr_storage& address) {
  char text[INET6_ADDRSTRLEN] = {};
  const void* bytes =
      address.ss_family == AF_INET
          ? static_cast<const void*>(&reinterpret_cast<const sockaddr_in&>(address).sin_addr)
          : static_cast<const void*>(&reinterpret_cast<const sockaddr_in6&>(address).sin6_addr);
  return ::inet_ntop(address.ss_family, bytes, text, sizeof text) ? QByteArray(text) : QByteArray();
}

// The X server at the other end of the program's own connection to it, so
// that every way of spelling one display names one desktop. A local server
// is known by its display number: it listens on /tmp/.X11-unix/X<n> (on disk
// and in the abstract namespace) and on TCP port 6000 + n, which is where
// ":n", ":n.0", "unix:n", the socket's path and "localhost:n" all lead.
QString xServerKey(int fd) {
  sockaddr_storage peer{};
  socklen_t length = sizeof peer;
  if (::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &length) != 0) return {};
  if (peer.ss_family == AF_UNIX) {
    const auto& local = reinterpret_cast<const sockaddr_un&>(peer);
    const qsizetype size =
        static_cast<qsizetype>(length) - static_cast<qsizetype>(offsetof(sockaddr_un, sun_path));
    if (size <= 0) return {};
    const bool abstract = local.sun_path[0] == '\0';
    const QByteArray path = abstract ? QByteArray(local.sun_path + 1, size - 1)
                                     : QByteArray(local.sun_path, qstrnlen(local.sun_path, size));
    static const QByteArray standard = "/tmp/.X11-unix/X";
    if (path.startsWith(standard)) {
      bool number = false;
      const uint display = path.mid(standard.size()).toUInt(&number);
      if (number) return QStringLiteral("x%1").arg(display);
    }
    struct stat status = {};
    if (!abstract && ::stat(path.constData(), &status) == 0)
      return QStringLiteral("x-%1-%2").arg(status.st_dev, 0, 16).arg(status.st_ino, 0, 16);
    return QStringLiteral("x-") + (abstract ? QStringLiteral("@") : QString()) +
           QFile::decodeName(path);
  }
  if (peer.ss_family != AF_INET && peer.ss_family != AF_INET6) return {};
  const int port =
      ntohs(peer.ss_family == AF_INET ? reinterpret_cast<const sockaddr_in&>(peer).sin_port
                                      : reinterpret_cast<const sockaddr_in6&>(peer).sin6_port);
  // A server on this machine: reached on a loopback address, or on one of
  // this machine's own (the connection's two ends share it).
  sockaddr_storage self{};
  socklen_t selfLength = sizeof self;
  const bool here = isLoopback(peer) ||
                    (::getsockname(fd, reinterpret_cast<sockaddr*>(&self), &selfLength) == 0 &&
                     !hostOf(peer).isEmpty() && hostOf(self) == hostOf(peer));
  if (here && port >= 6000) return QStringLiteral("x%1").arg(port - 6000);
  return QStringLiteral("x-tcp-%1-%2").arg(QString::fromLatin1(hostOf(peer))).arg(port);
}

// The compositor's socket, found the way the Wayland library finds it, and
// known by what it is on disk rather than by how it was reached.
QString waylandKey() {
  QByteArray name = qgetenv("WAYLAND_DISPLAY");
  if (name.isEmpty()) name = "wayland-0";
  const QByteArray path = name.startsWith('/') ? name : qgetenv("XDG_RUNTIME_DIR") + '/' + name;
  struct stat status = {};
  if (::stat(path.constData(), &status) == 0)
    return QStringLiteral("wl-%1-%2").arg(status.st_dev, 0, 16).arg(status.st_ino, 0, 16);
  return QStringLiteral("wl-") + QFile::decodeName(path);
}

}  // namespace

SingleInstance::SingleInstance(const QString& desktop) {
  QByteArray key = desktop.toUtf8();
  // The abstract namespace takes 107 bytes; keys are short, but a path in
  // one need not be.
  if (key.size() > 64) key = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex();
  name_ = "poronka/" + QByteArray::number(::geteuid()) + '/' + key;
  calm_.setSingleShot(true);
  connect(&calm_, &QTimer::timeout, this, [this] {
    if (!askedWhileCalm_) return;
    askedWhileCalm_ = false;
    Asked();
  });
}

SingleInstance::~SingleInstance() {
  if (answering_.joinable()) {
    const std::uint64_t one = 1;
    while (::write(stop_, &one, sizeof one) < 0 && errno == EINTR) {
    }
    answering_.join();
  }
  if (stop_ >= 0) ::close(stop_);
  if (socket_ >= 0) ::close(socket_);
}

QString SingleInstance::DesktopKey() {
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("xcb")) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    const QString key = x11 ? xServerKey(xcb_get_file_descriptor(x11->connection())) : QString();
    if (!key.isEmpty()) return key;
  } else if (platform.startsWith(QLatin1String("wayland"))) {
    return waylandKey();
  }
  return platform + QLatin1Char('-') + qEnvironmentVariable("DISPLAY");
}

bool SingleInstance::Claim(std::function<void()> comeToFront) {
  const QDeadlineTimer deadline(kAnswerWithinMs);
  const Address address = abstractAddress(name_);
  QString why;
  for (;;) {
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
      why = QStringLiteral("cannot make a socket: ") + errorText(errno);
      break;
    }
    if (::bind(fd, address.get(), address.length) == 0) {
      if (::listen(fd, kBacklog) != 0) {
        why = QStringLiteral("cannot listen: ") + errorText(errno);
        ::close(fd);
        break;
      }
      socket_ = fd;
      comeToFront_ = std::move(comeToFront);
      stop_ = ::eventfd(0, EFD_CLOEXEC);
      if (stop_ < 0) {
        // Without a way to stop it the thread would outlive this object.
        why = QStringLiteral("cannot make an event descriptor: ") + errorText(errno);
        ::close(socket_);
        socket_ = -1;
        break;
      }
      answering_ = std::thread(&SingleInstance::AnswerLaunches, this);
      return true;
    }
    const int bindError = errno;
    ::close(fd);
    if (bindError != EADDRINUSE) {
      why = QStringLiteral("cannot take the socket's name: ") + errorText(bindError);
      break;
    }

    // The name is taken: ask whoever holds it.
    const int out = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (out < 0) {
      why = QStringLiteral("cannot make a socket: ") + errorText(errno);
      break;
    }
    if (::connect(out, address.get(), address.length) != 0) {
      const int connectError = errno;
      ::close(out);
      if (connectError == EAGAIN) {
        // Its queue is full: it is stopped or stuck, or still starting.
        why = QStringLiteral("the running program did not answer within a second");
      } else if (connectError == ECONNREFUSED) {
        // Bound and not yet listening, or just gone: try again.
        why = QStringLiteral("the socket's name is held by a socket that takes no connections");
      } else {
        why = QStringLiteral("cannot reach the running program: ") + errorText(connectError);
        break;
      }
      if (deadline.hasExpired()) break;
      pause(deadline);
      continue;
    }
    uid_t user = 0;
    if (!peerUser(out, &user) || user != ::geteuid()) {
      ::close(out);
      why = QStringLiteral("the socket's name is held by another user (uid %1)").arg(user);
      break;
    }
    pollfd answer{out, POLLIN, 0};
    int ready = 0;
    do {
      ready = ::poll(&answer, 1, static_cast<int>(qMax<qint64>(0, deadline.remainingTime())));
    } while (ready < 0 && errno == EINTR && !deadline.hasExpired());
    if (ready <= 0) {
      ::close(out);
      why = QStringLiteral("the running program did not answer within a second");
      break;
    }
    char reply[sizeof kAnswer] = {};
    const ssize_t got = ::recv(out, reply, sizeof reply, MSG_DONTWAIT);
    ::close(out);
    if (got == static_cast<ssize_t>(sizeof kAnswer - 1) &&
        memcmp(reply, kAnswer, sizeof kAnswer - 1) == 0)
      return false;
    if (got > 0) {
      why = QStringLiteral("the socket's name is held by something else");
      break;
    }
    // Closed without an answer: it was ending. Its name may be free now.
    why = QStringLiteral("the running program ended while asked");
    if (deadline.hasExpired()) break;
    pause(deadline);
  }
  const QByteArray message =
      "poronka: single-launch protection is off: " + why.toLocal8Bit() + '\n';
  std::fputs(message.constData(), stderr);
  return true;
}

// The answering thread: a later launch connected. Only the program's own
// user is answered; the answer goes out without waiting and the connection
// is closed at once. The event loop hears of it once, however many ask.
void SingleInstance::AnswerLaunches() {
  pollfd watched[2] = {{socket_, POLLIN, 0}, {stop_, POLLIN, 0}};
  for (;;) {
    if (::poll(watched, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (watched[1].revents != 0) return;
    const int in = ::accept4(socket_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (in < 0) {
      // Out of descriptors: the launch waits in the queue; try again shortly
      // rather than spin.
      if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM)
        ::poll(watched + 1, 1, 100);
      continue;
    }
    uid_t user = 0;
    const bool ours = peerUser(in, &user) && user == ::geteuid();
    if (ours) ::send(in, kAnswer, sizeof kAnswer - 1, MSG_DONTWAIT | MSG_NOSIGNAL);
    ::close(in);
    if (ours && !askPosted_.exchange(true))
      QMetaObject::invokeMethod(this, &SingleInstance::Asked, Qt::QueuedConnection);
  }
}

void SingleInstance::Asked() {
  askPosted_ = false;
  if (calm_.isActive()) {
    askedWhileCalm_ = true;
    return;
  }
  if (comeToFront_) comeToFront_();
  calm_.start(kCalmMs);
}

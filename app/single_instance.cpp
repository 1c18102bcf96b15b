#include "app/single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {
constexpr char kRequest[] = "front\n";
constexpr int kConnectForMs = 3000;  // the first one may still be starting
}  // namespace

SingleInstance::SingleInstance(const QString& folder, const QString& key)
    : base_(folder + QStringLiteral("/poronka-") + key) {}

SingleInstance::~SingleInstance() = default;

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
  lock_ = std::make_unique<QLockFile>(LockPath());
  lock_->setStaleLockTime(0);  // a long run is no sign of a dead one
  if (lock_->tryLock(0)) {
    QLocalServer::removeServer(SocketPath());  // left by a program that died
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this, comeToFront] {
      while (QLocalSocket* peer = server_->nextPendingConnection()) {
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        connect(peer, &QLocalSocket::readyRead, this, [peer, comeToFront] {
          if (peer->readAll().contains('\n')) comeToFront();
        });
      }
    });
    server_->listen(SocketPath());
    return true;
  }
  // Another program holds the lock. Whether or not it answers, this launch
  // opens no second set of windows.
  lock_.reset();
  const QDeadlineTimer deadline(kConnectForMs);
  QLocalSocket socket;
  while (!deadline.hasExpired()) {
    socket.connectToServer(SocketPath());
    if (socket.waitForConnected(200)) {
      socket.write(kRequest);
      socket.waitForBytesWritten(1000);
      socket.disconnectFromServer();
      break;
    }
    QThread::msleep(50);
  }
  return false;
}

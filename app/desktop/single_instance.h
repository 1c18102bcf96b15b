// One running program per desktop: a second launch asks the first to come to
// the front and ends. The lock and the socket live in the user's runtime
// folder; nothing is written anywhere else. The request is one datagram on a
// local socket: Qt's own local sockets would bring the whole network module
// (and Kerberos) into memory for it.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QSocketNotifier;

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // `key` names the desktop (the display); `folder` is the runtime folder.
  SingleInstance(const QString& folder, const QString& key);
  ~SingleInstance() override;

  // True when this process is the first on its desktop and goes on; then
  // `comeToFront` runs whenever a later launch asks for it. False when
  // another one runs already, after asking it to come to the front.
  bool Claim(std::function<void()> comeToFront);

  // The runtime folder and the desktop key of this session.
  static QString RuntimeFolder();
  static QString DesktopKey();

  QString LockPath() const { return base_ + QStringLiteral(".lock"); }
  QString SocketPath() const { return base_ + QStringLiteral(".socket"); }

 private:
  QString base_;
  std::unique_ptr<QLockFile> lock_;
  // The first program's end of the channel: a datagram socket at SocketPath.
  int socket_ = -1;
  QSocketNotifier* requests_ = nullptr;
};

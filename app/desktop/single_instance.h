// One running program per desktop: a second launch asks the first to come to
// the front and ends. A launch gives way only when a running program of the
// same user on the same desktop answers it; whatever else goes wrong, the
// program starts, and says once on stderr why it could not make sure.
//
// The first program listens on a local socket in the abstract namespace,
// named after the user and the desktop. The kernel frees the name when the
// program ends however it ends, so no stale lock needs taking over, nothing
// on disk can be deleted under a running program (a /tmp cleaner, a squatted
// or read-only runtime folder, a full disk change nothing), and nothing is
// written anywhere. Anyone on the machine may connect to such a socket, so
// both ends check the other's credentials (SO_PEERCRED): the first program
// answers only its own user, and a launch believes only its own user's
// answer. A name taken by another user costs launches their protection,
// never their start. A thread of its own answers, so a launch made while the
// first program is still building its screens is answered at once (it comes
// forward once its event loop runs); a stopped program answers nothing, and
// the launch starts after a second.
// Launches in separate network namespaces do not see each other (each
// starts). Qt's local sockets are not used, since they would bring the whole
// network module (and Kerberos) into memory for this.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // `desktop` names the desktop (DesktopKey() for the program's own).
  explicit SingleInstance(const QString& desktop);
  ~SingleInstance() override;

  // False only when a running program of this user on this desktop answered
  // within a second: it has been asked to come to the front, and this launch
  // ends. True otherwise: this is the first program (and `comeToFront` runs
  // whenever a later launch asks), or it could not make sure and has said
  // why on stderr.
  bool Claim(std::function<void()> comeToFront);

  // What identifies the desktop the program shows on: for X, the server
  // (its display number, however DISPLAY spells it); for Wayland, the
  // compositor's socket.
  static QString DesktopKey();

  // The socket's name in the abstract namespace (without the leading NUL).
  QByteArray Name() const { return name_; }

 private:
  void AnswerLaunches();
  void Asked();

  QByteArray name_;
  // The first program's listening socket, the answering thread, and what
  // tells that thread to end.
  int socket_ = -1;
  int stop_ = -1;
  std::thread answering_;
  std::atomic<bool> askPosted_{false};
  std::function<void()> comeToFront_;
  // Comes to the front at most once per period, however fast it is asked.
  QTimer calm_;
  bool askedWhileCalm_ = false;
};

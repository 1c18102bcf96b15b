// Under the sanitizers: a program that starts Qt on X as the program does,
// then leaks an object of its own. The leak must still be reported, so the
// suppressions of leaks inside Qt and the system (lsan.supp) hide nothing of
// the program's.
#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  auto* leaked = new QTimer;  // never freed, on purpose
  leaked->setObjectName(QStringLiteral("leaked"));
  QTimer::singleShot(0, &app, &QCoreApplication::quit);
  return QApplication::exec();
}

// The wrong answer's beep: the desktop sound theme's "bell", played through
// libcanberra, or the X bell where no sound server answers.
//
// Only a few desktops turn the X bell into a sound, so the theme's bell comes
// first. Opening libcanberra connects to the sound server, which can take a
// while or hang, and the first sound is read from disk: a worker thread does
// all of it, so a beep never holds up the event loop or the judgement.
//
// The program writes nothing: libcanberra keeps the sounds it looks up by
// name in a cache file (~/.cache/event-sound-cache.tdb.*) whatever its cache
// control says, so the bell is looked up here and handed over as a file,
// with the sound server's sample cache off too. (The sound server's client
// library still makes its authentication cookie, ~/.config/pulse/cookie,
// where the user has none yet; nothing the program can turn off.)
#include <canberra.h>

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "app/desktop/sound.h"

namespace ui {

namespace {

int beeps = 0;

void XBell() { QApplication::beep(); }

// State shared with the worker. The worker owns a reference, so it stays
// valid should the worker outlive the application (see Stop()).
struct Shared {
  std::mutex mutex;
  std::condition_variable wake;
  int pending = 0;           // bells asked for and not yet played
  bool stopping = false;     // the application is going
  bool finished = false;     // the worker has left its loop
  bool appAlive = true;      // the worker may still post to the event loop
  bool unavailable = false;  // no sound server or no bell: the X bell from now on
  bool silent = false;       // the user turned the bell off: no bell at all
};

// Hands the X bell to the event loop: the display connection is not ours to
// use from the worker.
void PostXBell(Shared& shared) {
  std::lock_guard lock(shared.mutex);
  if (shared.appAlive && QCoreApplication::instance())
    QMetaObject::invokeMethod(QCoreApplication::instance(), &XBell, Qt::QueuedConnection);
}

// The sound theme's bell, where libcanberra would find it for us: the
// freedesktop theme (the one it falls back on, and we ask for no other), in
// the user's data folder first, then the system's; then an unthemed bell. A
// "bell.disabled" there means the user turned it off.
struct BellFile {
  QByteArray path;  // empty: there is none
  bool disabled = false;
};

BellFile FindBell() {
  const QStringList folders =
      QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
  for (const char* theme : {"/sounds/freedesktop/stereo/", "/sounds/"}) {
    for (const QString& folder : folders) {
      for (const char* suffix : {".disabled", ".oga", ".ogg", ".wav"}) {
        const QString path =
            folder + QLatin1String(theme) + QLatin1String("bell") + QLatin1String(suffix);
        if (QFileInfo(path).isFile())
          return {QFile::encodeName(path), qstrcmp(suffix, ".disabled") == 0};
      }
    }
  }
  return {};
}

ca_context* OpenContext() {
  ca_context* context = nullptr;
  if (ca_context_create(&context) != CA_SUCCESS) return nullptr;
  ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "ポロンカ", CA_PROP_APPLICATION_ID,
                          "io.github.poronka.Poronka", CA_PROP_APPLICATION_ICON_NAME,
                          "io.github.poronka.Poronka", CA_PROP_CANBERRA_CACHE_CONTROL, "never",
                          nullptr);
  if (ca_context_open(context) != CA_SUCCESS) {
    ca_context_destroy(context);
    return nullptr;
  }
  return context;
}

void Work(const std::shared_ptr<Shared>& shared) {
  ca_context* context = nullptr;
  BellFile bell;
  bool opened = false;
  std::unique_lock lock(shared->mutex);
  for (;;) {
    shared->wake.wait(lock, [&] { return shared->pending > 0 || shared->stopping; });
    if (shared->stopping) break;
    --shared->pending;
    lock.unlock();
    if (!opened) {
      opened = true;
      bell = FindBell();
      if (!bell.path.isEmpty() && !bell.disabled) context = OpenContext();
      if (!context) {
        lock.lock();
        shared->unavailable = true;
        shared->silent = bell.disabled;
        // This bell and any that queued up behind it go to the X bell, unless
        // the user turned the bell off.
        const int bells = bell.disabled ? 0 : shared->pending + 1;
        shared->pending = 0;
        lock.unlock();
        for (int i = 0; i < bells; ++i) PostXBell(*shared);
        lock.lock();
        continue;
      }
    }
    const int result = ca_context_play(context, 0, CA_PROP_MEDIA_FILENAME, bell.path.constData(),
                                       CA_PROP_EVENT_DESCRIPTION, "Wrong answer", nullptr);
    // Sounds the user turned off stay off; any other failure still beeps.
    if (result != CA_SUCCESS && result != CA_ERROR_DISABLED) PostXBell(*shared);
    lock.lock();
  }
  lock.unlock();
  if (context) ca_context_destroy(context);
  lock.lock();
  shared->finished = true;
  shared->wake.notify_all();
}

class Bell {
 public:
  ~Bell() { Stop(); }

  // Called on the event loop's thread.
  void Ring() {
    bool unavailable = false;
    bool silent = false;
    {
      std::lock_guard lock(shared_->mutex);
      unavailable = shared_->unavailable;
      silent = shared_->silent;
      if (!unavailable) ++shared_->pending;
    }
    if (unavailable) {
      if (!silent) XBell();
      return;
    }
    if (!worker_.joinable()) {
      worker_ = std::thread(Work, shared_);
      qAddPostRoutine(StopBell);
    }
    shared_->wake.notify_one();
  }

  // Before the application goes: the worker stops posting to it. A worker
  // stuck on a sound server that does not answer is left to end with the
  // process rather than hold up the exit.
  void Stop() {
    if (!worker_.joinable()) return;
    std::unique_lock lock(shared_->mutex);
    shared_->appAlive = false;
    shared_->stopping = true;
    shared_->wake.notify_all();
    const bool finished = shared_->wake.wait_for(lock, std::chrono::milliseconds(500),
                                                 [this] { return shared_->finished; });
    lock.unlock();
    if (finished) {
      worker_.join();
    } else {
      worker_.detach();
    }
    // A later application (the tests make several) starts afresh.
    shared_ = std::make_shared<Shared>();
  }

  static void StopBell();

 private:
  std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
  std::thread worker_;
};

Bell& TheBell() {
  static Bell bell;
  return bell;
}

void Bell::StopBell() { TheBell().Stop(); }

}  // namespace

void Beep() {
  ++beeps;
  TheBell().Ring();
}

int BeepCount() { return beeps; }

}  // namespace ui

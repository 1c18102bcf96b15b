#include "app/desktop/window_manager.h"

#include <xcb/xcb.h>
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstring>
#include <utility>
#include <vector>

namespace wm {

MotifHints MotifHintsFor(Frame frame, BareFrame bare) {
  using H = MotifHints;
  MotifHints h;
  h.flags = H::kFunctions | H::kDecorations;
  switch (frame) {
    case Frame::None:  // the backdrop: nothing to grab, move or close
      break;
    case Frame::SingleBare:
      h.functions = H::kFuncMove;
      if (bare == BareFrame::TitleBar) h.decorations = H::kDecorBorder | H::kDecorTitle;
      if (bare == BareFrame::Border) h.decorations = H::kDecorBorder;
      break;
    case Frame::Single:
      h.functions = H::kFuncMove | H::kFuncMinimize | H::kFuncMaximize | H::kFuncClose;
      h.decorations =
          H::kDecorBorder | H::kDecorTitle | H::kDecorMenu | H::kDecorMinimize | H::kDecorMaximize;
      break;
    case Frame::Sizeable:
      h.functions =
          H::kFuncResize | H::kFuncMove | H::kFuncMinimize | H::kFuncMaximize | H::kFuncClose;
      h.decorations = H::kDecorBorder | H::kDecorResizeHandle | H::kDecorTitle | H::kDecorMenu |
                      H::kDecorMinimize | H::kDecorMaximize;
      break;
  }
  return h;
}

BareFrame BareFrameOf(const QString& windowManager) {
  const auto is = [&](const char* name) {
    return windowManager.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
  };
  if (is("GNOME Shell") || is("Mutter") || is("Metacity")) return BareFrame::TitleBar;
  if (is("Openbox")) return BareFrame::Border;
  return BareFrame::Nothing;
}

bool Closable(Frame frame) {
  return MotifHintsFor(frame, BareFrame::Nothing).functions & MotifHints::kFuncClose;
}

QSize ClassicClient(QSize outer, Frame frame) {
  constexpr int kTitleBar = 19;
  switch (frame) {
    case Frame::None:
      return outer;
    case Frame::Sizeable:
      return outer - QSize(2 * 4, kTitleBar + 2 * 4);
    case Frame::Single:
    case Frame::SingleBare:
      break;
  }
  return outer - QSize(2 * 3, kTitleBar + 2 * 3);
}

QPoint LeftOf(const QRect& anchorFrame, QSize client, const QMargins& margins) {
  const int outerWidth = client.width() + margins.left() + margins.right();
  return {anchorFrame.left() - outerWidth, anchorFrame.top()};
}

QMargins FrameMargins(const QWidget* window) {
  const QRect outer = window->frameGeometry();
  const QRect inner = window->geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

bool OnX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }
bool OnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

xcb_connection_t* Connection() {
  if (!OnX11()) return nullptr;
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

void Sync() {
  if (xcb_connection_t* c = Connection())
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

namespace {

// A size of `window`'s, in logical pixels, in the X server's: what Qt asks
// the server for at the window's scale.
QSize inServerPixels(const QWidget* window, QSize size) {
  return (QSizeF(size) * window->devicePixelRatioF()).toSize();
}

// The atoms used here, interned once in one round trip.
struct Atoms {
  xcb_atom_t motifHints, netWmState, skipTaskbar, skipPager, netWmName, netWmIconName, utf8,
      wmCheck, frameExtents, activeWindow, demandsAttention;
};

const Atoms& atoms(xcb_connection_t* c) {
  static const Atoms a = [c] {
    const std::array<const char*, 11> names = {"_MOTIF_WM_HINTS",
                                               "_NET_WM_STATE",
                                               "_NET_WM_STATE_SKIP_TASKBAR",
                                               "_NET_WM_STATE_SKIP_PAGER",
                                               "_NET_WM_NAME",
                                               "_NET_WM_ICON_NAME",
                                               "UTF8_STRING",
                                               "_NET_SUPPORTING_WM_CHECK",
                                               "_NET_FRAME_EXTENTS",
                                               "_NET_ACTIVE_WINDOW",
                                               "_NET_WM_STATE_DEMANDS_ATTENTION"};
    std::array<xcb_intern_atom_cookie_t, names.size()> cookies{};
    for (size_t i = 0; i < names.size(); ++i)
      cookies[i] = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(qstrlen(names[i])), names[i]);
    std::array<xcb_atom_t, names.size()> found{};
    for (size_t i = 0; i < names.size(); ++i) {
      if (xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookies[i], nullptr)) {
        found[i] = reply->atom;
        free(reply);
      }
    }
    return Atoms{found[0], found[1], found[2], found[3], found[4], found[5],
                 found[6], found[7], found[8], found[9], found[10]};
  }();
  return a;
}

// One property of a window, as raw bytes; empty when it is not there.
QByteArray property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name, xcb_atom_t type) {
  QByteArray value;
  const xcb_get_property_cookie_t cookie = xcb_get_property(c, 0, w, name, type, 0, 256);
  if (xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr)) {
    if (reply->type == type)
      value = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                         xcb_get_property_value_length(reply));
    free(reply);
  }
  return value;
}

// The EWMH check window names the window manager; it is the root's and its
// own, or the window manager has gone.
QString windowManagerName(xcb_connection_t* c) {
  const Atoms& a = atoms(c);
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const QByteArray check = property(c, root, a.wmCheck, XCB_ATOM_WINDOW);
  if (check.size() != sizeof(xcb_window_t)) return {};
  xcb_window_t w;
  memcpy(&w, check.constData(), sizeof w);
  if (property(c, w, a.wmCheck, XCB_ATOM_WINDOW) != check) return {};
  return QString::fromUtf8(property(c, w, a.netWmName, a.utf8));
}

void setText(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, property, atoms(c).utf8, 8,
                      static_cast<std::uint32_t>(bytes.size()), bytes.constData());
}

// Adds the skip states to what the window's state already holds. Qt merges
// its own states into the property when it maps the window.
void skipTaskbarAndPager(xcb_connection_t* c, xcb_window_t w) {
  const Atoms& a = atoms(c);
  std::vector<xcb_atom_t> states;
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(c, 0, w, a.netWmState, XCB_ATOM_ATOM, 0, 64);
  if (xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr)) {
    if (reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
      const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
      states.assign(values, values + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
  }
  for (xcb_atom_t state : {a.skipTaskbar, a.skipPager})
    if (std::find(states.begin(), states.end(), state) == states.end()) states.push_back(state);
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, a.netWmState, XCB_ATOM_ATOM, 32,
                      static_cast<std::uint32_t>(states.size()), states.data());
}

// Watches for the frame extents the window manager sets on watched windows,
// and for the moves and resizes the X server reports of them.
class FrameWatch : public QAbstractNativeEventFilter {
 public:
  enum class Change { Framed, Configured };
  explicit FrameWatch(xcb_atom_t extents) : extents_(extents) {}

  void add(QWidget* window, Change change, QObject* context, std::function<void()> run) {
    watched_.push_back({window, change, context, std::move(run)});
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    xcb_window_t window = 0;
    Change change{};
    if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
      const auto* property = static_cast<const xcb_property_notify_event_t*>(message);
      if (property->atom != extents_) return false;
      window = property->window;
      change = Change::Framed;
    } else if ((event->response_type & 0x7f) == XCB_CONFIGURE_NOTIFY) {
      window = static_cast<const xcb_configure_notify_event_t*>(message)->window;
      change = Change::Configured;
    } else {
      return false;
    }
    for (const Watched& w : watched_) {
      if (w.window && w.context && w.change == change && w.window->internalWinId() == window)
        // Later, once Qt has taken the change in itself.
        QMetaObject::invokeMethod(w.context, w.run, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  struct Watched {
    QPointer<QWidget> window;
    Change change;
    QPointer<QObject> context;
    std::function<void()> run;
  };
  xcb_atom_t extents_;
  std::vector<Watched> watched_;
};

// Watches for the first window of fixed size that the window manager makes
// as large as the root window.
class FillWatch : public QAbstractNativeEventFilter {
 public:
  FillWatch(xcb_connection_t* c, std::function<void()> filled)
      : c_(c), filled_(std::move(filled)) {}

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (!filled_ || type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CONFIGURE_NOTIFY) return false;
    const auto* change = static_cast<const xcb_configure_notify_event_t*>(message);
    const QWidget* w = QWidget::find(change->window);
    if (!w || !w->isWindow() || w->minimumSize() != w->maximumSize()) return false;
    const QSize given(change->width, change->height);
    const QSize fixed = inServerPixels(w, w->maximumSize());
    if (given == fixed || given != rootSize()) return false;
    // Later, once Qt has seen the change itself; and only once.
    QTimer::singleShot(0, qApp, std::exchange(filled_, nullptr));
    return false;
  }

 private:
  QSize rootSize() const {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
    QSize size;
    if (xcb_get_geometry_reply_t* g =
            xcb_get_geometry_reply(c_, xcb_get_geometry(c_, root), nullptr)) {
      size = QSize(g->width, g->height);
      free(g);
    }
    return size;
  }

  xcb_connection_t* c_;
  std::function<void()> filled_;
};

FrameWatch* frameWatch(xcb_connection_t* c) {
  static FrameWatch* watch = nullptr;
  if (!watch) {
    watch = new FrameWatch(atoms(c).frameExtents);
    qApp->installNativeEventFilter(watch);
    qAddPostRoutine([] {
      delete watch;
      watch = nullptr;
    });
  }
  return watch;
}

}  // namespace

namespace {

// A top-level window as the X server has it: its client area on the screen,
// and the frame extents the window manager gave it (none without one).
struct Placed {
  QRect client;
  QMargins frame;
};

bool placed(xcb_connection_t* c, xcb_window_t w, Placed* out) {
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const auto geometryCookie = xcb_get_geometry(c, w);
  const auto whereCookie = xcb_translate_coordinates(c, w, root, 0, 0);
  xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, geometryCookie, nullptr);
  xcb_translate_coordinates_reply_t* where =
      xcb_translate_coordinates_reply(c, whereCookie, nullptr);
  const bool ok = geometry && where;
  if (ok) out->client = QRect(where->dst_x, where->dst_y, geometry->width, geometry->height);
  free(geometry);
  free(where);
  const QByteArray extents = property(c, w, atoms(c).frameExtents, XCB_ATOM_CARDINAL);
  out->frame = QMargins();
  if (extents.size() == 4 * sizeof(std::uint32_t)) {
    std::uint32_t e[4];  // left, right, top, bottom
    memcpy(e, extents.constData(), sizeof e);
    out->frame = QMargins(static_cast<int>(e[0]), static_cast<int>(e[2]), static_cast<int>(e[1]),
                          static_cast<int>(e[3]));
  }
  return ok;
}

// Whether the window's normal hints ask for static gravity.
bool staticGravity(xcb_connection_t* c, xcb_window_t w) {
  // WM_SIZE_HINTS: 18 words, the flags first and the gravity last.
  constexpr std::uint32_t kGravityGiven = 1u << 9;
  constexpr std::uint32_t kStatic = 10;
  const QByteArray hints = property(c, w, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS);
  if (hints.size() < 18 * static_cast<qsizetype>(sizeof(std::uint32_t))) return false;
  std::uint32_t words[18];
  memcpy(words, hints.constData(), sizeof words);
  return (words[0] & kGravityGiven) && words[17] == kStatic;
}

}  // namespace

bool StandLeftOf(QWidget* window, const QWidget* anchor) {
  xcb_connection_t* c = Connection();
  if (!c || !window->internalWinId() || !anchor->internalWinId()) return false;
  const auto w = static_cast<xcb_window_t>(window->internalWinId());
  Placed self, board;
  if (!placed(c, w, &self) ||
      !placed(c, static_cast<xcb_window_t>(anchor->internalWinId()), &board))
    return false;
  if (self.frame.isNull()) self.frame = board.frame;
  const QRect boardFrame = board.client.marginsAdded(board.frame);
  // The size Qt has asked for at the window's scale: after a change of scale
  // the server may not have it yet (a window manager applies it when it gets
  // to it), and the old width would put the window over the board.
  const QPoint at = LeftOf(boardFrame, inServerPixels(window, window->size()), self.frame);
  // Asked for even where it stands there now: a move Qt has just asked for
  // may still be on its way, and this one must come after it. A request names
  // where the frame's top-left corner goes, or with static gravity (which Qt
  // sets once it has placed a window itself) the client area's.
  const QPoint to = staticGravity(c, w) ? at + QPoint(self.frame.left(), self.frame.top()) : at;
  const std::uint32_t values[] = {static_cast<std::uint32_t>(to.x()),
                                  static_cast<std::uint32_t>(to.y())};
  xcb_configure_window(c, w, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
  xcb_flush(c);
  return true;
}

void OnFixedWindowFilled(std::function<void()> filled) {
  xcb_connection_t* c = Connection();
  if (!c) return;
  static FillWatch* watch = nullptr;
  if (watch) return;
  watch = new FillWatch(c, std::move(filled));
  qApp->installNativeEventFilter(watch);
  qAddPostRoutine([] {
    delete watch;
    watch = nullptr;
  });
}

void OnFramed(QWidget* window, std::function<void()> framed) {
  if (xcb_connection_t* c = Connection())
    frameWatch(c)->add(window, FrameWatch::Change::Framed, window, std::move(framed));
}

void OnMoved(QWidget* window, QObject* context, std::function<void()> moved) {
  if (xcb_connection_t* c = Connection())
    frameWatch(c)->add(window, FrameWatch::Change::Configured, context, std::move(moved));
}

QString WindowManagerName() {
  xcb_connection_t* c = Connection();
  return c ? windowManagerName(c) : QString();
}

namespace {

// A request to the window manager about one window, sent to the root.
void sendToRoot(xcb_connection_t* c, xcb_window_t w, xcb_atom_t type,
                const std::array<std::uint32_t, 5>& data) {
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = w;
  event.type = type;
  std::copy(data.begin(), data.end(), event.data.data32);
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  xcb_send_event(c, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&event));
}

}  // namespace

void BringForward(const std::vector<QWidget*>& windows) {
  xcb_connection_t* c = Connection();
  if (!c || windowManagerName(c).isEmpty()) return;
  const Atoms& a = atoms(c);
  constexpr std::uint32_t kFromPager = 2;  // the user's own request, as a task bar's
  constexpr std::uint32_t kRemove = 0;
  for (QWidget* window : windows) {
    if (!window || !window->isWindow() || !window->isVisible()) continue;
    const auto w = static_cast<xcb_window_t>(window->winId());
    sendToRoot(c, w, a.activeWindow, {kFromPager, XCB_CURRENT_TIME, 0, 0, 0});
  }
  // A window manager that refused an earlier request of the program's own
  // marks the window; the user has it in front now.
  for (QWidget* window : windows) {
    if (!window || !window->isWindow()) continue;
    const auto w = static_cast<xcb_window_t>(window->winId());
    sendToRoot(c, w, a.netWmState, {kRemove, a.demandsAttention, 0, kFromPager, 0});
  }
  xcb_flush(c);
}

void Describe(QWidget* form, Frame frame, bool main) {
  xcb_connection_t* c = Connection();
  if (!c) return;
  const auto w = static_cast<xcb_window_t>(form->winId());
  const Atoms& a = atoms(c);

  const MotifHints hints = MotifHintsFor(frame, BareFrameOf(windowManagerName(c)));
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, a.motifHints, a.motifHints, 32, 5, &hints);

  if (main) {
    // Where a task bar shows the icon name, it reads the program's name.
    setText(c, w, a.netWmIconName, QGuiApplication::applicationDisplayName());
  } else {
    skipTaskbarAndPager(c, w);
    // Qt adds the program's name to every title; the secondary screens carry
    // their own caption only.
    setText(c, w, a.netWmName, form->windowTitle());
  }
  xcb_flush(c);
}

}  // namespace wm

// What a screen reader is told of the screens: what each screen shows (and
// nothing the child cannot see), and the announcements of the drill.
#pragma once

#include <QString>

class QWidget;

namespace ui {

// Installs the accessible side of the screens, their pictures and their
// announcers; once, by the first screen created.
void InstallAccessibility();

// A component the child never sees (an operation other handlers call, a
// picture kept under other controls): left out of the accessibility tree.
void SetNeverSeen(QWidget* component);
bool NeverSeen(const QWidget* component);

// Whether a screen is on view: shown, and not covered by a screen raised
// over it (the backdrop covers every screen shown before it). A screen that
// is not on view shows nothing in the accessibility tree.
bool OnView(const QWidget* form);

// Says `text` through the screen reader as a notification of `screen`. What
// one event says goes out as one message, in the order it was said, once the
// event is handled. Nothing changes on the screen.
void Announce(QWidget* screen, const QString& text);
// The last message the screen's announcer gave, and how many it gave.
QString LastAnnouncement(const QWidget* screen);
int AnnouncementCount(const QWidget* screen);

}  // namespace ui

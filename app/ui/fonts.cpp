// Point sizes, and the layouts' font names mapped onto this machine's faces.
#include "app/ui/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace ui {

int PointsToPixels(int points) { return (points * 96 + 36) / 72; }
int PixelsToPoints(int pixels) { return (pixels * 72 + 48) / 96; }

namespace {

// The families of a face that comes with the program; none when it is not
// among the resources.
QStringList bundled(const char* file) {
  const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file));
  return id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
}

}  // namespace

void InstallFonts() {
  const auto name = [](const char* utf8) { return QString::fromUtf8(utf8); };
  QFont::insertSubstitutions(name(fonts::kDigits), bundled(fonts::kBundledDigitsFile)
                                                       << name(fonts::kKleeOne)
                                                       << name(fonts::kIpaGothic));
  // The cut-down faces first: the whole installed ones take 4 MB of memory
  // open for the forty characters the screens show. PORONKA_SYSTEM_FONTS
  // puts the installed faces back (their licence asks for a way to).
  const bool whole = !qEnvironmentVariableIsEmpty("PORONKA_SYSTEM_FONTS");
  QFont::insertSubstitutions(name(fonts::kPGothic),
                             (whole ? QStringList() : bundled(fonts::kBundledPGothicFile))
                                 << name(fonts::kIpaPGothic) << name(fonts::kIpaPGothicJa));
  QFont::insertSubstitutions(name(fonts::kGothic),
                             (whole ? QStringList() : bundled(fonts::kBundledGothicFile))
                                 << name(fonts::kIpaGothic) << name(fonts::kIpaGothicJa));
}

}  // namespace ui

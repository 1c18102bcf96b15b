// Point sizes, and the layouts' font names mapped onto this machine's faces.
#include "app/ui.h"

#include <QFont>
#include <QFontDatabase>

#include "app/fonts.h"

namespace ui {

int PointsToPixels(int points) { return (points * 96 + 36) / 72; }
int PixelsToPoints(int pixels) { return (pixels * 72 + 48) / 96; }

void InstallFonts() {
  const auto name = [](const char* utf8) { return QString::fromUtf8(utf8); };
  QStringList digitFaces;
  const int id = QFontDatabase::addApplicationFont(name(fonts::kBundledDigitsFile));
  if (id >= 0) digitFaces << QFontDatabase::applicationFontFamilies(id);
  digitFaces << name(fonts::kKleeOne) << name(fonts::kIpaGothic);
  QFont::insertSubstitutions(name(fonts::kDigits), digitFaces);
  QFont::insertSubstitutions(name(fonts::kPGothic),
                             {name(fonts::kIpaPGothic), name(fonts::kIpaPGothicJa)});
  QFont::insertSubstitutions(name(fonts::kGothic),
                             {name(fonts::kIpaGothic), name(fonts::kIpaGothicJa)});
}

}  // namespace ui

// Numbers to and from the texts the screens show.
#include "app/ui/convert.h"

#include <cstdint>

#include "app/ui/dispatch.h"

namespace ui {

QString IntToText(std::int32_t value) { return QString::number(value); }

std::int32_t TextToInt(const QString& text) {
  const QString t = text.trimmed();
  bool ok = !t.isEmpty();
  for (qsizetype i = 0; ok && i < t.size(); ++i) {
    const QChar c = t.at(i);
    ok = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
         (i == 0 && t.size() > 1 && (c == QLatin1Char('-') || c == QLatin1Char('+')));
  }
  const qlonglong value = ok ? t.toLongLong(&ok) : 0;
  if (!ok || value < INT32_MIN || value > INT32_MAX)
    throw HandlerError(QStringLiteral("'%1' は整数ではありません").arg(text));
  return static_cast<std::int32_t>(value);
}

}  // namespace ui

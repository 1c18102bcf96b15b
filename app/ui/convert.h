// Numbers to and from the texts the screens show.
#pragma once

#include <QString>
#include <cstdint>

namespace ui {

QString IntToText(std::int32_t value);
// Decimal, optional sign, surrounding blanks allowed; anything else (an empty
// text, a fraction, a value out of 32-bit range) throws HandlerError with
// "'<text>' は整数ではありません".
std::int32_t TextToInt(const QString& text);

}  // namespace ui

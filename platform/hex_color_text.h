#pragma once
// A plain colour as the settings file keeps it: "#rrggbb", lower case.

#include "color/color.h"

#include <QString>

#include <optional>

namespace pelmora {

QString HexColorText(Color color);
// Exactly "#" and six hexadecimal digits, either case; nullopt for anything else (another length, a
// sign, a "0x", a blank).
std::optional<Color> HexColorFromText(const QString& text);

} // namespace pelmora

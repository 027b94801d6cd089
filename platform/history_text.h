#pragma once
// The colour history as one line of text, for the settings store: the 18 swatches newest first as
// words separated by blanks: "#rrggbb", "system:N" for a desktop colour, "none" for no colour. A
// damaged word costs its own swatch only: it reads as black, as an empty swatch is at a first start.

#include "controller/color_history.h"

#include <QString>

#include <array>

namespace pelmora {

using HistoryColors = std::array<Color, kHistoryLength>;

// The stored form of `colors`, and back; unreadable or missing words become black.
QString HistoryText(const HistoryColors& colors);
HistoryColors HistoryFromText(const QString& text);

} // namespace pelmora

#pragma once
// The colour history kept between runs: one settings value, [History] colors, that holds the 18
// swatches newest first as words ("#rrggbb", or "system:N" for a desktop colour), written whole
// whenever the history changes. Two running copies each write their whole history, so the last
// write wins and no copy is left with half of another's. A damaged word costs its own swatch only:
// it shows black, as an empty swatch does at a first start.

#include "mainwindow/color_history.h"

#include <QString>

#include <array>

namespace pelmora {

using HistoryColors = std::array<Color, kHistoryLength>;

// The stored form of `colors`, and back; unreadable or missing words become black.
QString HistoryText(const HistoryColors& colors);
HistoryColors HistoryFromText(const QString& text);

class HistoryStore {
public:
    // The stored history, or 18 black swatches when none is stored or the store cannot be read.
    HistoryColors load();
    // Writes `colors` unless they are what was loaded or saved last; a store that cannot be
    // written leaves the history as it is in the window, and the next change tries again.
    void saveIfChanged(const HistoryColors& colors);

private:
    HistoryColors lastStored_{};
};

} // namespace pelmora

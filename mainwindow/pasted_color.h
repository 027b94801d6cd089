#pragma once
// Reading a colour from text the user pasted or dropped on the main window, in any notation the
// program knows, and the short note that says why a text holds none.

#include "color/color.h"
#include "color/system_colors.h"

#include <QString>

#include <optional>

namespace pelmora {

struct PastedColor {
    std::optional<Color> color;
    QString problem; // when there is no colour: one line that quotes the text and names the reason
    QString remark; // with a colour, when the text said more than it gives: it lay outside sRGB
};

// System colour names and codes resolve through `systemColors`, so they give the desktop's colours.
PastedColor ReadPastedColor(const QString& text, const SystemColors& systemColors);

// `text` as a note can quote it: control characters written as escapes (\n, \t, \x1B), and cut to
// at most `maxCharacters` characters with an ellipsis, so a whole pasted page stays one short line.
QString QuotedExcerpt(const QString& text, int maxCharacters = 24);

} // namespace pelmora

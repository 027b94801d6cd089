#pragma once
// The font every window of the program is laid out in.

#include <QFont>

namespace pelmora {

// Verdana, or the closest sans face installed, at a fixed pixel size so that every display lays
// the windows out alike.
QFont WindowFont(int pixelSize, bool bold = false);

} // namespace pelmora

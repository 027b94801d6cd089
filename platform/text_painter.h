#pragma once
// Text for the readout beside the picker, drawn straight into the surface's pixels.

#include "picker/surface.h"

#include <QFont>

namespace pelmora {

// Verdana 8.25 pt bold where installed, else DejaVu Sans bold (else the desktop's sans), always at
// 11 pixels (8.25 pt at 96 dpi) and without antialiasing, so the readout has the same pixels on
// every display and only ever the colour it was asked for.
QFont ReadoutFont();

// A TextPainter for Surface::setTextPainter: draws one line with its top-left corner at (x, y) and
// returns the line height in pixels. Needs a QGuiApplication (for the font database).
TextPainter MakeReadoutTextPainter();

} // namespace pelmora

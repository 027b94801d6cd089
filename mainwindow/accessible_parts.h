#pragma once
// What assistive technology learns of the main window's own widgets beyond what Qt tells it of a
// plain widget: a swatch is a button named for its colour ("History colour 7, #FF8000, orange"),
// the note line says its note, and the picker surface has the current colour as its value.

#include "color/color.h"

#include <QString>

#include <optional>

class QWidget;

namespace pelmora {

// Once per program; later calls do nothing.
void InstallAccessibleParts();

// A colour as a screen reader should say it: "#FF8000, orange", "#FF8C01, near darkorange".
QString SpokenColor(Color color);

// The picker surface now describes `color` (none: nothing chosen yet); screen readers are told.
void SetSurfaceValue(QWidget* surface, std::optional<Color> color);

} // namespace pelmora

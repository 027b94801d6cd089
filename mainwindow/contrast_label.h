#pragma once
// The contrast of the current colour against the Old swatch ("4.54:1 AA AA large UI") and the CSS
// name of the current colour ("= orange", "≈ darkorange"), on one line; empty while no colour has
// been chosen. Assistive technology reads the line as the label's name and value.

#include "color/color.h"

#include <QLabel>

#include <optional>

namespace pelmora {

class ContrastLabel : public QLabel {
    Q_OBJECT
public:
    explicit ContrastLabel(QWidget* parent = nullptr);

    void setColors(std::optional<Color> color, Color oldColor);
};

} // namespace pelmora

#pragma once
// The contrast of the New swatch against the Old one ("4.54:1 AA AA large UI") and the CSS name of
// New ("= orange", "≈ darkorange"), on one line.

#include "color/color.h"

#include <QLabel>

namespace pelmora {

class ContrastLabel : public QLabel {
    Q_OBJECT
public:
    explicit ContrastLabel(QWidget* parent = nullptr);

    void setColors(Color newColor, Color oldColor);
};

} // namespace pelmora

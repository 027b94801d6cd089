#pragma once
// The contrast of the current colour against the background it will sit on ("4.54:1 AA AA large
// UI") and the CSS name of the current colour ("= orange", "≈ darkorange"), on one line, after a
// small sample of the colour's text on that background; empty while no colour has been chosen.
// Assistive technology reads the line, with the background, as the label's name.
//
// On the line, Ctrl+V is a paste onto it (pasteRequested) rather than a paste of the current colour,
// and the menu key or Shift+F10 asks for its context menu as a right click does.

#include "color/color.h"

#include <QLabel>

#include <optional>

namespace pelmora {

class ContrastLabel : public QLabel {
    Q_OBJECT
public:
    explicit ContrastLabel(QWidget* parent = nullptr);

    void setColors(std::optional<Color> color, Color background);

signals:
    void pasteRequested();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int sampleWidth() const;

    std::optional<Color> color_;
    Color background_ = Color::white();
};

} // namespace pelmora

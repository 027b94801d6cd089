#pragma once
// A colour swatch: a label whose background is one colour value, clickable like a button. It takes
// the keyboard focus by Tab only (a click leaves the focus where it is), and Space or Enter clicks it.

#include "color/color.h"
#include "color/system_colors.h"

#include <QFrame>

namespace pelmora {

class Swatch final : public QFrame {
    Q_OBJECT
public:
    // System colour codes show as the desktop currently colours that element.
    Swatch(const QString& objectName, const SystemColors& systemColors, QWidget* parent);

    Color color() const { return color_; }
    // The colour as painted: a system colour code as the desktop colours that element now.
    Color shownColor() const;
    void setColor(Color color);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const SystemColors& systemColors_;
    Color color_ = Color::black();
    bool pressed_ = false;
};

} // namespace pelmora

#pragma once
// Shows the picker's in-memory surface as a widget, one surface pixel per logical pixel, and reports
// the mouse in surface pixels. The program rounds the screen's scale to a whole factor, so on a
// high-DPI screen every surface pixel becomes a whole square of screen pixels; the picture is never
// smoothed, so even at a forced fractional scale every colour shown is one the picker painted and a
// click reads the pixel under the pointer. The view keeps the surface's size in logical pixels, the
// unit the window's controls are laid out in.

#include "picker/surface.h"

#include <QPointF>
#include <QWidget>

namespace pelmora {

class SurfaceView final : public QWidget {
    Q_OBJECT
public:
    // The view repaints whenever the surface is refreshed. One view per surface; the surface must
    // outlive the view.
    explicit SurfaceView(Surface& surface, QWidget* parent = nullptr);
    ~SurfaceView() override;

    Surface& surface() const { return surface_; }

    QSize sizeHint() const override;

signals:
    // Positions are surface pixels (fractions where the screen reports the pointer inside a pixel);
    // `button` is the button that changed (none for a move), `buttons` those held afterwards.
    void surfaceMousePressed(double x, double y, Qt::MouseButton button, Qt::MouseButtons buttons,
                             Qt::KeyboardModifiers modifiers);
    void surfaceMouseMoved(double x, double y, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void surfaceMouseReleased(double x, double y, Qt::MouseButton button, Qt::MouseButtons buttons,
                              Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Surface& surface_;
};

} // namespace pelmora

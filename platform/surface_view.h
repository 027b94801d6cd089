#pragma once
// Shows the picker's in-memory surface as a widget, pixel for pixel, and reports the mouse in surface
// pixels. On a high-DPI screen every surface pixel becomes a whole square of screen pixels (the
// largest whole factor the screen allows), never a smoothed blend, so every colour shown is one the
// picker painted and a click reads the pixel under the pointer.

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

    // Screen pixels per surface pixel for a device pixel ratio: its whole part, at least 1.
    static int WholeScale(qreal devicePixelRatio);
    // The surface position under a point given in this widget's (logical) coordinates.
    static QPointF ToSurface(QPointF logical, qreal devicePixelRatio);
    // The widget size (logical) that shows a surface of `pixels` at the whole scale.
    static QSizeF LogicalSize(QSize pixels, qreal devicePixelRatio);

    QSize sizeHint() const override;

signals:
    // Positions are surface pixels (fractions where the pointer sits inside a scaled pixel);
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
    void changeEvent(QEvent* event) override;

private:
    void fitToScale();

    Surface& surface_;
};

} // namespace pelmora

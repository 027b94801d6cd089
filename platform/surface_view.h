#pragma once
// Shows the picker's in-memory surface as a widget, one surface pixel per logical pixel, and reports
// the mouse in surface pixels. The picture is never smoothed: at any scale each screen pixel shows
// the surface pixel under its top-left corner, so every colour shown is one the picker painted. The
// mouse is reported as the surface pixel shown under the pointer's screen pixel, also at a
// fractional scale, where the position a widget is handed (whole logical pixels) can name a
// neighbour. The view keeps the surface's size in logical pixels, the unit the window's controls are
// laid out in.

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

    // `overlapping` lies over part of the picture (a frame around other controls): a press on it
    // inside `area` (view pixels), and the drag that follows, count as the view's own. Its child
    // controls keep their clicks. `overlapping` must be a widget of the view's window.
    void takeMouseFrom(QWidget* overlapping, const QRect& area);

signals:
    // Positions are whole surface pixels: the pixel shown under the pointer;
    // `button` is the button that changed (none for a move), `buttons` those held afterwards.
    void surfaceMousePressed(
        double x, double y, Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void surfaceMouseMoved(double x, double y, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void surfaceMouseReleased(
        double x, double y, Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    // An arrow key while the view has the keyboard focus: one step right (dx 1), left, down (dy 1) or up.
    void surfaceArrowPressed(int dx, int dy);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The surface pixel shown under the pointer of `event`, which `receiver` got.
    QPointF surfacePixelAt(const QWidget* receiver, const QMouseEvent* event) const;
    void report(const QWidget* receiver, const QMouseEvent* event);

    Surface& surface_;
    QList<QPair<QWidget*, QRect>> overlapping_;
    QWidget* draggingFrom_ = nullptr; // the overlapping widget a taken press went to
};

} // namespace pelmora

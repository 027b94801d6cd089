#pragma once
// The live loupe on X11: a window over the whole screen that takes the pointer and the keyboard and
// shows the magnified pixels under the pointer beside it. Only the loupe itself is part of the
// window's shape, so the screen under the pointer is read as it is, never with the loupe on it.

#include "color/color.h"
#include "screen/device_pixels.h"
#include "screen/loupe_painter.h"
#include "screen/screen_patch.h"
#include "screen/x11_pointer.h"

#include <QTimer>
#include <QWidget>

#include <vector>

class QScreen;

namespace pelmora {

class LoupeOverlay : public QWidget {
    Q_OBJECT
public:
    explicit LoupeOverlay(QWidget* parent = nullptr);

    // The notation of the code under the #RRGGBB one; none when unset.
    void setCodeWriter(CodeWriter writer) { codeWriter_ = std::move(writer); }

    // Shows the loupe at the pointer and takes the input; exactly one signal follows.
    void start();

signals:
    void picked(pelmora::Color color);
    void cancelled();
    void failed(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // One of Qt's screens: on which X screen, and the device pixels it covers there.
    struct ScreenArea {
        QScreen* screen = nullptr;
        int screenNumber = 0;
        QRect pixels;
    };

    void takeInput();
    void learnScreens();
    void followPointer(X11Pointer pointer);
    void refresh();
    void placeOnScreenOf(X11Pointer pointer);
    QPoint keptOnScreens(QPoint devicePixel) const;
    X11Pointer pointerPixel(QPointF eventPosition) const;
    int averageSize(Qt::KeyboardModifiers modifiers) const;
    void pickHere();
    void finish();

    std::vector<ScreenArea> screens_;
    QScreen* screen_ = nullptr;
    int screenNumber_ = 0; // the X screen the loupe is on
    ScreenScale scale_;
    QPoint pointer_; // device pixels of the root window of X screen screenNumber_
    ScreenPatch patch_;
    LoupeLook look_;
    CodeWriter codeWriter_;
    int storedAverage_ = 1;
    Qt::KeyboardModifiers modifiers_;
    QRectF loupeRect_;
    QTimer inputGrabRetry_;
    QTimer settle_;
    int grabAttempts_ = 0;
    bool done_ = false;
};

} // namespace pelmora

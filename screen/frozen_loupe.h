#pragma once
// The loupe on a screenshot: a full-screen window on every screen shows its part of the frozen
// picture, and the loupe runs over it as it does over the live X11 screen (zoom, wheel, arrows,
// Ctrl averaging, Enter/Space/click to pick, Esc/right click to cancel). What is picked is the
// picture's pixel under the pointer.

#include "color/color.h"
#include "notations/code_writer.h"
#include "screen/loupe_painter.h"
#include "screen/picture_layout.h"
#include "screen/pixel_source.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <utility>
#include <vector>

class QScreen;

namespace pelmora {

class FrozenLoupe;

// One screen's window: its part of the picture, and the loupe when the pointer is on this screen.
class FrozenScreenWindow final : public QWidget {
    Q_OBJECT
public:
    FrozenScreenWindow(FrozenLoupe& loupe, QScreen* screen, QRect picturePart);

    QScreen* shownScreen() const { return screen_; }
    // Where the loupe is drawn, logical, relative to the window; empty when it is on another screen.
    QRectF loupeRect() const { return loupeRect_; }
    void setLoupeRect(const QRectF& rect);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QPointF logicalPosition(QPointF local) const;

    FrozenLoupe& loupe_;
    QScreen* screen_;
    QRect picturePart_;
    QRectF loupeRect_;
};

class FrozenLoupe final : public QObject {
    Q_OBJECT
public:
    explicit FrozenLoupe(const QImage& picture, QObject* parent = nullptr);
    ~FrozenLoupe() override;

    // Opens the windows with the loupe where the pointer is (or in the middle of the first screen);
    // exactly one signal follows.
    void start();
    // The notation of the code the loupe shows below the pixels.
    void setCodeWriter(CodeWriter writer) { codeWriter_ = std::move(writer); }

    const FrozenPicture& picture() const { return picture_; }
    const PictureLayout& layout() const { return layout_; }
    const std::vector<QPointer<FrozenScreenWindow>>& windows() const { return windows_; }
    // The picture pixel under the loupe's centre.
    QPoint pixel() const { return pixel_; }

    // What the windows pass on; positions are logical and global.
    void pointerMovedTo(QPointF position, Qt::KeyboardModifiers modifiers);
    void pressedAt(QPointF position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void wheelTurned(int angleDeltaY);
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);
    void modifiersChanged(Qt::KeyboardModifiers modifiers);
    void paintLoupe(QPainter& painter, const FrozenScreenWindow& window) const;

signals:
    void picked(pelmora::Color color);
    void cancelled();
    void failed(const QString& message);

private:
    void moveTo(QPoint pixel);
    void refresh();
    void pickHere();
    void finish();

    FrozenPicture picture_;
    PictureLayout layout_;
    std::vector<QPointer<FrozenScreenWindow>> windows_;
    QPoint pixel_;
    ScreenPatch patch_;
    LoupeLook look_;
    int storedAverage_ = 1;
    Qt::KeyboardModifiers modifiers_;
    bool done_ = false;
    CodeWriter codeWriter_;
};

} // namespace pelmora

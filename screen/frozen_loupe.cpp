#include "screen/frozen_loupe.h"

#include "screen/device_pixels.h"
#include "screen/loupe_input.h"
#include "screen/loupe_placement.h"
#include "screen/screen_pick_settings.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace pelmora {
namespace {

std::vector<ScreenPlace> ScreenPlaces()
{
    std::vector<ScreenPlace> places;
    for (const QScreen* screen : QGuiApplication::screens())
        places.push_back({screen->geometry(), screen->devicePixelRatio()});
    return places;
}

} // namespace

FrozenScreenWindow::FrozenScreenWindow(FrozenLoupe& loupe, QScreen* screen, QRect picturePart)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , loupe_(loupe)
    , screen_(screen)
    , picturePart_(picturePart)
{
    setObjectName(QStringLiteral("frozenLoupe"));
    setWindowTitle(QStringLiteral("Pelmora screen picker"));
    setAccessibleName(QStringLiteral("Screen colour loupe"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setScreen(screen);
    setGeometry(screen->geometry());
}

void FrozenScreenWindow::setLoupeRect(const QRectF& rect)
{
    if (!loupeRect_.isEmpty())
        update(loupeRect_.toAlignedRect().adjusted(-1, -1, 1, 1));
    loupeRect_ = rect;
    if (!loupeRect_.isEmpty())
        update(loupeRect_.toAlignedRect().adjusted(-1, -1, 1, 1));
}

void FrozenScreenWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Without smoothing, and at the picture's own scale rather than stretched over the window's
    // logical size (rounded at 1.5): where the picture has the screen's scale, its pixels land one
    // to one on the screen's device pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QPointF scale = loupe_.layout().scale();
    const QSizeF shown(picturePart_.width() / scale.x(), picturePart_.height() / scale.y());
    painter.drawImage(QRectF(QPointF(), shown), loupe_.picture().image(), QRectF(picturePart_));
    if (!loupeRect_.isEmpty())
        loupe_.paintLoupe(painter, *this);
}

QPointF FrozenScreenWindow::logicalPosition(QPointF local) const
{
    // Not the event's global position: a Wayland window does not know where it is on the desktop.
    return QPointF(screen_->geometry().topLeft()) + local;
}

void FrozenScreenWindow::mouseMoveEvent(QMouseEvent* event)
{
    loupe_.pointerMovedTo(logicalPosition(event->position()), event->modifiers());
}

void FrozenScreenWindow::mousePressEvent(QMouseEvent* event)
{
    loupe_.pressedAt(logicalPosition(event->position()), event->button(), event->modifiers());
}

void FrozenScreenWindow::wheelEvent(QWheelEvent* event) { loupe_.wheelTurned(event->angleDelta().y()); }

void FrozenScreenWindow::keyPressEvent(QKeyEvent* event) { loupe_.keyPressed(event->key(), event->modifiers()); }

void FrozenScreenWindow::keyReleaseEvent(QKeyEvent* event) { loupe_.modifiersChanged(event->modifiers()); }

FrozenLoupe::FrozenLoupe(const QImage& picture, QObject* parent)
    : QObject(parent)
    , picture_(picture)
    , layout_(picture.size(), ScreenPlaces())
{
    look_.shape = StoredLoupeShape();
    storedAverage_ = StoredAverageSize();
}

FrozenLoupe::~FrozenLoupe()
{
    for (const QPointer<FrozenScreenWindow>& window : windows_)
        delete window;
}

void FrozenLoupe::start()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (qsizetype i = 0; i < screens.size(); ++i)
        windows_.push_back(new FrozenScreenWindow(*this, screens[i], layout_.pictureRectOf(std::size_t(i))));
    // Where the pointer is, if the platform knows (Wayland tells a program only once the pointer is
    // over one of its windows); otherwise the middle of the first screen.
    const QPoint pointer = QCursor::pos();
    bool pointerOnScreen = false;
    for (const QScreen* screen : screens)
        pointerOnScreen = pointerOnScreen || screen->geometry().contains(pointer);
    pixel_
        = pointerOnScreen ? layout_.pixelAt(QPointF(pointer) + QPointF(0.5, 0.5)) : layout_.pictureRectOf(0).center();
    for (const QPointer<FrozenScreenWindow>& window : windows_)
        window->showFullScreen();
    const auto here = layout_.screenOf(pixel_);
    if (FrozenScreenWindow* window = windows_.empty() ? nullptr : windows_[here.value_or(0)].data()) {
        window->activateWindow();
        window->setFocus();
    }
    refresh();
}

void FrozenLoupe::pointerMovedTo(QPointF position, Qt::KeyboardModifiers modifiers)
{
    modifiers_ = modifiers;
    moveTo(layout_.pixelAt(position));
}

void FrozenLoupe::pressedAt(QPointF position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (done_)
        return;
    if (button == Qt::RightButton) {
        finish();
        emit cancelled();
        return;
    }
    if (button != Qt::LeftButton)
        return;
    modifiers_ = modifiers;
    pixel_ = layout_.pixelAt(position);
    pickHere();
}

void FrozenLoupe::wheelTurned(int angleDeltaY)
{
    look_.zoom = LoupeZoomAfter(look_.zoom, angleDeltaY);
    refresh();
}

void FrozenLoupe::keyPressed(int key, Qt::KeyboardModifiers modifiers)
{
    if (done_)
        return;
    modifiers_ = modifiers;
    const LoupeKey read = ReadLoupeKey(key, modifiers);
    switch (read.command) {
    case LoupeCommand::Cancel:
        finish();
        emit cancelled();
        return;
    case LoupeCommand::Pick:
        pickHere();
        return;
    case LoupeCommand::Move:
        // Past the edge the loupe stops at the last pixel of the screens.
        moveTo(NearestPixelOn(layout_.pictureRects(), pixel_ + read.step));
        return;
    case LoupeCommand::None:
        refresh(); // Ctrl or Shift went down: the outlined square changes
        return;
    }
}

void FrozenLoupe::modifiersChanged(Qt::KeyboardModifiers modifiers)
{
    modifiers_ = modifiers;
    refresh();
}

void FrozenLoupe::moveTo(QPoint pixel)
{
    pixel_ = pixel;
    refresh();
}

void FrozenLoupe::refresh()
{
    if (done_)
        return;
    look_.averageSize = LoupeAverageSize(modifiers_, storedAverage_);
    const int size = LoupePatchSize(look_.zoom);
    patch_ = picture_.patchAround(pixel_, size);
    const auto here = layout_.screenOf(pixel_);
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        FrozenScreenWindow* window = windows_[i];
        if (!window)
            continue;
        if (!here || *here != i) {
            window->setLoupeRect({});
            continue;
        }
        look_.devicePixelRatio = window->shownScreen()->devicePixelRatio();
        const QRectF bounds = LoupeBounds(size, look_);
        const QPointF at = layout_.logicalCentreOf(pixel_) - QPointF(window->shownScreen()->geometry().topLeft());
        // The same placement as the live loupe's: whole on the screen, never over the pixel it reads.
        window->setLoupeRect(
            QRectF(PlaceLoupe(at, bounds.size(), QRectF(QPointF(), window->size()), kLoupeOffset), bounds.size()));
    }
}

void FrozenLoupe::paintLoupe(QPainter& painter, const FrozenScreenWindow& window) const
{
    const QPointF topLeft = window.loupeRect().topLeft();
    const int size = patch_.size();
    // Only the loupe's shape: the picture stays around a round loupe.
    painter.setClipRegion(LoupeRegion(topLeft, size, look_));
    const Color picked = patch_.pickedColor(look_.averageSize);
    // The position is the picture's pixel: the screen's device pixel when the portal took the
    // picture at the screen's scale.
    PaintLoupe(painter, topLeft, patch_.pixels, picked, look_, {pixel_, LoupeCodeText(codeWriter_, picked)});
}

// Picks what the loupe shows; a pixel off the picture is never reported as a colour.
void FrozenLoupe::pickHere()
{
    refresh();
    const Color color = picture_.patchAround(pixel_, 5).pickedColor(LoupeAverageSize(modifiers_, storedAverage_));
    finish();
    if (color == Color::none()) {
        emit failed(QStringLiteral("The loupe has no picture at (%1, %2).").arg(pixel_.x()).arg(pixel_.y()));
        return;
    }
    emit picked(color);
}

void FrozenLoupe::finish()
{
    done_ = true;
    for (const QPointer<FrozenScreenWindow>& window : windows_)
        if (window)
            window->hide();
}

} // namespace pelmora

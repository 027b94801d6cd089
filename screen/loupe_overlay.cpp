#include "screen/loupe_overlay.h"

#include "screen/loupe_input.h"
#include "screen/loupe_placement.h"
#include "screen/pixel_source.h"
#include "screen/screen_pick_settings.h"
#include "screen/x11_pointer.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace pelmora {
namespace {

constexpr int kInputGrabTries = 100; // every 10 ms: a second for the window to be mapped
constexpr int kSettleMs = 40; // windows uncovered by the loupe's move need a moment to repaint

} // namespace

LoupeOverlay::LoupeOverlay(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint)
{
    setWindowTitle(QStringLiteral("Pelmora screen picker"));
    setAccessibleName(QStringLiteral("Screen colour loupe"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    look_.shape = StoredLoupeShape();
    storedAverage_ = StoredAverageSize();

    inputGrabRetry_.setInterval(10);
    connect(&inputGrabRetry_, &QTimer::timeout, this, &LoupeOverlay::takeInput);
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &LoupeOverlay::refresh);
}

void LoupeOverlay::start()
{
    const auto pointer = X11PointerPosition();
    if (!pointer) {
        QMetaObject::invokeMethod(
            this,
            [this] { emit failed(QStringLiteral("The loupe cannot find the pointer: this is not an X11 display.")); },
            Qt::QueuedConnection);
        done_ = true;
        return;
    }
    learnScreens();
    placeOnScreenOf(*pointer);
    show();
    grabAttempts_ = 0;
    inputGrabRetry_.start();
    followPointer(*pointer);
}

void LoupeOverlay::learnScreens()
{
    screens_.clear();
    for (QScreen* screen : QGuiApplication::screens()) {
        const int screenNumber = X11ScreenNumberOf(screen).value_or(0);
        const QRect root = X11ScreenRect(screenNumber).value_or(QRect(QPoint(), screen->virtualSize() * 4));
        screens_.push_back({screen, screenNumber, DeviceRectOf(screen->geometry(), screen->devicePixelRatio(), root)});
    }
}

void LoupeOverlay::placeOnScreenOf(X11Pointer pointer)
{
    const ScreenArea* area = nullptr;
    for (const ScreenArea& candidate : screens_) {
        if (candidate.screenNumber != pointer.screenNumber)
            continue;
        if (!area || candidate.pixels.contains(pointer.position))
            area = &candidate;
        if (candidate.pixels.contains(pointer.position))
            break;
    }
    QScreen* screen = area ? area->screen : QGuiApplication::primaryScreen();
    if (screen == screen_)
        return;
    const bool otherRoot = screen_ && pointer.screenNumber != screenNumber_;
    screen_ = screen;
    screenNumber_ = pointer.screenNumber;
    scale_ = {screen->geometry().topLeft(), screen->devicePixelRatio()};
    look_.devicePixelRatio = scale_.factor;
    // A window lives on one X screen: onto another one it is made anew and must take the input again.
    setScreen(screen);
    setGeometry(screen->geometry());
    if (otherRoot && isVisible()) {
        show();
        grabAttempts_ = 0;
        inputGrabRetry_.start();
    }
}

QPoint LoupeOverlay::keptOnScreens(QPoint devicePixel) const
{
    std::vector<QRect> here;
    for (const ScreenArea& area : screens_)
        if (area.screenNumber == screenNumber_)
            here.push_back(area.pixels);
    return NearestPixelOn(here, devicePixel);
}

void LoupeOverlay::takeInput()
{
    QWindow* window = windowHandle();
    // A grab fails until the server has mapped the window.
    const bool grabbed
        = window && isVisible() && window->setMouseGrabEnabled(true) && window->setKeyboardGrabEnabled(true);
    if (grabbed) {
        inputGrabRetry_.stop();
        activateWindow();
        setFocus();
        return;
    }
    if (++grabAttempts_ >= kInputGrabTries) {
        inputGrabRetry_.stop();
        if (window)
            window->setMouseGrabEnabled(false);
        hide();
        done_ = true;
        emit failed(QStringLiteral("The loupe could not take the pointer and keyboard: another program holds them."));
    }
}

void LoupeOverlay::followPointer(X11Pointer pointer)
{
    placeOnScreenOf(pointer);
    pointer_ = pointer.position;
    refresh();
    settle_.start();
}

void LoupeOverlay::refresh()
{
    if (!screen_ || done_)
        return;
    look_.averageSize = averageSize(modifiers_);
    const int size = LoupePatchSize(look_.zoom);
    const QPoint onScreen = pointer_ - scale_.origin;
    patch_ = LiveScreen(screen_).patchAround(onScreen, size);

    // Beside the pointer, on whichever side has room, and never over the pixels it reads: the
    // window covers the pointer's screen.
    const QSizeF loupeSize = LoupeBounds(size, look_).size();
    const QPointF at = LogicalCentreOf(pointer_, scale_) - QPointF(geometry().topLeft());
    loupeRect_ = QRectF(PlaceLoupe(at, loupeSize, rect(), kLoupeOffset), loupeSize);
    if (const QRegion shape = LoupeRegion(loupeRect_.topLeft(), size, look_); shape != mask())
        setMask(shape);
    update(loupeRect_.toAlignedRect().adjusted(-1, -1, 1, 1));
}

X11Pointer LoupeOverlay::pointerPixel(QPointF eventPosition) const
{
    // Qt 6.4 rounds the pointer's position to whole logical pixels before it reaches an event (at
    // scale 2, device pixels 101 and 102 both arrive as 51): the server knows the true position.
    return X11PointerPosition().value_or(X11Pointer{DevicePixelAt(eventPosition, scale_), screenNumber_});
}

int LoupeOverlay::averageSize(Qt::KeyboardModifiers modifiers) const
{
    return LoupeAverageSize(modifiers, storedAverage_);
}

void LoupeOverlay::paintEvent(QPaintEvent*)
{
    if (patch_.pixels.isNull())
        return;
    QPainter painter(this);
    const Color picked = patch_.pickedColor(look_.averageSize);
    PaintLoupe(
        painter, loupeRect_.topLeft(), patch_.pixels, picked, look_, {pointer_, LoupeCodeText(codeWriter_, picked)});
}

void LoupeOverlay::mouseMoveEvent(QMouseEvent* event)
{
    modifiers_ = event->modifiers();
    followPointer(pointerPixel(event->globalPosition()));
}

void LoupeOverlay::mousePressEvent(QMouseEvent* event)
{
    if (done_)
        return;
    if (event->button() == Qt::RightButton) {
        finish();
        emit cancelled();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    modifiers_ = event->modifiers();
    const X11Pointer pointer = pointerPixel(event->globalPosition());
    placeOnScreenOf(pointer);
    pointer_ = pointer.position;
    pickHere();
}

void LoupeOverlay::wheelEvent(QWheelEvent* event)
{
    if (event->angleDelta().y() / 120 == 0)
        return;
    look_.zoom = LoupeZoomAfter(look_.zoom, event->angleDelta().y());
    update(loupeRect_.toAlignedRect().adjusted(-1, -1, 1, 1));
    refresh();
}

void LoupeOverlay::keyPressEvent(QKeyEvent* event)
{
    if (done_)
        return;
    modifiers_ = event->modifiers();
    const LoupeKey key = ReadLoupeKey(event->key(), event->modifiers());
    if (key.command == LoupeCommand::Cancel) {
        finish();
        emit cancelled();
        return;
    }
    if (key.command == LoupeCommand::Pick) {
        pickHere();
        return;
    }
    if (key.command != LoupeCommand::Move) {
        refresh(); // Ctrl or Shift went down: the outlined square changes
        return;
    }
    // Past the edge the pointer stops, as the server stops it: the loupe stays with it.
    const QPoint target = keptOnScreens(pointer_ + key.step);
    // The warp's own motion event follows; until it arrives the loupe already shows the target.
    WarpX11Pointer(target, screenNumber_);
    followPointer({target, screenNumber_});
}

void LoupeOverlay::keyReleaseEvent(QKeyEvent* event)
{
    modifiers_ = event->modifiers();
    refresh();
}

// Picks what the loupe shows, read fresh; a pixel that could not be read is never reported as a colour.
void LoupeOverlay::pickHere()
{
    refresh();
    const Color color = patch_.pickedColor(averageSize(modifiers_));
    finish();
    if (color == Color::none()) {
        emit failed(
            QStringLiteral("The loupe could not read the screen at (%1, %2).").arg(pointer_.x()).arg(pointer_.y()));
        return;
    }
    emit picked(color);
}

void LoupeOverlay::finish()
{
    done_ = true;
    inputGrabRetry_.stop();
    settle_.stop();
    if (QWindow* window = windowHandle()) {
        window->setKeyboardGrabEnabled(false);
        window->setMouseGrabEnabled(false);
    }
    hide();
}

} // namespace pelmora

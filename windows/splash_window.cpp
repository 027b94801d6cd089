#include "windows/splash_window.h"

#include "platform/centre_window.h"
#include "platform/version_record.h"
#include "windows/artwork.h"
#include "windows/branding.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPixmap>
#include <QTimer>

#include <functional>
#include <utility>

namespace pelmora {

namespace {

// A picture label that draws its picture only when it is first painted. Drawing the artwork takes
// longer than putting the window on the screen (the font database alone is several milliseconds),
// so the splash is mapped first and the picture is ready for the window's first paint.
class DeferredPictureLabel final : public QLabel {
public:
    DeferredPictureLabel(QWidget* parent, std::function<QImage()> draw)
        : QLabel(parent)
        , draw_(std::move(draw))
    {
    }

    // Lets go of the picture while the window is off the screen; it is drawn again if it comes back.
    void releasePicture()
    {
        if (!drawn_)
            return;
        drawn_ = false;
        clear();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (!drawn_) {
            drawn_ = true;
            // The paint under way shows the new picture; no further repaint is needed for it.
            setAttribute(Qt::WA_UpdatesDisabled, true);
            setPixmap(QPixmap::fromImage(draw_()));
            setAttribute(Qt::WA_UpdatesDisabled, false);
        }
        QLabel::paintEvent(event);
    }

private:
    std::function<QImage()> draw_;
    bool drawn_ = false;
};

} // namespace

SplashWindow::SplashWindow(const Branding& branding, int tickMs)
    // A splash-type window: no frame, and the task bars of X11 desktops leave it out.
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , tickTimer_(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(kWidth, kHeight);
    CentreOnScreen(this);
    setWindowTitle(branding.programName);

    const VersionRecord& version = ProgramVersion();
    const SplashTexts texts{branding.programName, VersionCaption(version.major, version.minor), branding.ownerName,
        QStringLiteral("Colour codes for web pages and desktop programs")};
    artwork_ = new DeferredPictureLabel(this, [size = size(), texts] { return MakeSplashArtwork(size, texts); });
    artwork_->setObjectName(QStringLiteral("Image1"));
    artwork_->setGeometry(0, 0, kWidth, kHeight);

    tickTimer_->setObjectName(QStringLiteral("Timer2"));
    tickTimer_->setTimerType(Qt::PreciseTimer);
    tickTimer_->setInterval(tickMs);
    connect(tickTimer_, &QTimer::timeout, this, &SplashWindow::onTick);
    tickTimer_->start();
}

void SplashWindow::onTick()
{
    ticks_ = static_cast<std::int16_t>(ticks_ + kTicksStep);
    if (ticks_ != kMainWindowAt)
        return;
    tickTimer_->stop();
    emit mainWindowDue();
    // Only now: the main window is on the screen, so the program is never without a window.
    hide();
    // The splash stays loaded but is not seen again this run: its picture and its window-system
    // window (with the window's own copy of its pixels) are given back until it is shown again.
    static_cast<DeferredPictureLabel*>(artwork_)->releasePicture();
    destroy();
}

} // namespace pelmora

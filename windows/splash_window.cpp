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
    , Timer2(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(kWidth, kHeight);
    CentreOnScreen(this);
    setWindowTitle(branding.strProgramName);

    const VersionRecord& version = ProgramVersion();
    const SplashTexts texts{branding.strProgramName, VersionCaption(version.major, version.minor),
        branding.strOwnerName, QStringLiteral("Colour codes for web pages and desktop programs")};
    Image1 = new DeferredPictureLabel(this, [size = size(), texts] { return MakeSplashArtwork(size, texts); });
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kWidth, kHeight);

    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setTimerType(Qt::PreciseTimer);
    Timer2->setInterval(tickMs);
    connect(Timer2, &QTimer::timeout, this, &SplashWindow::onTick);
    Timer2->start();
}

void SplashWindow::onTick()
{
    intTemp = static_cast<std::int16_t>(intTemp + kTicksStep);
    if (intTemp != kMainWindowAt)
        return;
    Timer2->stop();
    emit mainWindowDue();
    // Only now: the main window is on the screen, so the program is never without a window.
    hide();
    // The splash stays loaded but is not seen again this run: its picture and its window-system
    // window (with the window's own copy of its pixels) are given back until it is shown again.
    static_cast<DeferredPictureLabel*>(Image1)->releasePicture();
    destroy();
}

} // namespace pelmora

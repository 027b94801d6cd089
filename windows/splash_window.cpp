#include "windows/splash.h"

#include "mainwindow/form1.h"
#include "windows/artwork.h"
#include "windows/branding.h"
#include "windows/version_record.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <functional>
#include <utility>

namespace pelmora {

namespace {

QString VersionText()
{
    const VersionRecord& version = ProgramVersion();
    return QString::number(version.major) + u'.' + QString::number(version.minor);
}

// A picture label that draws its picture only when it is first painted. Drawing the artwork takes
// longer than putting the window on the screen (the font database alone is several milliseconds),
// so the splash is mapped first and the picture is ready for the window's first paint.
class DeferredPictureLabel final : public QLabel {
public:
    DeferredPictureLabel(QWidget* parent, std::function<QImage()> draw) : QLabel(parent), draw_(std::move(draw)) {}

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

frmSplash::frmSplash()
    // A splash-type window: no frame, and the task bars of X11 desktops leave it out.
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , Timer2(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));

    LoadBranding();  // 1: before any other window needs it
    const Branding& branding = ProgramBranding();
    setWindowTitle(branding.strProgramName);

    const SplashTexts texts{branding.strProgramName, VersionText(), branding.strOwnerName,
                            QStringLiteral("Colour codes for web pages and desktop programs")};
    Image1 = new DeferredPictureLabel(this, [size = size(), texts] { return MakeSplashArtwork(size, texts); });
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kWidth, kHeight);

    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setTimerType(Qt::PreciseTimer);
    Timer2->setInterval(kTickMs);
    connect(Timer2, &QTimer::timeout, this, &frmSplash::Timer2_Timer);
    Timer2->start();  // 2
}

Form1* frmSplash::mainWindow() const
{
    return mainWindow_;
}

void frmSplash::Timer2_Timer()
{
    intTemp = static_cast<std::int16_t>(intTemp + kTicksStep);
    if (intTemp != kMainWindowAt)
        return;
    Timer2->stop();
    auto* form = new Form1;
    form->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow_ = form;
    emit mainWindowLoaded(form);
    form->show();
    // Only now: the main window is on the screen, so the program is never without a window.
    hide();
    // The splash stays loaded but is not seen again this run: its picture and its window-system
    // window (with the window's own copy of its pixels) are given back until it is shown again.
    static_cast<DeferredPictureLabel*>(Image1)->releasePicture();
    destroy();
}

} // namespace pelmora

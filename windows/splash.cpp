#include "windows/splash.h"

#include "mainwindow/form1.h"
#include "windows/artwork.h"
#include "windows/branding.h"
#include "windows/version_record.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QTimer>

namespace pelmora {

namespace {

QString VersionText()
{
    const VersionRecord& version = ProgramVersion();
    return QString::number(version.major) + u'.' + QString::number(version.minor);
}

} // namespace

frmSplash::frmSplash()
    // A splash-type window: no frame, and the task bars of X11 desktops leave it out.
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , Image1(new QLabel(this))
    , Timer2(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));

    LoadBranding();  // 1: before any other window needs it
    const Branding& branding = ProgramBranding();
    setWindowTitle(branding.strProgramName);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kWidth, kHeight);
    Image1->setPixmap(QPixmap::fromImage(MakeSplashArtwork(
        size(), {branding.strProgramName, VersionText(), branding.strOwnerName,
                 QStringLiteral("Colour codes for web pages and desktop programs")})));

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
}

} // namespace pelmora

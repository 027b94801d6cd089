#include "windows/about_window.h"

#include "color/rounding.h"
#include "helpers/window_icon.h"
#include "windows/artwork.h"
#include "windows/branding.h"
#include "windows/launcher.h"
#include "windows/version_record.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>

namespace pelmora {

namespace {

QPointer<frmAbout> loadedAboutWindow;

// Placements are designed in twips; a fraction of a pixel goes to the even-nearest whole pixel.
int Pixels(int twips)
{
    return EvenNearest(twips / 15.0);
}

QRect TwipsPlace(int left, int top, int width, int height)
{
    return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

// Verdana, or the closest sans face installed, at a fixed pixel size so every display lays the
// window out alike.
QFont WindowFont(int pixelSize, bool bold)
{
    QFont font({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, QRect place, const QString& caption, const QFont& font)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The label shows the lines; the carriage returns are the scroller's business, not the reader's.
QString ShownLines(const QString& text)
{
    QString shown = text;
    shown.remove(u'\r');
    return shown;
}

} // namespace

QString VersionCaption(int major, int minor)
{
    return QString::number(major) + u'.' + QString::number(minor);
}

QString frmAbout::CreditsText()
{
    const VersionRecord& version = ProgramVersion();
    const QString product = QString::fromUtf8(version.productName);
    const QStringList lines{
        product + u' ' + VersionCaption(version.major, version.minor),
        QStringLiteral("Colour codes for web pages"),
        QStringLiteral("and desktop programs"),
        QStringLiteral("Hue, saturation, brightness"),
        QStringLiteral("216 web-safe colours"),
        QStringLiteral("224 custom colours"),
        QStringLiteral("18 colours of history"),
        QString::fromUtf8("\u00A9 ") + QString::fromUtf8(version.companyName),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

frmAbout::frmAbout()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint)
    , Timer1(new QTimer(this))
    , Timer2(new QTimer(this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);  // closing unloads: the next load starts from the design state
    setFont(WindowFont(11, false));
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    ApplyWindowIcon(this, QString::fromLatin1(kProgramIconGroup), false);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(TwipsPlace(0, 0, 7515, 1035));
    Picture1->setPixmap(QPixmap::fromImage(MakeAboutBanner(Picture1->size())));

    const QFont valueFont = WindowFont(16, true);
    Label1 = MakeLabel(Picture1, "Label1", TwipsPlace(120, 300, 5655, 435), QStringLiteral("Your Program Name"),
                       WindowFont(19, true));
    QPalette onBanner = Label1->palette();
    onBanner.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(onBanner);
    Label2 = MakeLabel(this, "Label2", TwipsPlace(180, 1260, 2295, 315), QStringLiteral("Version:"), valueFont);
    Label3 = MakeLabel(this, "Label3", TwipsPlace(180, 1680, 2295, 315), QStringLiteral("Owned By:"), valueFont);
    Label4 = MakeLabel(this, "Label4", TwipsPlace(180, 2100, 2295, 315), QStringLiteral("Website:"), valueFont);
    lblVersion = MakeLabel(this, "lblVersion", TwipsPlace(2580, 1260, 4635, 315), QStringLiteral("Version:"), valueFont);
    lblCompany = MakeLabel(this, "lblCompany", TwipsPlace(2580, 1680, 4635, 315), QStringLiteral("Owned By:"), valueFont);
    lblWebsite = MakeLabel(this, "lblWebsite", TwipsPlace(2580, 2100, 4635, 315), QStringLiteral("Website:"), valueFont);
    QPalette link = lblWebsite->palette();
    link.setColor(QPalette::WindowText, Qt::blue);
    lblWebsite->setPalette(link);
    lblWebsite->setCursor(Qt::PointingHandCursor);
    lblWebsite->installEventFilter(this);

    creditsClip = new QWidget(Picture1);
    creditsClip->setObjectName(QStringLiteral("creditsClip"));
    creditsClip->setGeometry(kCreditsClip);
    lblCredits = MakeLabel(creditsClip, "lblCredits", QRect(), QString(), WindowFont(10, false));
    lblCredits->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblCredits->setPalette(onBanner);
    scroller_.text = CreditsText();
    PlaceCredits();

    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kStartDelayMs);
    connect(Timer2, &QTimer::timeout, this, &frmAbout::Timer2_Timer);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kScrollTickMs);
    connect(Timer1, &QTimer::timeout, this, &frmAbout::Timer1_Timer);

    const VersionRecord& version = ProgramVersion();
    setWindowTitle(QStringLiteral("About ") + ProgramBranding().strProgramName);  // 1
    Label1->setText(QString::fromUtf8(version.productName));                     // 2
    lblCompany->setText(QString::fromUtf8(version.companyName));                 // 3
    lblVersion->setText(VersionCaption(version.major, version.minor));           // 4
    lblWebsite->setText(QString::fromUtf8(version.comments));                    // 5

    Timer2->start();
}

void frmAbout::Timer2_Timer()
{
    Timer1->start();
    Timer2->stop();
}

void frmAbout::Timer1_Timer()
{
    scroller_.Tick();
    PlaceCredits();
}

void frmAbout::PlaceCredits()
{
    const QString shown = ShownLines(scroller_.text);
    if (lblCredits->text() != shown)
        lblCredits->setText(shown);
    lblCredits->setGeometry(0, Pixels(scroller_.topTwips), creditsClip->width(), lblCredits->sizeHint().height());
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblWebsite && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
        && lblWebsite->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        lblWebsite_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmAbout::lblWebsite_Click()
{
    strWebRequest() = QStringLiteral("Website");
    LoadWebsiteLauncher(true);
}

frmAbout* LoadAboutWindow()
{
    if (!loadedAboutWindow)
        loadedAboutWindow = new frmAbout;
    return loadedAboutWindow;
}

frmAbout* LoadedAboutWindow()
{
    return loadedAboutWindow;
}

} // namespace pelmora

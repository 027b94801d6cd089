#include "windows/about_window.h"

#include "platform/centre_window.h"
#include "platform/twips.h"
#include "platform/version_record.h"
#include "platform/window_font.h"
#include "platform/window_icon.h"
#include "windows/artwork.h"
#include "windows/branding.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

namespace pelmora {

namespace {

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

QString AboutWindow::CreditsText()
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

AboutWindow::AboutWindow(const Branding& branding, int startDelayMs)
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
    , scrollTimer_(new QTimer(this))
    , startDelayTimer_(new QTimer(this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose); // closing unloads: the next load starts from the design state
    setFont(WindowFont(11));
    setFixedSize(kWidth, kHeight);
    CentreOnScreen(this);
    ApplyWindowIcon(this, QString::fromLatin1(kProgramIconGroup), false);

    banner_ = new QLabel(this);
    banner_->setObjectName(QStringLiteral("Picture1"));
    banner_->setGeometry(TwipsRect(0, 0, 7515, 1035));
    banner_->setPixmap(QPixmap::fromImage(MakeAboutBanner(banner_->size())));

    const QFont valueFont = WindowFont(16, true);
    programName_ = MakeLabel(
        banner_, "Label1", TwipsRect(120, 300, 5655, 435), QStringLiteral("Your Program Name"), WindowFont(19, true));
    QPalette onBanner = programName_->palette();
    onBanner.setColor(QPalette::WindowText, Qt::white);
    programName_->setPalette(onBanner);
    versionCaption_ = MakeLabel(this, "Label2", TwipsRect(180, 1260, 2295, 315), QStringLiteral("Version:"), valueFont);
    ownerCaption_ = MakeLabel(this, "Label3", TwipsRect(180, 1680, 2295, 315), QStringLiteral("Owned By:"), valueFont);
    websiteCaption_ = MakeLabel(this, "Label4", TwipsRect(180, 2100, 2295, 315), QStringLiteral("Website:"), valueFont);
    version_ = MakeLabel(this, "lblVersion", TwipsRect(2580, 1260, 4635, 315), QStringLiteral("Version:"), valueFont);
    owner_ = MakeLabel(this, "lblCompany", TwipsRect(2580, 1680, 4635, 315), QStringLiteral("Owned By:"), valueFont);
    websiteLink_
        = MakeLabel(this, "lblWebsite", TwipsRect(2580, 2100, 4635, 315), QStringLiteral("Website:"), valueFont);
    QPalette link = websiteLink_->palette();
    link.setColor(QPalette::WindowText, Qt::blue);
    websiteLink_->setPalette(link);
    websiteLink_->setCursor(Qt::PointingHandCursor);
    // A link for the keyboard too: Tab reaches it (underlined while it has the focus), and Enter or
    // Space opens it as a click does.
    websiteLink_->setFocusPolicy(Qt::StrongFocus);
    websiteLink_->setAccessibleDescription(QStringLiteral("Opens the web site in your browser"));
    websiteLink_->installEventFilter(this);

    creditsClip_ = new QWidget(banner_);
    creditsClip_->setObjectName(QStringLiteral("creditsClip"));
    creditsClip_->setGeometry(kCreditsClip);
    credits_ = MakeLabel(creditsClip_, "lblCredits", QRect(), QString(), WindowFont(10));
    credits_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    credits_->setPalette(onBanner);
    scroller_.text = CreditsText();
    placeCredits();

    startDelayTimer_->setObjectName(QStringLiteral("Timer2"));
    startDelayTimer_->setInterval(startDelayMs);
    connect(startDelayTimer_, &QTimer::timeout, this, &AboutWindow::onStartDelayOver);
    scrollTimer_->setObjectName(QStringLiteral("Timer1"));
    scrollTimer_->setInterval(kScrollTickMs);
    connect(scrollTimer_, &QTimer::timeout, this, &AboutWindow::onScrollTick);

    const VersionRecord& version = ProgramVersion();
    // The caption takes the branding record; the labels read the version record itself (the two
    // always agree).
    setWindowTitle(QStringLiteral("About ") + branding.programName);
    programName_->setText(QString::fromUtf8(version.productName));
    owner_->setText(QString::fromUtf8(version.companyName));
    version_->setText(VersionCaption(version.major, version.minor));
    websiteLink_->setText(QString::fromUtf8(version.comments));

    startDelayTimer_->start();
}

void AboutWindow::onStartDelayOver()
{
    scrollTimer_->start();
    startDelayTimer_->stop();
}

void AboutWindow::onScrollTick()
{
    scroller_.Tick();
    placeCredits();
}

void AboutWindow::placeCredits()
{
    const QString shown = ShownLines(scroller_.text);
    if (credits_->text() != shown)
        credits_->setText(shown);
    credits_->setGeometry(0, TwipsToPixels(scroller_.topTwips), creditsClip_->width(), credits_->sizeHint().height());
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == websiteLink_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        QFont font = websiteLink_->font();
        font.setUnderline(event->type() == QEvent::FocusIn);
        websiteLink_->setFont(font);
    }
    if (watched == websiteLink_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            emit websiteClicked();
            return true;
        }
    }
    if (watched == websiteLink_ && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
        && websiteLink_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        emit websiteClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pelmora

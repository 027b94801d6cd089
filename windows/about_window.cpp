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
    , Timer1(new QTimer(this))
    , Timer2(new QTimer(this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose); // closing unloads: the next load starts from the design state
    setFont(WindowFont(11));
    setFixedSize(kWidth, kHeight);
    CentreOnScreen(this);
    ApplyWindowIcon(this, QString::fromLatin1(kProgramIconGroup), false);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(TwipsRect(0, 0, 7515, 1035));
    Picture1->setPixmap(QPixmap::fromImage(MakeAboutBanner(Picture1->size())));

    const QFont valueFont = WindowFont(16, true);
    Label1 = MakeLabel(
        Picture1, "Label1", TwipsRect(120, 300, 5655, 435), QStringLiteral("Your Program Name"), WindowFont(19, true));
    QPalette onBanner = Label1->palette();
    onBanner.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(onBanner);
    Label2 = MakeLabel(this, "Label2", TwipsRect(180, 1260, 2295, 315), QStringLiteral("Version:"), valueFont);
    Label3 = MakeLabel(this, "Label3", TwipsRect(180, 1680, 2295, 315), QStringLiteral("Owned By:"), valueFont);
    Label4 = MakeLabel(this, "Label4", TwipsRect(180, 2100, 2295, 315), QStringLiteral("Website:"), valueFont);
    lblVersion = MakeLabel(this, "lblVersion", TwipsRect(2580, 1260, 4635, 315), QStringLiteral("Version:"), valueFont);
    lblCompany
        = MakeLabel(this, "lblCompany", TwipsRect(2580, 1680, 4635, 315), QStringLiteral("Owned By:"), valueFont);
    lblWebsite = MakeLabel(this, "lblWebsite", TwipsRect(2580, 2100, 4635, 315), QStringLiteral("Website:"), valueFont);
    QPalette link = lblWebsite->palette();
    link.setColor(QPalette::WindowText, Qt::blue);
    lblWebsite->setPalette(link);
    lblWebsite->setCursor(Qt::PointingHandCursor);
    // A link for the keyboard too: Tab reaches it (underlined while it has the focus), and Enter or
    // Space opens it as a click does.
    lblWebsite->setFocusPolicy(Qt::StrongFocus);
    lblWebsite->setAccessibleDescription(QStringLiteral("Opens the web site in your browser"));
    lblWebsite->installEventFilter(this);

    creditsClip = new QWidget(Picture1);
    creditsClip->setObjectName(QStringLiteral("creditsClip"));
    creditsClip->setGeometry(kCreditsClip);
    lblCredits = MakeLabel(creditsClip, "lblCredits", QRect(), QString(), WindowFont(10));
    lblCredits->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblCredits->setPalette(onBanner);
    scroller_.text = CreditsText();
    PlaceCredits();

    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(startDelayMs);
    connect(Timer2, &QTimer::timeout, this, &AboutWindow::onStartDelayOver);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kScrollTickMs);
    connect(Timer1, &QTimer::timeout, this, &AboutWindow::onScrollTick);

    const VersionRecord& version = ProgramVersion();
    // The caption takes the branding record; the labels read the version record itself (the two
    // always agree).
    setWindowTitle(QStringLiteral("About ") + branding.strProgramName);
    Label1->setText(QString::fromUtf8(version.productName));
    lblCompany->setText(QString::fromUtf8(version.companyName));
    lblVersion->setText(VersionCaption(version.major, version.minor));
    lblWebsite->setText(QString::fromUtf8(version.comments));

    Timer2->start();
}

void AboutWindow::onStartDelayOver()
{
    Timer1->start();
    Timer2->stop();
}

void AboutWindow::onScrollTick()
{
    scroller_.Tick();
    PlaceCredits();
}

void AboutWindow::PlaceCredits()
{
    const QString shown = ShownLines(scroller_.text);
    if (lblCredits->text() != shown)
        lblCredits->setText(shown);
    lblCredits->setGeometry(
        0, TwipsToPixels(scroller_.topTwips), creditsClip->width(), lblCredits->sizeHint().height());
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblWebsite && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        QFont font = lblWebsite->font();
        font.setUnderline(event->type() == QEvent::FocusIn);
        lblWebsite->setFont(font);
    }
    if (watched == lblWebsite && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            emit websiteClicked();
            return true;
        }
    }
    if (watched == lblWebsite && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
        && lblWebsite->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        emit websiteClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pelmora

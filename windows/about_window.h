#pragma once
// The About window: the product name on the banner, the version, the owner and the owner's web
// address, and a credits scroller that starts ten seconds after the window opens.

#include "windows/about_scroller.h"

#include <QWidget>

class QLabel;
class QTimer;

namespace pelmora {

class frmAbout final : public QWidget {
    Q_OBJECT
public:
    // Client area 7455 x 2535 twips; the banner is 7515 x 1035 twips, a little wider than the window.
    static constexpr int kWidth = 497;
    static constexpr int kHeight = 169;
    static constexpr int kBannerWidth = 501;
    static constexpr int kBannerHeight = 69;
    static constexpr int kStartDelayMs = 10000;
    static constexpr int kScrollTickMs = 25;
    // The credits scroll inside a clip on the banner's right, four 12-pixel lines high, clear of
    // the product name.
    static constexpr QRect kCreditsClip{QPoint(297, 10), QSize(192, 48)};

    // The load steps.
    frmAbout();

    const AboutScroller& scroller() const { return scroller_; }
    // The ticks, public so that tests can drive them without waiting ten seconds.
    void Timer2_Timer();
    void Timer1_Timer();

    // The credits, one "\r\n"-terminated line each.
    static QString CreditsText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lblWebsite_Click();
    void PlaceCredits();

    QLabel* Picture1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* lblVersion;
    QLabel* lblCompany;
    QLabel* lblWebsite;
    QWidget* creditsClip;
    QLabel* lblCredits;
    QTimer* Timer1;
    QTimer* Timer2;
    AboutScroller scroller_;
};

// The version text: major "." minor, plain decimal (2 and 10 give "2.10"); no revision.
QString VersionCaption(int major, int minor);

// Loads the About window unless it is loaded already; the caller shows it. Closing the window
// unloads it, so the next call starts again from the design state.
frmAbout* LoadAboutWindow();

// The loaded About window, or nullptr once the user has closed it (or it was never loaded).
frmAbout* LoadedAboutWindow();

} // namespace pelmora

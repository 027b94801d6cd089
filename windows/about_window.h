#pragma once
// The About window: the product name on the banner, the version, the owner and the owner's web
// address, and a credits scroller that starts ten seconds after the window opens.

#include "windows/about_scroller.h"

#include <QWidget>

class QLabel;
class QTimer;

namespace pelmora {

struct Branding;

class AboutWindow final : public QWidget {
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

    // The load steps, with the caption from `branding`; the scroller starts `startDelayMs` after
    // the load. Closing the window unloads (deletes) it.
    explicit AboutWindow(const Branding& branding, int startDelayMs = kStartDelayMs);

    const AboutScroller& scroller() const { return scroller_; }
    // The ticks, public so that tests can drive them without waiting ten seconds.
    void onStartDelayOver();
    void onScrollTick();

    // The credits, one "\r\n"-terminated line each.
    static QString CreditsText();

signals:
    // The user clicked the web address: the owner's site should open in the browser.
    void websiteClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeCredits();

    QLabel* banner_;
    QLabel* programName_;
    QLabel* versionCaption_;
    QLabel* ownerCaption_;
    QLabel* websiteCaption_;
    QLabel* version_;
    QLabel* owner_;
    QLabel* websiteLink_;
    QWidget* creditsClip_;
    QLabel* credits_;
    QTimer* scrollTimer_;
    QTimer* startDelayTimer_;
    AboutScroller scroller_;
};

} // namespace pelmora

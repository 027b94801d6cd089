#pragma once
// The splash window: the first window of the program. It shows the artwork for 75 timer ticks,
// then asks for the main window (the application loads and shows it) and hides itself for the rest
// of the run.

#include <QWidget>

#include <cstdint>

class QLabel;
class QTimer;

namespace pelmora {

struct Branding;

class SplashWindow final : public QWidget {
    Q_OBJECT
public:
    // Client area 7170 x 4770 twips.
    static constexpr int kWidth = 478;
    static constexpr int kHeight = 318;
    static constexpr int kTickMs = 2; // below most platforms' timer resolution: they tick as fast as they can
    static constexpr std::int16_t kTicksStep = 2;
    static constexpr std::int16_t kMainWindowAt = 150; // ticks_ on the 75th tick

    // The load steps: takes its caption and texts from `branding` and starts tickTimer_, which ticks
    // every `tickMs` milliseconds.
    explicit SplashWindow(const Branding& branding, int tickMs = kTickMs);

    std::int16_t ticks() const { return ticks_; }

    // One tickTimer_ tick; public so that tests can drive the ticks without waiting for the timer.
    void onTick();

signals:
    // The 75th tick: the main window is due. Whoever handles this loads and shows it before the
    // splash hides, so the program is never without a window on the screen.
    void mainWindowDue();

private:
    QLabel* artwork_ = nullptr; // draws the artwork when first painted
    QTimer* tickTimer_;
    std::int16_t ticks_ = 0;
};

} // namespace pelmora

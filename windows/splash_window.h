#pragma once
// The splash window: the first window of the program. It shows the artwork for 75 timer ticks,
// then loads and shows the main window and hides itself for the rest of the run.

#include <QPointer>
#include <QWidget>

#include <cstdint>

class QLabel;
class QTimer;

namespace pelmora {

class Form1;

class frmSplash final : public QWidget {
    Q_OBJECT
public:
    // Client area 7170 x 4770 twips.
    static constexpr int kWidth = 478;
    static constexpr int kHeight = 318;
    static constexpr int kTickMs = 2;  // below most platforms' timer resolution: they tick as fast as they can
    static constexpr std::int16_t kTicksStep = 2;
    static constexpr std::int16_t kMainWindowAt = 150;  // intTemp on the 75th tick

    // The load steps: fills the branding record and starts Timer2.
    frmSplash();

    std::int16_t ticks() const { return intTemp; }
    // The main window this splash loaded, or nullptr before the 75th tick (or once it has closed).
    Form1* mainWindow() const;

    // One Timer2 tick; public so that tests can drive the ticks without waiting for the timer.
    void Timer2_Timer();

signals:
    // The main window has been loaded (its start-up has run) and is about to be shown.
    void mainWindowLoaded(pelmora::Form1* form);

private:
    QLabel* Image1 = nullptr;  // draws the artwork when first painted
    QTimer* Timer2;
    std::int16_t intTemp = 0;
    QPointer<Form1> mainWindow_;
};

} // namespace pelmora

#pragma once
// The swatches the user keeps colours in: Old and New in their frame beside the picker, and the 18
// swatches of "Color History" below it. They show the controller's colours and report clicks.

#include "color/system_colors.h"
#include "controller/color_history.h"

#include <QList>
#include <QObject>
#include <QPoint>

#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QWidget;

namespace pelmora {

class Swatch;

class HistoryStrip final : public QObject {
    Q_OBJECT
public:
    // Creates both frames on `window`.
    HistoryStrip(QWidget* window, const SystemColors& systemColors);

    void show(const ColorHistory& history);
    // Repaints every swatch, for system colour codes after a change of the desktop's colours.
    void repaint();
    // Tab's stops: Old, New, then the history newest first.
    QList<QWidget*> tabChain() const;
    // The frames that reach into the picker's mouse area, where the picker takes the clicks.
    QList<QWidget*> framesOverPicker() const;

signals:
    void swatchClicked(pelmora::SwatchRef swatch);
    // The history's context menu is wanted at `globalPos` (the swatches leave it to their frame).
    void historyMenuRequested(const QPoint& globalPos);

private:
    void watch(Swatch* swatch, SwatchRef ref);

    // The Old/New frame has no caption and overlaps the readout beside the picker; it is a plain container
    // without a border, so the readout's text stays clear of frame lines.
    QFrame* oldNewFrame_ = nullptr;
    QLabel* newCaption_ = nullptr;
    QLabel* oldCaption_ = nullptr;
    Swatch* newSwatch_ = nullptr;
    Swatch* oldSwatch_ = nullptr;
    QGroupBox* historyFrame_ = nullptr;
    std::array<Swatch*, kHistoryLength> historySwatches_{};
};

} // namespace pelmora

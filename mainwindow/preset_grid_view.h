#pragma once
// The controls that go with the preset grids: the list choosing the grid, the add swatch and "Add".
// The grids themselves are painted on the window's surface.

#include "color/color.h"
#include "color/system_colors.h"
#include "controller/picker_controller.h"

#include <QList>
#include <QObject>

class QComboBox;
class QFrame;
class QPushButton;
class QWidget;

namespace pelmora {

class Swatch;

class PresetGridView final : public QObject {
    Q_OBJECT
public:
    // Creates the controls on `window`, hidden until the grids are shown.
    PresetGridView(QWidget* window, const SystemColors& systemColors);

    // Lists the two grids, in the order of PresetGrid.
    void addGrids();
    // Shows the controls of `kind`: the list and the add swatch with any grid, "Add" with the custom one.
    void showPresentation(PresetKind kind);
    void showAddColor(Color color);
    // Repaints the add swatch, for a system colour code after a change of the desktop's colours.
    void repaint();
    // Tab's stops: the grid list, the add swatch, "Add".
    QList<QWidget*> tabChain() const;
    // The frame that reaches into the picker's mouse area, where the picker takes the clicks.
    QList<QWidget*> framesOverPicker() const;

signals:
    void gridChosen(pelmora::PresetGrid grid);
    void addClicked();
    void addSwatchClicked();

private:
    // The add frame has no caption and overlaps the readout beside the picker; it is a plain container
    // without a border, so the readout's text stays clear of frame lines.
    QFrame* addFrame_ = nullptr;
    Swatch* addSwatch_ = nullptr; // the colour "Add" stores
    QComboBox* gridList_ = nullptr;
    QPushButton* addButton_ = nullptr;
};

} // namespace pelmora

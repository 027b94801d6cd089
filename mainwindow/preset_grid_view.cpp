#include "mainwindow/preset_grid_view.h"

#include "mainwindow/control_factory.h"
#include "mainwindow/swatch.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QFrame>
#include <QPushButton>

namespace pelmora {

PresetGridView::PresetGridView(QWidget* window, const SystemColors& systemColors)
    : QObject(window)
{
    addFrame_ = MakeControl<QFrame>(window, "Frame3", TwipsRect(4440, 1680, 2715, 1515));
    addSwatch_ = new Swatch(QStringLiteral("lblADDColor"), systemColors, addFrame_);
    addSwatch_->setGeometry(120, 42, 52, 36);
    addSwatch_->setToolTip(tr("The colour \"Add\" stores in the selected cell"));
    addSwatch_->setAccessibleName(tr("Colour to add"));
    addFrame_->hide();
    gridList_ = MakeControl<QComboBox>(window, "cmbPreset", TwipsRect(4560, 1920, 2565, 315));
    gridList_->setPlaceholderText(tr("Safe Colors"));
    gridList_->setAccessibleName(tr("Preset colours"));
    gridList_->hide();
    addButton_ = MakeControl<QPushButton>(window, "cmdADD", TwipsRect(4560, 3000, 2565, 885), tr("Add"));
    addButton_->setAccessibleName(tr("Add"));
    addButton_->setAccessibleDescription(tr("Stores the colour to add in the selected custom colour cell"));
    addButton_->hide();

    connect(addButton_, &QPushButton::clicked, this, &PresetGridView::addClicked);
    connect(gridList_, &QComboBox::activated, this,
        [this](int index) { emit gridChosen(index == 0 ? PresetGrid::CustomColors : PresetGrid::SafePalette); });
    connect(addSwatch_, &Swatch::clicked, this, &PresetGridView::addSwatchClicked);
}

void PresetGridView::addGrids()
{
    gridList_->addItem(QStringLiteral("Custom..."));
    gridList_->addItem(QStringLiteral("Safe Palette (216)"));
}

void PresetGridView::showPresentation(PresetKind kind)
{
    const bool grid = kind != PresetKind::Picker;
    const bool custom = kind == PresetKind::CustomColors;
    gridList_->setVisible(grid);
    if (grid)
        gridList_->setCurrentIndex(custom ? 0 : 1);
    addFrame_->setVisible(grid);
    addButton_->setVisible(custom);
    addSwatch_->setVisible(custom);
}

void PresetGridView::showAddColor(Color color) { addSwatch_->setColor(color); }

void PresetGridView::repaint() { addSwatch_->update(); }

QList<QWidget*> PresetGridView::tabChain() const { return {gridList_, addSwatch_, addButton_}; }

QList<QWidget*> PresetGridView::framesOverPicker() const { return {addFrame_}; }

} // namespace pelmora

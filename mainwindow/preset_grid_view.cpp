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
    Frame3 = MakeControl<QFrame>(window, "Frame3", TwipsRect(4440, 1680, 2715, 1515));
    lblADDColor = new Swatch(QStringLiteral("lblADDColor"), systemColors, Frame3);
    lblADDColor->setGeometry(120, 42, 52, 36);
    lblADDColor->setToolTip(tr("The colour \"Add\" stores in the selected cell"));
    lblADDColor->setAccessibleName(tr("Colour to add"));
    Frame3->hide();
    cmbPreset = MakeControl<QComboBox>(window, "cmbPreset", TwipsRect(4560, 1920, 2565, 315));
    cmbPreset->setPlaceholderText(tr("Safe Colors"));
    cmbPreset->setAccessibleName(tr("Preset colours"));
    cmbPreset->hide();
    cmdADD = MakeControl<QPushButton>(window, "cmdADD", TwipsRect(4560, 3000, 2565, 885), tr("Add"));
    cmdADD->setAccessibleName(tr("Add"));
    cmdADD->setAccessibleDescription(tr("Stores the colour to add in the selected custom colour cell"));
    cmdADD->hide();

    connect(cmdADD, &QPushButton::clicked, this, &PresetGridView::addClicked);
    connect(cmbPreset, &QComboBox::activated, this,
        [this](int index) { emit gridChosen(index == 0 ? PresetGrid::CustomColors : PresetGrid::SafePalette); });
    connect(lblADDColor, &Swatch::clicked, this, &PresetGridView::addSwatchClicked);
}

void PresetGridView::addGrids()
{
    cmbPreset->addItem(QStringLiteral("Custom..."));
    cmbPreset->addItem(QStringLiteral("Safe Palette (216)"));
}

void PresetGridView::showPresentation(PresetKind kind)
{
    const bool grid = kind != PresetKind::Picker;
    const bool custom = kind == PresetKind::CustomColors;
    cmbPreset->setVisible(grid);
    if (grid)
        cmbPreset->setCurrentIndex(custom ? 0 : 1);
    Frame3->setVisible(grid);
    cmdADD->setVisible(custom);
    lblADDColor->setVisible(custom);
}

void PresetGridView::showAddColor(Color color) { lblADDColor->setColor(color); }

void PresetGridView::repaint() { lblADDColor->update(); }

} // namespace pelmora

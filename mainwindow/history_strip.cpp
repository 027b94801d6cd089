#include "mainwindow/history_strip.h"

#include "mainwindow/control_factory.h"
#include "mainwindow/swatch.h"
#include "platform/twips.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>

namespace pelmora {

HistoryStrip::HistoryStrip(QWidget* window, const SystemColors& systemColors)
    : QObject(window)
{
    Frame1 = MakeControl<QFrame>(window, "Frame1", TwipsRect(4500, 960, 2655, 885));
    Label3 = MakeControl<QLabel>(Frame1, "Label3", QRect(96, 6, 36, 14), tr("Old"));
    Label2 = new Swatch(QStringLiteral("Label2"), systemColors, Frame1);
    Label2->setGeometry(96, 21, 36, 32);
    Label1 = MakeControl<QLabel>(Frame1, "Label1", QRect(136, 6, 36, 14), tr("New"));
    lblSelColor = new Swatch(QStringLiteral("lblSelColor"), systemColors, Frame1);
    lblSelColor->setGeometry(136, 21, 36, 32);
    Label2->setAccessibleName(tr("Old colour"));
    lblSelColor->setAccessibleName(tr("New colour"));

    Frame5 = MakeControl<QGroupBox>(window, "Frame5", TwipsRect(60, 3960, 7095, 675), tr("Color History"));
    for (int i = 0; i < kHistoryLength; ++i) {
        Swatch* swatch = new Swatch(IndexedName("hist", i), systemColors, Frame5);
        swatch->setGeometry(13 + 25 * i, 18, 21, 21);
        swatch->setAccessibleName(tr("History colour %1").arg(i + 1));
        hist[static_cast<std::size_t>(i)] = swatch;
        watch(swatch, {SwatchRef::Kind::History, i});
    }
    watch(Label2, {SwatchRef::Kind::Old, 0});
    watch(lblSelColor, {SwatchRef::Kind::New, 0});
}

void HistoryStrip::watch(Swatch* swatch, SwatchRef ref)
{
    connect(swatch, &Swatch::clicked, this, [this, ref] { emit swatchClicked(ref); });
}

void HistoryStrip::show(const ColorHistory& history)
{
    Label2->setColor(history.oldColor);
    lblSelColor->setColor(history.newColor);
    for (std::size_t i = 0; i < hist.size(); ++i)
        hist[i]->setColor(history.kept[i]);
}

void HistoryStrip::repaint()
{
    Label2->update();
    lblSelColor->update();
    for (Swatch* swatch : hist)
        swatch->update();
}

} // namespace pelmora

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
    oldNewFrame_ = MakeControl<QFrame>(window, "Frame1", TwipsRect(4500, 960, 2655, 885));
    oldCaption_ = MakeControl<QLabel>(oldNewFrame_, "Label3", QRect(96, 6, 36, 14), tr("Old"));
    oldSwatch_ = new Swatch(QStringLiteral("Label2"), systemColors, oldNewFrame_);
    oldSwatch_->setGeometry(96, 21, 36, 32);
    newCaption_ = MakeControl<QLabel>(oldNewFrame_, "Label1", QRect(136, 6, 36, 14), tr("New"));
    newSwatch_ = new Swatch(QStringLiteral("lblSelColor"), systemColors, oldNewFrame_);
    newSwatch_->setGeometry(136, 21, 36, 32);
    oldSwatch_->setAccessibleName(tr("Old colour"));
    newSwatch_->setAccessibleName(tr("New colour"));

    historyFrame_ = MakeControl<QGroupBox>(window, "Frame5", TwipsRect(60, 3960, 7095, 675), tr("Color History"));
    for (int i = 0; i < kHistoryLength; ++i) {
        Swatch* swatch = new Swatch(IndexedName("hist", i), systemColors, historyFrame_);
        swatch->setGeometry(13 + 25 * i, 18, 21, 21);
        swatch->setAccessibleName(tr("History colour %1").arg(i + 1));
        historySwatches_[static_cast<std::size_t>(i)] = swatch;
        watch(swatch, {SwatchRef::Kind::History, i});
    }
    // The swatches leave their context menu events to the frame around them.
    historyFrame_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(historyFrame_, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& pos) { emit historyMenuRequested(historyFrame_->mapToGlobal(pos)); });
    watch(oldSwatch_, {SwatchRef::Kind::Old, 0});
    watch(newSwatch_, {SwatchRef::Kind::New, 0});
}

void HistoryStrip::watch(Swatch* swatch, SwatchRef ref)
{
    connect(swatch, &Swatch::clicked, this, [this, ref] { emit swatchClicked(ref); });
}

void HistoryStrip::show(const ColorHistory& history)
{
    oldSwatch_->setColor(history.oldColor);
    newSwatch_->setColor(history.newColor);
    for (std::size_t i = 0; i < historySwatches_.size(); ++i)
        historySwatches_[i]->setColor(history.kept[i]);
}

QList<QWidget*> HistoryStrip::tabChain() const
{
    QList<QWidget*> chain{oldSwatch_, newSwatch_};
    for (Swatch* swatch : historySwatches_)
        chain << swatch;
    return chain;
}

QList<QWidget*> HistoryStrip::framesOverPicker() const { return {oldNewFrame_, historyFrame_}; }

void HistoryStrip::repaint()
{
    oldSwatch_->update();
    newSwatch_->update();
    for (Swatch* swatch : historySwatches_)
        swatch->update();
}

} // namespace pelmora

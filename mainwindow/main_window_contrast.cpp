// The main window's contrast line: the background the current colour is compared with, the level
// its suggestion aims at, both kept between runs, and the suggestion taken as the current colour.
// A colour that becomes current here (the suggestion, or the background in a swap) takes the road
// of every colour from outside the picker, onColorFromOutside.

#include "mainwindow/main_window.h"

#include "color/shown_color.h"
#include "mainwindow/contrast_line.h"
#include "mainwindow/pasted_color.h"
#include "mainwindow/status_note.h"
#include "platform/contrast_settings.h"

#include <QClipboard>
#include <QGuiApplication>

namespace pelmora {

// The choice of an earlier run is taken as it is stored; nothing is written back at start-up.
void MainWindow::wireContrast()
{
    const ContrastChoice choice = LoadContrastChoice();
    apply(controller_.BackgroundChosen(choice.background));
    apply(controller_.ContrastAimChosen(choice.aim));

    connect(contrastLine_, &ContrastLine::backgroundChosen, this, [this](BackgroundSource source) {
        switch (source) {
        case BackgroundSource::White:
            return chooseBackground(Color::white());
        case BackgroundSource::Black:
            return chooseBackground(Color::black());
        case BackgroundSource::Old:
            return chooseBackground(ShownColor(controller_.history().oldColor, systemColors_));
        case BackgroundSource::Current:
            if (const std::optional<Color> current = controller_.colorModel().ChosenColor())
                chooseBackground(ShownColor(*current, systemColors_));
            return;
        }
    });
    connect(contrastLine_, &ContrastLine::backgroundPasted, this, &MainWindow::onBackgroundPasted);
    connect(contrastLine_, &ContrastLine::swapRequested, this, &MainWindow::onSwapWithBackground);
    connect(contrastLine_, &ContrastLine::aimChosen, this, [this](const SuggestionLevel& level) {
        apply(controller_.ContrastAimChosen(level));
        QString error;
        if (!SaveContrastAim(level, &error))
            statusNote_->showNote(tr("Your choice of level could not be remembered: %1").arg(error));
    });
    connect(contrastLine_, &ContrastLine::suggestionTaken, this, &MainWindow::onColorFromOutside);
}

void MainWindow::chooseBackground(Color background)
{
    apply(controller_.BackgroundChosen(background));
    QString error;
    if (!SaveContrastBackground(background, &error))
        statusNote_->showNote(tr("Your choice of background could not be remembered: %1").arg(error));
}

// Read as a paste onto the window reads, in every notation; a text with no colour says why on the
// note line and leaves the background as it was.
void MainWindow::onBackgroundPasted()
{
    const PastedColor pasted = ReadPastedColor(QGuiApplication::clipboard()->text(), systemColors_);
    if (!pasted.color) {
        statusNote_->showNote(pasted.problem);
        return;
    }
    statusNote_->clearNote();
    chooseBackground(ShownColor(*pasted.color, systemColors_));
    if (!pasted.remark.isEmpty())
        statusNote_->showNote(pasted.remark);
}

// The current colour becomes the background and the background the current colour.
void MainWindow::onSwapWithBackground()
{
    const std::optional<Color> current = controller_.colorModel().ChosenColor();
    if (!current)
        return;
    const Color background = controller_.contrastCheck().background();
    chooseBackground(ShownColor(*current, systemColors_));
    onColorFromOutside(background);
}

} // namespace pelmora

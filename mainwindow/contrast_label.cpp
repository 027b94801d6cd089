#include "mainwindow/contrast_label.h"

#include "notations/contrast.h"
#include "notations/named_colors.h"

namespace pelmora {

ContrastLabel::ContrastLabel(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("lblContrast"));
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setColors(std::nullopt, Color::black());
}

void ContrastLabel::setColors(std::optional<Color> color, Color oldColor)
{
    QString line;
    if (color) {
        const Contrast contrast = ContrastOf(*color, oldColor);
        line = QStringLiteral("%1 %2 \u00b7 %3")
                   .arg(QString::fromStdString(contrast.ratioText()), QString::fromStdString(contrast.levelsText()),
                       QString::fromStdString(NearestCssName(*color).text()));
    }
    if (line == text() && !accessibleName().isEmpty())
        return;
    setText(line);
    setToolTip(line);
    // The name carries the line itself, so that a screen reader reads it where it reads the label.
    setAccessibleName(
        line.isEmpty() ? tr("Contrast against Old: no colour chosen yet") : tr("Contrast against Old: %1").arg(line));
}

} // namespace pelmora

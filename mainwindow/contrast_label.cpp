#include "mainwindow/contrast_label.h"

#include "notations/contrast.h"
#include "notations/named_colors.h"

namespace pelmora {

ContrastLabel::ContrastLabel(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("lblContrast"));
    setAccessibleName(tr("Contrast of New against Old, and the name of New"));
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setColors(Color::black(), Color::black());
}

void ContrastLabel::setColors(Color newColor, Color oldColor)
{
    const Contrast contrast = ContrastOf(newColor, oldColor);
    setText(QStringLiteral("%1 %2  %3")
                .arg(QString::fromStdString(contrast.ratioText()), QString::fromStdString(contrast.levelsText()),
                    QString::fromStdString(NearestCssName(newColor).text())));
}

} // namespace pelmora

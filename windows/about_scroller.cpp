#include "windows/about_scroller.h"

namespace pelmora {

QString RotateFirstLine(const QString& text)
{
    static const QString kLineBreak = QStringLiteral("\r\n");
    const qsizetype lineBreak = text.indexOf(kLineBreak);
    if (lineBreak < 0)
        return text;
    const qsizetype restStart = lineBreak + kLineBreak.size();
    return text.mid(restStart) + text.left(restStart);
}

void AboutScroller::Tick()
{
    if (scrollStep < kStepsPerLine) {
        topTwips -= kStepTwips;
        ++scrollStep;
        return;
    }
    text = RotateFirstLine(text);
    topTwips += scrollStep * kStepTwips;
    scrollStep = 0;
}

} // namespace pelmora

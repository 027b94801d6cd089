#pragma once
// The About window's credits scroller, apart from its timer and widget so every step can be
// checked on its own: 18 ticks move the text up one 180-twip line, the 19th sends the first line
// to the end and drops the text back, so the next line takes its place without a visible jump.

#include <QString>

namespace pelmora {

// The text with its first line, together with its whole "\r\n", moved to the end. A text without
// any "\r\n" comes back unchanged; every line stays intact and the length never changes.
QString RotateFirstLine(const QString& text);

struct AboutScroller {
    static constexpr int kStepTwips = 10;
    static constexpr int kStepsPerLine = 18;

    int scrollStep = 0;
    int topTwips = 0; // the element's top in twips: whole pixels would lose the 2/3-pixel steps
    QString text;

    // One tick of the About window's scroll timer.
    void Tick();
};

} // namespace pelmora

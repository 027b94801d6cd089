#pragma once
// The program's own artwork for the splash and the About banner, drawn at run time from the
// picker's renderers, so the pictures show exactly the colours the program itself paints.

#include <QImage>
#include <QString>

namespace pelmora {

struct SplashTexts {
    QString programName;
    QString version; // "2.1"
    QString owner;
    QString tagline;
};

// The Brightness-mode field (every hue, white to full colour) spread over `size`, darkened toward
// the bottom for the texts, with the program's name, version, owner and tagline on it.
QImage MakeSplashArtwork(QSize size, const SplashTexts& texts);

// The hue strip laid out left to right over `size`, shaded darker on the left where the product
// name sits, with a fine highlight along the top and a shadow along the bottom.
QImage MakeAboutBanner(QSize size);

} // namespace pelmora

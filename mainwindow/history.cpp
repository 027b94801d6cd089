// The Old/New swatches and the colour history.

#include "color/code_formats.h"
#include "mainwindow/form1.h"
#include "mainwindow/swatch.h"

namespace pelmora {

void Form1::Command1_Click()
{
    const Color kept = lblSelColor->color();
    Label2->setColor(kept);
    for (std::size_t i = hist.size() - 1; i > 0; --i)
        hist[i]->setColor(hist[i - 1]->color());
    hist[0]->setColor(kept);
}

// Shows a swatch's colour in the code fields and the readout; the New colour stays as it is.
void Form1::Swatch_Click(const Swatch* swatch)
{
    const Channels rgb = model_.SplitColor(swatch->color());
    DrawColorReadout(rgb, GetHexVal(rgb.r, rgb.g, rgb.b));
}

} // namespace pelmora

#pragma once
// Palette files on disk for the window and the command line: the file dialog's filters, the format a
// chosen file stands for, reading one into the custom colours, and writing one all at once.

#include "palette/palette_cells.h"
#include "palette/palette_formats.h"

#include <QString>

#include <optional>
#include <span>

namespace pelmora {

// For QFileDialog::getSaveFileName: one filter per writable format, "GIMP palette (*.gpl)" first.
QString PaletteExportFilters();
// For QFileDialog::getOpenFileName: all palettes together first, then one filter per format.
QString PaletteImportFilters();

// The format of a file chosen in a dialog: its extension when it names one, else the chosen filter.
std::optional<PaletteFormat> PaletteFormatForFile(const QString& path, const QString& selectedFilter);

// `path` with the format's extension added when it has none (a dialog may return a bare name).
QString WithPaletteExtension(const QString& path, PaletteFormat format);

// Writes the palette through QSaveFile: the previous file stays intact unless the new one is
// complete. On failure returns false and sets `error` to a sentence naming the file and the reason.
bool WritePaletteFile(const QString& path, PaletteFormat format, const Palette& palette, QString* error);

struct PaletteFileImport {
    bool imported = false;
    QString message; // what was imported and what was left out, or why nothing was
    Placement placement;
};

// Reads the palette at `path` (its format by extension, else by its content) and places its colours
// into `cells` from `startCell` on. `cells` is unchanged unless `imported`; the caller saves them.
PaletteFileImport ImportPaletteFile(
    const QString& path, std::span<Color> cells, int startCell, const ColorReader& reader = ReadColorNotationDefault());

} // namespace pelmora

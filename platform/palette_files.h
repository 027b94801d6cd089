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

// The extension (without its dot) that a bare name chosen under `selectedFilter` takes: the
// filter's format's, "gpl" when the filter names no format that can be written.
QString PaletteExtensionForFilter(const QString& selectedFilter);

// Writes the palette to the file the user named, through ReplaceRegularFile: the previous file stays
// intact unless the new one is complete, and only a missing file, a regular file of the user's own
// or the user's own link to one is replaced; its folder must exist. On failure returns false and
// sets `error` to a sentence naming the file and the reason.
bool WritePaletteFile(const QString& path, PaletteFormat format, const Palette& palette, QString* error);

struct PaletteFileImport {
    bool imported = false;
    QString message; // what was imported and what was left out, or why nothing was
    Placement placement;
};

// Reads the palette at `path` (a regular file, or a link to one: a FIFO or device is refused, not
// waited on; its format by extension, else by its content) and places its colours
// into `cells` from `startCell` on. `cells` is unchanged unless `imported`; the caller saves them.
PaletteFileImport ImportPaletteFile(
    const QString& path, std::span<Color> cells, int startCell, const ColorReader& reader = ReadColorNotationDefault());

} // namespace pelmora

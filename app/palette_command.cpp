#include "app/palette_command.h"

#include "app/checked_output.h"
#include "app/terminal_text.h"
#include "platform/palette_files.h"
#include "platform/regular_file.h"
#include "platform/user_colors_file.h"

#include <QCoreApplication>

#include <charconv>
#include <iostream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace pelmora {

const std::string_view kPaletteUsage
    = "Usage: pelmora palette export [--format FORMAT] [--set-only] [FILE]\n"
      "       pelmora palette import [--cell N] FILE\n"
      "\n"
      "export writes the custom colours (all 224 cells, or with --set-only the cells set\n"
      "by Add or an import, black ones included) to FILE, or to standard output without\n"
      "FILE. FORMAT is one of\n"
      "  gpl    GIMP palette\n"
      "  ase    Adobe swatch exchange\n"
      "  css    CSS custom properties (:root { --name: #rrggbb; })\n"
      "  json   {\"name\", \"columns\", \"colors\": [{\"name\", \"hex\", \"rgb\"}]}\n"
      "  hex    one #RRGGBB a line\n"
      "and may be left out when FILE ends in .gpl, .ase, .css, .json or .txt. Colours are\n"
      "named by their CSS name when they have one, otherwise \"cell N\". System colours\n"
      "use a fixed light theme, not the desktop's.\n"
      "FILE is replaced only once the new one is written in full, and only when it is a\n"
      "regular file or a link of your own to one; a FIFO, a device or another user's link\n"
      "is refused. An unreadable custom colours file is refused, not exported as black.\n"
      "\n"
      "import reads a .gpl, .ase, .css, .json or .txt file (in .css and .txt every colour\n"
      "may be written in any notation `pelmora codes` reads, and as #RGB) into the custom\n"
      "colours from cell N on (1 when not given) and saves just those cells into the\n"
      "custom colours file as it is, taking turns with a running window. Colours beyond\n"
      "cell 224 are left out, and the message says how many. A file that cannot be read\n"
      "changes nothing; a FIFO or a device is refused at once, not read.\n"
      "\n"
      "Exit status: 0; 1 when the output could not be written; 2 with a message naming the\n"
      "bad file, line or option.\n";

namespace {

struct Options {
    std::optional<PaletteFormat> format;
    bool setOnly = false;
    std::optional<int> cell;
    std::vector<std::string_view> files;
};

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::optional<int> WholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Reads the words after the sub-command; an error text for a bad option.
std::optional<std::string> ParseOptions(std::span<const std::string_view> args, bool exporting, Options& options)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (optionsEnded || !arg.starts_with("--") || arg == "-") {
            options.files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (exporting && arg == "--format") {
            if (!hasValue || !(options.format = PaletteFormatFromKeyword(args[i + 1])))
                return "--format needs one of gpl, ase, css, json, hex";
            ++i;
        } else if (exporting && arg == "--set-only") {
            options.setOnly = true;
        } else if (!exporting && arg == "--cell") {
            if (!hasValue || !(options.cell = WholeNumber(args[i + 1])) || *options.cell < 1 || *options.cell > 224)
                return "--cell needs a cell number from 1 to 224";
            ++i;
        } else {
            return "unknown option '" + PrintableText(arg) + "'";
        }
    }
    if (options.files.size() > 1)
        return "one FILE at most";
    if (!exporting && options.files.empty())
        return "import needs a FILE";
    return std::nullopt;
}

int RunExport(const Options& options, const UserColorsFile& colorsFile, std::ostream& out, std::ostream& err)
{
    std::optional<PaletteFormat> format = options.format;
    const QString path = options.files.empty() ? QString() : FromUtf8(options.files[0]);
    if (!format && !path.isEmpty())
        format = PaletteFormatForFile(path, QString());
    if (!format) {
        err << "pelmora palette: choose a format with --format gpl|ase|css|json|hex\n";
        return 2;
    }
    // Loading gives black for a file it cannot read, which suits the grid; an export would pass 224
    // blacks off as the user's colours.
    if (const QString why = ReadRegularFile(colorsFile.path(), 0).error; !why.isEmpty()) {
        err << "pelmora palette: cannot read the custom colours in \"" << colorsFile.path().toStdString()
            << "\": " << why.toStdString() << '\n';
        return 2;
    }
    const CustomColors cells = colorsFile.LoadCells();
    const Palette palette
        = PaletteFromCells(cells.colors, options.setOnly ? CellSelection::SetOnly : CellSelection::All,
            DefaultSystemColors(), CssColorName, cells.blackSet);
    if (path.isEmpty()) {
        out << WritePalette(*format, palette);
        return 0;
    }
    QString error;
    if (!WritePaletteFile(path, *format, palette, &error)) {
        err << "pelmora palette: " << PrintableText(error.toStdString()) << '\n';
        return 2;
    }
    return 0;
}

int RunImport(const Options& options, const UserColorsFile& colorsFile, std::ostream& out, std::ostream& err)
{
    // Placed into a scratch grid, then only the placed cells are stored into the file as it is under
    // its lock, as the window's Import does: what another copy saves meanwhile stays.
    UserColorArray cells{};
    const int startCell = options.cell.value_or(1);
    const PaletteFileImport import = ImportPaletteFile(FromUtf8(options.files[0]), cells, startCell);
    if (!import.imported) {
        err << "pelmora palette: " << PrintableText(import.message.toStdString()) << '\n'; // quotes the file
        return 2;
    }
    QString error;
    const std::span<const Color> placed(cells.data() + startCell, import.placement.placed);
    if (colorsFile.StoreCells(startCell, placed, &error))
        out << import.message.toStdString() << '\n';
    if (!error.isEmpty()) {
        err << "pelmora palette: " << PrintableText(error.toStdString()) << '\n';
        return 2;
    }
    return 0;
}

int RunAction(
    std::span<const std::string_view> args, const UserColorsFile& colorsFile, std::ostream& out, std::ostream& err)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? err : out) << kPaletteUsage;
        return args.empty() ? 2 : 0;
    }
    const std::string_view action = args[0];
    if (action != "export" && action != "import") {
        err << "pelmora palette: unknown action '" << PrintableText(action)
            << "'; use export or import (see pelmora palette --help)\n";
        return 2;
    }
    Options options;
    if (const auto error = ParseOptions(args.subspan(1), action == "export", options)) {
        err << "pelmora palette " << action << ": " << *error << " (see pelmora palette --help)\n";
        return 2;
    }
    return action == "export" ? RunExport(options, colorsFile, out, err) : RunImport(options, colorsFile, out, err);
}

} // namespace

int RunPaletteCommand(
    std::span<const std::string_view> args, const UserColorsFile& colorsFile, std::ostream& out, std::ostream& err)
{
    return FinishOutput(out, err, "pelmora palette", RunAction(args, colorsFile, out, err));
}

int RunPaletteCommandForThisProgram(int argc, char** argv)
{
    // The custom colours file is found beside the program, which Qt knows once it has an application.
    QCoreApplication application(argc, argv);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return RunPaletteCommand(std::span(args).subspan(1), UserColorsFile::ForThisProgram(), std::cout, std::cerr);
}

} // namespace pelmora

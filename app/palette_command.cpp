#include "app/palette_command.h"

#include "app/terminal_text.h"
#include "mainwindow/palette_files.h"
#include "mainwindow/user_colors_file.h"

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
      "export writes the custom colours (all 224 cells, or with --set-only the cells that\n"
      "are not 0) to FILE, or to standard output without FILE. FORMAT is one of\n"
      "  gpl    GIMP palette\n"
      "  ase    Adobe swatch exchange\n"
      "  css    CSS custom properties (:root { --name: #rrggbb; })\n"
      "  json   {\"name\", \"columns\", \"colors\": [{\"name\", \"hex\", \"rgb\"}]}\n"
      "  hex    one #RRGGBB a line\n"
      "and may be left out when FILE ends in .gpl, .ase, .css, .json or .txt. Colours are\n"
      "named by their CSS name when they have one, otherwise \"cell N\". System colours\n"
      "use a fixed light theme, not the desktop's.\n"
      "\n"
      "import reads a .gpl, .ase, .css, .json or .txt file (in .css and .txt every colour\n"
      "may be written in any notation `pelmora codes` reads, and as #RGB) into the custom\n"
      "colours from cell N on (1 when not given) and saves them. Colours beyond cell 224\n"
      "are left out, and the message says how many. A file that cannot be read changes\n"
      "nothing.\n"
      "\n"
      "Exit status: 0, or 2 with a message naming the bad file, line or option.\n";

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
    const UserColorArray cells = colorsFile.Load();
    const Palette palette = PaletteFromCells(
        cells, options.setOnly ? CellSelection::SetOnly : CellSelection::All, DefaultSystemColors(), CssColorName);
    if (path.isEmpty()) {
        out << WritePalette(*format, palette);
        return out.good() ? 0 : 2;
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
    UserColorArray cells = colorsFile.Load();
    const int startCell = options.cell.value_or(1);
    const PaletteFileImport import = ImportPaletteFile(FromUtf8(options.files[0]), cells, startCell);
    if (!import.imported) {
        err << "pelmora palette: " << PrintableText(import.message.toStdString()) << '\n'; // quotes the file
        return 2;
    }
    QString error;
    if (!colorsFile.Save(cells, &error)) {
        err << "pelmora palette: " << PrintableText(error.toStdString()) << '\n';
        return 2;
    }
    out << import.message.toStdString() << '\n';
    return 0;
}

} // namespace

int RunPaletteCommand(
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

int RunPaletteCommandForThisProgram(int argc, char** argv)
{
    // The custom colours file is found beside the program, which Qt knows once it has an application.
    QCoreApplication application(argc, argv);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return RunPaletteCommand(std::span(args).subspan(1), UserColorsFile::ForThisProgram(), std::cout, std::cerr);
}

} // namespace pelmora

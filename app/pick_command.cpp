#include "app/pick_command.h"

#include "app/checked_output.h"
#include "app/clipboard_keeper.h"
#include "app/codes_command.h"
#include "app/display_check.h"
#include "app/terminal_text.h"
#include "color/code_formats.h"
#include "color/system_colors.h"
#include "notations/code_writer.h"
#include "notations/notation_table.h"
#include "platform/notation_settings.h"
#include "screen/screen_pick_messages.h"
#include "screen/screen_picker.h"
#include "screen/session_bus_probe.h"

#include <QApplication>

#include <array>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

const std::string_view kPickUsage
    = "Usage: pelmora pick [--json | --format NOTATION] [--copy]\n"
      "                    [--via auto|x11|portal|screenshot]\n"
      "\n"
      "Picks one colour from anywhere on the screen and prints its codes as\n"
      "`pelmora codes` does. On X11 a loupe follows the pointer: click, Enter or Space\n"
      "picks, Esc or a right click cancels, the arrow keys move by one pixel (Shift: ten),\n"
      "the wheel zooms, Ctrl averages 3 x 3 pixels (Ctrl+Shift 5 x 5). Below the pixels\n"
      "it shows the position, the zoom and the code in the --format notation (else the\n"
      "one chosen in the main window). On Wayland the desktop portal takes a screenshot\n"
      "and the same loupe runs on it, full-screen, frozen; when the portal gives no\n"
      "screenshot, its own picker lets you pick and a line on standard error says why.\n"
      "Only the portal uses the session bus, and a bus that does not answer within 3 s\n"
      "makes it fail.\n"
      "\n"
      "  --json             print the codes as JSON, as `pelmora codes --json` does\n"
      "  --format NOTATION  print only one code: html (#RRGGBB), rgb (RGB(r, g, b)),\n"
      "                     decimal, hex (&HBBGGRR&), or any name of pelmora codes --formats\n"
      "                     (oklch, hsl, qcolor, ...)\n"
      "  --copy             also put the code on the clipboard (the --format code, else\n"
      "                     the HTML code); it stays there after pelmora has ended\n"
      "  --via WAY          auto (the screenshot loupe, else the portal, on Wayland; the\n"
      "                     live loupe on X11), x11, portal (the portal's own picker) or\n"
      "                     screenshot (the loupe on a screenshot, no other way)\n"
      "\n"
      "Exit status: 0 picked, 1 cancelled, 2 when picking is impossible here (no\n"
      "display, no desktop portal) or the command line is wrong.\n";

namespace {

// The output panel's short names, beside every name of `pelmora codes --formats`.
struct ShortName {
    std::string_view name;
    std::string_view notation;
};
constexpr std::array<ShortName, 3> kShortNames = {{
    {"rgb", "rgb-call"},
    {"hex", "hex-literal"},
    {"vb", "hex-literal"},
}};

const Notation* FindPickFormat(std::string_view name)
{
    for (const ShortName& shortName : kShortNames)
        if (shortName.name == name)
            return FindNotation(shortName.notation);
    return FindNotation(name);
}

struct PickOptions {
    bool json = false;
    bool copy = false;
    const Notation* format = nullptr;
    PickWay via = PickWay::Auto;
    bool viaGiven = false;
};

// Reads the words after "pick"; nothing (after a message on `err`) when they are wrong.
std::optional<PickOptions> ParseOptions(const std::vector<std::string_view>& args, std::ostream& err)
{
    PickOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        std::string_view value;
        const bool takesValue
            = arg == "--format" || arg == "--via" || arg.starts_with("--format=") || arg.starts_with("--via=");
        if (takesValue) {
            if (const auto equals = arg.find('='); equals != std::string_view::npos) {
                value = arg.substr(equals + 1);
                arg = arg.substr(0, equals);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                err << "pelmora pick: " << arg << " needs a value (see pelmora pick --help)\n";
                return std::nullopt;
            }
        }
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--copy") {
            options.copy = true;
        } else if (arg == "--format") {
            options.format = FindPickFormat(value);
            if (!options.format) {
                err << "pelmora pick: unknown format '" << PrintableText(value)
                    << "'; write html, rgb, decimal, hex or a name of pelmora codes --formats\n";
                return std::nullopt;
            }
        } else if (arg == "--via") {
            const auto way = ParsePickWay(QString::fromUtf8(value.data(), qsizetype(value.size())));
            if (!way) {
                err << "pelmora pick: unknown way '" << PrintableText(value)
                    << "'; write auto, x11, portal or screenshot\n";
                return std::nullopt;
            }
            options.via = *way;
            options.viaGiven = true;
        } else {
            err << "pelmora pick: unknown option '" << PrintableText(arg) << "' (see pelmora pick --help)\n";
            return std::nullopt;
        }
    }
    if (options.json && options.format) {
        err << "pelmora pick: --json and --format exclude each other\n";
        return std::nullopt;
    }
    return options;
}

struct Outcome {
    enum { Picked, Cancelled, Failed } kind = Cancelled;
    Color color;
    QString message;
};

Outcome PickOnce(const PickOptions& options, bool sessionBusSilent)
{
    ScreenPicker picker;
    if (options.viaGiven)
        picker.setWay(options.via);
    // The loupe writes the code this command will print; without --format, the one the band shows.
    picker.setCodeWriter(options.format
            ? WriterFor(*options.format)
            : WriterForChosenNotation(LoadChosenNotation().toStdString(), LoadUserTemplates()));
    if (sessionBusSilent && (picker.way() == PickWay::Portal || picker.way() == PickWay::Screenshot))
        return {Outcome::Failed, {}, PortalSilentSessionBusMessage(kSessionBusWait)};
    Outcome outcome;
    QObject::connect(&picker, &ScreenPicker::picked, [&outcome](Color color) {
        outcome = {Outcome::Picked, color, {}};
        QCoreApplication::quit();
    });
    QObject::connect(&picker, &ScreenPicker::cancelled, [&outcome] {
        outcome = {Outcome::Cancelled, {}, {}};
        QCoreApplication::quit();
    });
    QObject::connect(&picker, &ScreenPicker::noted,
        [](const QString& note) { std::cerr << "pelmora pick: " << note.toStdString() << std::endl; });
    QObject::connect(&picker, &ScreenPicker::failed, [&outcome](const QString& message) {
        outcome = {Outcome::Failed, {}, message};
        QCoreApplication::quit();
    });
    picker.start();
    QCoreApplication::exec();
    return outcome;
}

} // namespace

int RunPickCommand(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 2, argv + argc);
    if (args.size() == 2 && args[0] == kServeClipboardOption)
        return ServeClipboard(argc, argv, QString::fromUtf8(args[1].data(), qsizetype(args[1].size())));
    for (const std::string_view arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::cout << kPickUsage;
            return FinishOutput(std::cout, std::cerr, "pelmora pick", 0);
        }
    }
    const auto options = ParseOptions(args, std::cerr);
    if (!options)
        return 2;
    if (const std::string missing = MissingDisplayReason(); !missing.empty()) {
        std::cerr << "pelmora pick: " << missing << "; picking from the screen needs one.\n";
        return 2;
    }

    // Qt opens the session bus for screen readers when the loupe shows, and would wait for ever on a
    // bus that takes the connection and never answers: such a bus is hidden from it.
    const bool sessionBusSilent = HideSilentSessionBus();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    QApplication::setOrganizationName(QStringLiteral("Pelmora"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Pelmora"));
    const Outcome outcome = PickOnce(*options, sessionBusSilent);
    if (outcome.kind == Outcome::Cancelled)
        return 1;
    if (outcome.kind == Outcome::Failed) {
        std::cerr << "pelmora pick: " << outcome.message.toStdString() << '\n';
        return 2;
    }

    ColorCodes codes;
    WriteColorCodes(outcome.color, DefaultSystemColors(), codes);
    // A picked colour is a screen colour: every notation has text for it but a CSS name.
    const std::string formatted
        = options->format ? FormatIn(*options->format, outcome.color).value_or("N/A") : codes.text[kFieldHtml];
    if (options->format) {
        std::cout << formatted << '\n';
    } else {
        // The same lines (or JSON) as `pelmora codes` prints for the colour's HTML code.
        std::vector<std::string_view> codesArgs;
        if (options->json)
            codesArgs.push_back("--json");
        codesArgs.push_back(codes.text[kFieldHtml]);
        RunCodesCommand(codesArgs, std::cout, std::cerr);
    }
    if (const int status = FinishOutput(std::cout, std::cerr, "pelmora pick", 0); status != 0)
        return status;
    if (options->copy) {
        const std::string& copied = formatted;
        QString error;
        if (!KeepOnClipboard(QString::fromStdString(copied), QCoreApplication::applicationFilePath(), &error)) {
            std::cerr << "pelmora pick: could not copy " << copied << ": " << error.toStdString() << '\n';
            return 2;
        }
    }
    return 0;
}

} // namespace pelmora

#include "app/window_program_options.h"

#include "app/terminal_text.h"

#include <algorithm>
#include <array>

namespace pelmora {

namespace {

// How an option takes its value, as Qt reads it.
enum class ValueForm {
    None, // a switch
    NextWord, // -platform offscreen
    NextWordOrEquals, // -style fusion, -style=fusion
    EqualsOnly, // -qmljsdebugger=port:1234
};

struct QtOption {
    std::string_view name; // without the leading dash
    ValueForm value;
};

// What QGuiApplication, QApplication and the X11 platform plugin read from the command line in Qt 6.
// Qt reads "--name" as "-name".
constexpr std::array kQtOptions = {
    QtOption{"platform", ValueForm::NextWord},
    QtOption{"platformpluginpath", ValueForm::NextWord},
    QtOption{"platformtheme", ValueForm::NextWord},
    QtOption{"plugin", ValueForm::NextWord},
    QtOption{"qwindowgeometry", ValueForm::NextWord},
    QtOption{"qwindowicon", ValueForm::NextWord},
    QtOption{"qwindowtitle", ValueForm::NextWord},
    QtOption{"qmljsdebugger", ValueForm::EqualsOnly},
    QtOption{"reverse", ValueForm::None},
    QtOption{"session", ValueForm::NextWord},
    QtOption{"style", ValueForm::NextWordOrEquals},
    QtOption{"stylesheet", ValueForm::NextWordOrEquals},
    QtOption{"widgetcount", ValueForm::None},
    QtOption{"display", ValueForm::NextWord},
    QtOption{"geometry", ValueForm::NextWord},
    QtOption{"name", ValueForm::NextWord},
    QtOption{"title", ValueForm::NextWord},
    QtOption{"visual", ValueForm::NextWord},
    QtOption{"sync", ValueForm::None},
    QtOption{"nograb", ValueForm::None},
    QtOption{"dograb", ValueForm::None},
};

struct OptionWord {
    const QtOption* option = nullptr;
    std::optional<std::string_view> inlineValue; // after "="
    bool needsNextWord = false;
};

OptionWord ReadOptionWord(std::string_view word)
{
    if (word.starts_with("--"))
        word.remove_prefix(2);
    else if (word.starts_with('-'))
        word.remove_prefix(1);
    else
        return {};
    const std::size_t equals = word.find('=');
    const bool hasEquals = equals != std::string_view::npos;
    const std::string_view name = word.substr(0, equals);
    const auto found = std::find_if(
        kQtOptions.begin(), kQtOptions.end(), [name](const QtOption& option) { return option.name == name; });
    if (found == kQtOptions.end())
        return {};
    switch (found->value) {
    case ValueForm::None:
    case ValueForm::NextWord:
        if (hasEquals)
            return {}; // Qt would not read it: "-platform=xcb" is no platform at all
        return {&*found, std::nullopt, found->value == ValueForm::NextWord};
    case ValueForm::NextWordOrEquals:
        if (hasEquals)
            return {&*found, word.substr(equals + 1), false};
        return {&*found, std::nullopt, true};
    case ValueForm::EqualsOnly:
        if (!hasEquals)
            return {};
        return {&*found, word.substr(equals + 1), false};
    }
    return {};
}

} // namespace

const std::string_view kWindowProgramOptionsHelp
    = "The window program takes Qt's own options and no others, each with one dash or two:\n"
      "  -platform NAME, -platformpluginpath PATH, -platformtheme NAME, -plugin NAME,\n"
      "  -display NAME, -geometry WxH+X+Y, -qwindowgeometry WxH+X+Y, -qwindowtitle TITLE,\n"
      "  -qwindowicon FILE, -style NAME, -stylesheet FILE, -session ID, -name NAME, -title TITLE,\n"
      "  -visual ID, -qmljsdebugger=ARGS, -reverse, -widgetcount, -sync, -nograb, -dograb\n"
      "(also -style=NAME and -stylesheet=FILE). Anything else is a usage error.\n";

bool IsWindowProgramOption(std::string_view word) { return ReadOptionWord(word).option != nullptr; }

std::string WindowProgramArgumentError(std::span<const std::string_view> args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const OptionWord word = ReadOptionWord(args[i]);
        if (!word.option) {
            return (args[i].starts_with('-') ? "unknown option '" : "unexpected word '") + PrintableText(args[i])
                + "' (see pelmora --help)";
        }
        if (word.needsNextWord) {
            if (i + 1 == args.size())
                return "the option '" + PrintableText(args[i]) + "' needs a value (see pelmora --help)";
            ++i;
        }
    }
    return {};
}

std::optional<std::string_view> WindowProgramOptionValue(std::span<const std::string_view> args, std::string_view name)
{
    std::optional<std::string_view> value;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const OptionWord word = ReadOptionWord(args[i]);
        if (!word.option)
            continue;
        const bool wanted = word.option->name == name;
        if (word.inlineValue) {
            if (wanted)
                value = word.inlineValue;
        } else if (word.needsNextWord && i + 1 < args.size()) {
            if (wanted)
                value = args[i + 1];
            ++i;
        }
    }
    return value;
}

} // namespace pelmora

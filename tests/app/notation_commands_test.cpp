// `pelmora codes --format/--formats/--all` and `pelmora contrast`.

#include "app/codes_command.h"
#include "app/contrast_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace pelmora {
namespace {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

template <typename Command> CommandRun RunWith(Command command, std::vector<std::string_view> args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(args, out, err);
    return {status, out.str(), err.str()};
}

CommandRun Codes(std::vector<std::string_view> args) { return RunWith(RunCodesCommand, std::move(args)); }
CommandRun ContrastRun(std::vector<std::string_view> args) { return RunWith(RunContrastCommand, std::move(args)); }

TEST(CodesFormat, OneNotationPerValue)
{
    const CommandRun run = Codes({"--format", "oklch", "#ff0000", "hsl(120 100% 25%)", "vbButtonFace"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "oklch(62.8% 0.258 29.2)\noklch(52% 0.18 142)\noklch(95.2% 0 0)\n");
}

TEST(CodesFormat, NameWithoutACssNameIsNotAvailable)
{
    const CommandRun run = Codes({"--format", "CSS-NAME", "#FFA500", "#FF8000"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "orange\nN/A\n");
}

TEST(CodesFormat, JsonWithTheNotationsName)
{
    const CommandRun run = Codes({"--json", "--format", "css-rgb", "orange"});
    EXPECT_EQ(run.out, "[\n  {\"input\": \"orange\", \"css-rgb\": \"rgb(255 165 0)\"}\n]\n");
}

TEST(CodesFormat, FormatsListsEveryNotationWithAnExample)
{
    const CommandRun run = Codes({"--formats"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 19);
    EXPECT_NE(run.out.find("oklch           CSS oklch()             oklch("), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("android         Android 0xAARRGGBB      0xFFFF8000\n"), std::string::npos) << run.out;
}

TEST(CodesFormat, AllAddsEveryNotation)
{
    const CommandRun text = Codes({"--all", "#FF8000"});
    EXPECT_NE(text.out.find("HTML: #FF8000\n"), std::string::npos);
    EXPECT_NE(text.out.find("\nhsl: hsl(30 100% 50%)\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\ncss-name: N/A\n"), std::string::npos);
    const CommandRun json = Codes({"--json", "--all", "#FF8000"});
    EXPECT_NE(json.out.find(", \"notations\": {\"rgb-call\": \"RGB(255, 128, 0)\", "), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"css-name\": null"), std::string::npos);
    EXPECT_NE(json.out.find("\"floats\": \"1.000, 0.502, 0.000\"}}\n]\n"), std::string::npos) << json.out;
}

TEST(CodesFormat, ValuesInAnyNotationAndErrorsNameThem)
{
    const CommandRun run = Codes({"--format", "html", "rgb(255 128 0", "oklab(62.8% 0.2249 0.1258)"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "#FF0000\n");
    EXPECT_NE(run.err.find("cannot read 'rgb(255 128 0': expected ')' or '/', found the end at position 14"),
        std::string::npos)
        << run.err;
    for (const std::vector<std::string_view>& args :
        {std::vector<std::string_view>{"--format"}, {"--format", "nope", "1"}}) {
        const CommandRun bad = Codes(args);
        EXPECT_EQ(bad.status, 2);
        EXPECT_NE(bad.err.find("--formats"), std::string::npos) << bad.err;
    }
}

TEST(ContrastCommand, RatioAndLevels)
{
    struct Row {
        std::vector<std::string_view> args;
        int status;
        std::string_view out;
    };
    const Row rows[] = {
        {{"black", "white"}, 0, "Contrast: 21:1\nPasses: AA AAA AA large UI\n"},
        {{"#767676", "#fff"}, 0, "Contrast: 4.54:1\nPasses: AA AA large UI\n"},
        {{"#fff", "#777777"}, 0, "Contrast: 4.48:1\nPasses: AA large UI\n"},
        {{"--json", "#777", "white"}, 0,
            "{\"a\": \"#777777\", \"b\": \"#ffffff\", \"ratio\": 4.478089453577214, \"text\": \"4.48:1\", "
            "\"levels\": {\"AA\": false, \"AAA\": false, \"AA large\": true, \"UI\": true}}\n"},
        {{"#777"}, 2, ""},
        {{"#777", "wite"}, 2, ""},
        {{"--colour", "a", "b"}, 2, ""},
    };
    for (const Row& row : rows) {
        const CommandRun run = ContrastRun(row.args);
        EXPECT_EQ(run.status, row.status) << testing::PrintToString(row.args);
        EXPECT_EQ(run.out, row.out) << testing::PrintToString(row.args);
        EXPECT_EQ(run.err.empty(), row.status == 0) << run.err;
    }
    EXPECT_NE(ContrastRun({"#777", "wite"}).err.find("cannot read 'wite': 'wite' is not a colour name at position 1"),
        std::string::npos);
}

TEST(ContrastCommand, QuotesValuesWithoutWhatTheTerminalWouldActOn)
{
    struct Row {
        std::vector<std::string_view> args;
        std::string_view quoted;
    };
    const Row rows[] = {
        {{"\x1b]0;pwned\x07", "blue"}, "cannot read '\\e]0;pwned\\x07'"},
        {{"blue", "\x1b[31mred"}, "cannot read '\\e[31mred'"},
        {{"\xe2\x80\xaered", "blue"}, "cannot read '\\u202ered'"},
        {{"--\x1b[2J", "a", "b"}, "unknown option '--\\e[2J'"},
    };
    for (const Row& row : rows) {
        const CommandRun run = ContrastRun(row.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("\xe2\x80\xae"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(row.quoted), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace pelmora

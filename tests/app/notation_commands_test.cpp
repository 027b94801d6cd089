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
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 21); // 20 notations and the nearest name
    EXPECT_NE(run.out.find("display-p3      CSS color(display-p3)   color(display-p3 "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("name            nearest CSS name        \u2248 darkorange\n"), std::string::npos)
        << run.out;
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
    EXPECT_NE(json.out.find("\"floats\": \"1.000, 0.502, 0.000\"}, \"name\": {\"exact\": false, \"name\": "
                            "\"darkorange\", \"distance\": 0.0"),
        std::string::npos)
        << json.out;
    EXPECT_NE(text.out.find("\nname: \u2248 darkorange\n"), std::string::npos) << text.out;
}

TEST(CodesFormat, NearestCssName)
{
    const CommandRun run = Codes({"--format", "name", "#FFA500", "#FF8000", "rgb(0 255 255)"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "orange\n\u2248 darkorange\naqua\n");
    const CommandRun json = Codes({"--json", "--format", "name", "orange"});
    EXPECT_EQ(json.out,
        "[\n  {\"input\": \"orange\", \"name\": {\"exact\": true, \"name\": \"orange\", "
        "\"distance\": 0}}\n]\n");
    // Every object of --json carries the name, the distance a number.
    const CommandRun all = Codes({"--json", "#FF8001"});
    const std::size_t name = all.out.find(", \"name\": {\"exact\": false, \"name\": \"darkorange\", \"distance\": 0.0");
    ASSERT_NE(name, std::string::npos) << all.out;
    EXPECT_EQ(all.out.find("\"mapped\""), std::string::npos);
}

// A colour outside sRGB is mapped as CSS maps it, and every output says so.
TEST(CodesFormat, MappedColoursAreSaidToBe)
{
    const CommandRun text = Codes({"oklch(90% 0.4 30)", "oklch(90% 0.05 30)"});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("HTML: #FFCCC1\nHex: &HC1CCFF&\nSystem name: N/A\nSystem code: N/A\n"
                            "Mapped: 'oklch(90% 0.4 30)' was outside sRGB and was mapped into it\n\n"),
        std::string::npos)
        << text.out;
    EXPECT_EQ(text.out.find("Mapped:", text.out.find("Mapped:") + 1), std::string::npos) << "only the first is mapped";
    const CommandRun json = Codes({"--json", "lab(50% 100 -100)"});
    EXPECT_NE(json.out.find("\"html\": \"#BD2DFF\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find(", \"mapped\": true}\n]\n"), std::string::npos) << json.out;
    const CommandRun one = Codes({"--format", "css-hex", "color(rec2020 0 1 0)"});
    EXPECT_EQ(one.out, "#00f272\n");
    EXPECT_EQ(one.err, "pelmora codes: 'color(rec2020 0 1 0)' was outside sRGB and was mapped into it\n");
    const CommandRun oneJson = Codes({"--json", "--format", "css-hex", "color(rec2020 0 1 0)"});
    EXPECT_EQ(
        oneJson.out, "[\n  {\"input\": \"color(rec2020 0 1 0)\", \"css-hex\": \"#00f272\", \"mapped\": true}\n]\n");
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
        {{"black", "white"}, 0, "Contrast: 21:1\nPasses: AA AA large AAA AAA large UI\n"},
        {{"#767676", "#fff"}, 0, "Contrast: 4.54:1\nPasses: AA AA large AAA large UI\n"},
        {{"#fff", "#777777"}, 0, "Contrast: 4.48:1\nPasses: AA large UI\n"},
        {{"#fff", "#eee"}, 0, "Contrast: 1.16:1\nPasses: none\n"},
        {{"--json", "#777", "white"}, 0,
            "{\"a\": \"#777777\", \"b\": \"#ffffff\", \"ratio\": 4.478089453577214, \"text\": \"4.48:1\", "
            "\"levels\": {\"AA\": false, \"AA large\": true, \"AAA\": false, \"AAA large\": false, \"UI\": true}}\n"},
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
        {{"\xe2\x80\xae"
          "der",
             "blue"},
            "cannot read '\\u202eder'"},
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

TEST(ContrastCommand, SuggestionOfTheNearestPassingColour)
{
    struct Row {
        std::vector<std::string_view> args;
        std::string_view out; // the last line, or the whole JSON object
    };
    const Row rows[] = {
        {{"--suggest", "AA", "#777", "white"}, "Suggestion: #767676 (4.54:1)\n"},
        {{"#777", "white", "--suggest", "AAA"}, "Suggestion: #595959 (7:1)\n"},
        {{"--suggest", "AA", "blue", "black"}, "Suggestion: #2968ff (4.52:1)\n"},
        {{"--suggest", "aa-large", "#767676", "white"}, "Suggestion: none, A already reaches AA-large\n"},
        {{"--suggest", "AAA", "red", "#777"}, "Suggestion: none, no colour reaches AAA against B\n"},
        {{"--json", "--suggest", "AA", "#777", "white"},
            "{\"a\": \"#777777\", \"b\": \"#ffffff\", \"ratio\": 4.478089453577214, \"text\": \"4.48:1\", "
            "\"levels\": {\"AA\": false, \"AA large\": true, \"AAA\": false, \"AAA large\": false, \"UI\": true}, "
            "\"suggestion\": \"#767676\"}\n"},
        {{"--json", "--suggest", "AA", "black", "white"},
            "{\"a\": \"#000000\", \"b\": \"#ffffff\", \"ratio\": 21, \"text\": \"21:1\", "
            "\"levels\": {\"AA\": true, \"AA large\": true, \"AAA\": true, \"AAA large\": true, \"UI\": true}, "
            "\"suggestion\": null}\n"},
    };
    for (const Row& row : rows) {
        const CommandRun run = ContrastRun(row.args);
        EXPECT_EQ(run.status, 0) << testing::PrintToString(row.args) << run.err;
        const std::size_t lastLine = run.out.rfind('\n', run.out.size() - 2);
        EXPECT_EQ(row.out.starts_with('{') ? run.out : run.out.substr(lastLine + 1), row.out)
            << testing::PrintToString(row.args);
    }
    struct Bad {
        std::vector<std::string_view> args;
        std::string_view error;
    };
    const Bad bad[] = {
        {{"--suggest", "AB", "#777", "white"}, "unknown level 'AB' for --suggest (AA, AAA or AA-large)"},
        {{"--suggest", "AA large", "#777", "white"}, "unknown level 'AA large'"},
        {{"#777", "white", "--suggest"}, "--suggest needs a level: AA, AAA or AA-large"},
    };
    for (const Bad& row : bad) {
        const CommandRun run = ContrastRun(row.args);
        EXPECT_EQ(run.status, 2) << testing::PrintToString(row.args);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(row.error), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace pelmora

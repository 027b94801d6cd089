#include "app/codes_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace pelmora {
namespace {

struct CodesRun {
    int status;
    std::string out;
    std::string err;
};

CodesRun RunCodes(std::vector<std::string_view> args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCodesCommand(args, out, err);
    return {status, out.str(), err.str()};
}

constexpr std::string_view kYellow = "Constant: vbYellow\nQBColor: QBColor(14)\nRGB: RGB(255, 255, 0)\nDecimal: 65535\n"
                                     "HTML: #FFFF00\nHex: &H00FFFF&\nSystem name: N/A\nSystem code: N/A\n";

TEST(CodesCommand, PrintsTheEightCodesOfEachValue)
{
    const CodesRun run = RunCodes({"65535", "#FFFF00"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string(kYellow) + "\n" + std::string(kYellow));
    EXPECT_EQ(run.err, "");
}

TEST(CodesCommand, SystemColourUsesTheDefaultTable)
{
    const CodesRun run = RunCodes({"&H8000000F&"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
        "Constant: N/A\nQBColor: QBColor(N/A)\nRGB: RGB(239, 239, 239)\nDecimal: 15724527\n"
        "HTML: #EFEFEF\nHex: &HEFEFEF&\nSystem name: vbButtonFace\nSystem code: &H8000000F&\n");
}

TEST(CodesCommand, UnreadableValueIsReportedAndTheOthersStillPrinted)
{
    const CodesRun run = RunCodes({"nonsense", "65535", "RGB(300, 0, 0)"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, kYellow);
    EXPECT_NE(run.err.find("'nonsense'"), std::string::npos);
    EXPECT_NE(run.err.find("'RGB(300, 0, 0)'"), std::string::npos);
    EXPECT_NE(run.err.find("#RRGGBB"), std::string::npos);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2); // one line each
}

TEST(CodesCommand, JsonArrayWithOneObjectPerValue)
{
    const CodesRun run = RunCodes({"--json", "65535", "bad\"value", "-1"});
    EXPECT_EQ(run.status, 2);
    // Every object also carries every notation (their texts are checked with the notations).
    const std::regex notations(R"(, "notations": \{[^{}]*\})");
    EXPECT_EQ(
        std::distance(std::sregex_iterator(run.out.begin(), run.out.end(), notations), std::sregex_iterator()), 2);
    EXPECT_EQ(std::regex_replace(run.out, notations, ""),
        "[\n"
        "  {\"input\": \"65535\", \"constant\": \"vbYellow\", \"qbcolor\": \"QBColor(14)\", "
        "\"rgb\": \"RGB(255, 255, 0)\", \"decimal\": \"65535\", \"html\": \"#FFFF00\", "
        "\"hex\": \"&H00FFFF&\", \"systemName\": \"N/A\", \"systemCode\": \"N/A\", "
        "\"name\": {\"exact\": true, \"name\": \"yellow\", \"distance\": 0}},\n"
        "  {\"input\": \"-1\", \"constant\": \"N/A\", \"qbcolor\": \"QBColor(N/A)\", "
        "\"rgb\": \"RGB(255, 255, 255)\", \"decimal\": \"-1\", \"html\": \"#FFFFFF\", "
        "\"hex\": \"&HFFFFFFFF&\", \"systemName\": \"N/A\", \"systemCode\": \"N/A\", "
        "\"name\": {\"exact\": true, \"name\": \"white\", \"distance\": 0}}\n"
        "]\n");
    EXPECT_NE(run.err.find("bad\"value"), std::string::npos);
}

// A value is quoted back as it was given; bytes that are no UTF-8 around the one colour it holds
// must not make the output something a JSON reader refuses.
TEST(CodesCommand, JsonQuotesBytesThatAreNotUtf8AsReplacementCharacters)
{
    const CodesRun run = RunCodes({"--json",
        "\x01"
        "9\xd0#F00 \xc3\xa9"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("{\"input\": \"\\u00019\\ufffd#F00 \xc3\xa9\", "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"html\": \"#FF0000\""), std::string::npos) << run.out;
}

TEST(CodesCommand, JsonWithNothingReadableIsAnEmptyArray)
{
    const CodesRun run = RunCodes({"--json", "x"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "[\n]\n");
}

TEST(CodesCommand, CommandLineErrors)
{
    struct Row {
        std::vector<std::string_view> args;
        int status;
        bool mentionsUsage;
    };
    const Row rows[] = {
        {{}, 2, false},
        {{"--json"}, 2, false},
        {{"--colour", "1"}, 2, false},
        {{"--help"}, 0, true},
    };
    for (const Row& row : rows) {
        const CodesRun run = RunCodes(row.args);
        EXPECT_EQ(run.status, row.status) << testing::PrintToString(row.args);
        EXPECT_EQ(run.out.find("Usage: pelmora codes") != std::string::npos, row.mentionsUsage)
            << testing::PrintToString(row.args);
        EXPECT_EQ(run.err.empty(), row.status == 0) << testing::PrintToString(row.args);
    }
}

TEST(CodesCommand, DoubleDashLetsAValueLookLikeAnOption)
{
    const CodesRun run = RunCodes({"--", "-1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Decimal: -1\n"), std::string::npos);
}

} // namespace
} // namespace pelmora

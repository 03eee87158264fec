#include "tools/scenario/scenario_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "tools/scenario/json_text.h"

namespace vantrell::scenario {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunScript(const std::string& script) {
    std::istringstream input(script);
    std::ostringstream out;
    std::ostringstream err;
    ScenarioRunner runner(out, err);
    const int status = runner.Run(input);
    return {status, out.str(), err.str()};
}

struct BadInputRow {
    const char* script;
    const char* error;
};

void PrintTo(const BadInputRow& row, std::ostream* out) { *out << JsonLine(Json(row.script)); }

class BadInputTest : public ::testing::TestWithParam<BadInputRow> {};

TEST_P(BadInputTest, EndsWithOneErrorLineAndStatusTwo) {
    const Outcome outcome = RunScript(GetParam().script);
    EXPECT_EQ(outcome.status, kScenarioBadInput);
    EXPECT_EQ(outcome.err, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadInputTest,
    ::testing::Values(BadInputRow{"show\n", "error: line 1: 'show' before any 'open'\n"},
                      BadInputRow{"\n# note\nlevel 7\n", "error: line 3: 'level' before any 'open'\n"},
                      BadInputRow{"open Healer\njump 3\n", "error: line 2: unknown command 'jump'\n"},
                      BadInputRow{"open Sorcerer\n", "error: line 1: unknown class 'Sorcerer'\n"},
                      BadInputRow{"open healer\n", "error: line 1: unknown class 'healer'\n"},
                      BadInputRow{"open Healer\nlevel 5\n", "error: line 2: level 5 is outside 6 to 50\n"},
                      BadInputRow{"open Healer\nlevel 51\n", "error: line 2: level 51 is outside 6 to 50\n"},
                      BadInputRow{"open Healer\nlevel 6x\n", "error: line 2: not a number: '6x'\n"},
                      BadInputRow{"open Healer\nlevel 99999999999\n", "error: line 2: not a number: '99999999999'\n"},
                      BadInputRow{"open Healer\nslide Mending\n", "error: line 2: 'slide' takes 2 argument(s)\n"},
                      BadInputRow{"open Healer\nslide Mind 3\n", "error: line 2: unknown stem 'Mind' for Healer\n"},
                      BadInputRow{"open Healer\nslide Mending +\n", "error: line 2: not a number: '+'\n"},
                      BadInputRow{"open Healer\nclick\n", "error: line 2: 'click' takes 1 argument(s)\n"},
                      BadInputRow{"open Healer\nshow now\n", "error: line 2: 'show' takes 0 argument(s)\n"},
                      BadInputRow{"open\n", "error: line 1: 'open' takes 1 argument(s)\n"},
                      BadInputRow{"path\n", "error: line 1: 'path' before any 'open'\n"},
                      BadInputRow{"priority Mending\n", "error: line 1: 'priority' before any 'open'\n"},
                      BadInputRow{"open Healer\npath 6\n", "error: line 2: 'path' takes 0 argument(s)\n"},
                      BadInputRow{"open Healer\npriority\n",
                                  "error: line 2: the priority leaves out 'Mending', 'Augmentation', 'Pacification'\n"},
                      BadInputRow{"open Healer\npriority Pacification Mending\n",
                                  "error: line 2: the priority leaves out 'Augmentation'\n"},
                      BadInputRow{"open Healer\npriority Mending Mending Augmentation Pacification\n",
                                  "error: line 2: 'Mending' is named twice\n"},
                      BadInputRow{"open Healer\npriority Mending Augmentation Pacification Slashing\n",
                                  "error: line 2: unknown stem 'Slashing' for Healer\n"}));

TEST(ScenarioRunner, StopsAtTheFirstBadLineAfterPrintingWholeLines) {
    const Outcome outcome = RunScript("open Healer\nshow\nlevel 4\nshow\n");
    EXPECT_EQ(outcome.status, kScenarioBadInput);
    EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 1);
    EXPECT_TRUE(outcome.out.ends_with("]}\n"));
}

TEST(ScenarioRunner, ClampsSlidesAndIgnoresBlankAndCommentLines) {
    const Outcome outcome =
        RunScript("  # comment\n\r\nopen Healer\r\n\tslide Mending 9999\nslide Augmentation -4\nshow\n");
    EXPECT_EQ(outcome.status, kScenarioOk);
    EXPECT_EQ(outcome.err, "");
    EXPECT_NE(outcome.out.find(R"({"stem":"Mending","value":50,"min":1,"max":50,"enabled":true,"level":"50")"),
              std::string::npos);
    EXPECT_NE(outcome.out.find(R"("left":"0")"), std::string::npos);
}

// A saved plan's note is copied with it while the plan is as saved, and left out once it moves or is renamed.
TEST(ScenarioRunner, CopiesTheNoteOfTheSavedPlanOnScreenOnly) {
    const Outcome outcome = RunScript(
        "open Healer\nsave Group\nnote Group => \"Swap \\\"Blades\\\"\\nat 40\"\nformat bbcode\nslide Mending 9\nformat bbcode\n"
        "load Group\nformat text\nrename Group => Solo\nformat text\n");
    ASSERT_EQ(outcome.status, kScenarioOk) << outcome.out;
    std::vector<std::string> formats;
    std::istringstream lines(outcome.out);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("{\"format\"")) formats.push_back(Json::parse(line)["text"].get<std::string>());
    }
    ASSERT_EQ(formats.size(), 4U);
    EXPECT_NE(formats[0].find("\nSwap \"Blades\"\nat 40\nVT1:Healer:"), std::string::npos) << formats[0];
    EXPECT_EQ(formats[1].find("Swap"), std::string::npos);
    EXPECT_TRUE(formats[2].ends_with("\n\nSwap \"Blades\"\nat 40\n")) << formats[2];
    EXPECT_EQ(formats[3].find("Swap"), std::string::npos);
}

TEST(ScenarioRunner, ClickPrintsNullWithoutAnExplanation) {
    EXPECT_EQ(RunScript("open Cleric\nclick Smiting\n").out, "{\"message\":null}\n");
}

// A user's mistake is answered on one line even when what was typed is not UTF-8.
TEST(ScenarioRunner, AnswersAMistakeInTextThatIsNotUtf8OnOneLine) {
    const std::string out = RunScript("open Healer\nsave bad\x01\nload \xff\xfe\napply \xc3\n").out;
    EXPECT_EQ(out,
              "{\"error\":\"A plan's name cannot hold control characters.\"}\n"
              "{\"error\":\"There is no plan named \\\"\xEF\xBF\xBD\xEF\xBF\xBD\\\".\"}\n"
              "{\"error\":\"This is not a Vantrell plan code.\"}\n");
}

}  // namespace
}  // namespace vantrell::scenario

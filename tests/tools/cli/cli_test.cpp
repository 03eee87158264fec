// vantrell-cli against the scenario driver: its JSON is the driver's line for
// the same plans, and whatever it is given it answers with its output or with
// one line on standard error and status 2.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/catalog/class_catalog.h"
#include "core/planner/plan_code.h"
#include "core/planner/session.h"
#include "core/texts/translation.h"
#include "tools/cli/cli_app.h"
#include "tools/cli/cli_commands.h"
#include "tools/scenario/scenario_runner.h"

namespace vantrell::cli {
namespace {

struct Ran {
    int status = 0;
    std::string out;
    std::string err;
};

Ran Cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "vantrell-cli");
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(arguments, out, err);
    return {status, out.str(), err.str()};
}

std::string Driver(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    scenario::ScenarioRunner(out, err).Run(in);
    return out.str();
}

// A plan of the class as a user might leave it: random moves, kept within the rules by the planner.
std::string RandomCode(const catalog::ClassDefinition& definition, std::mt19937& random) {
    planner::Planner planner(definition);
    planner.ApplyLevelChange(static_cast<std::int16_t>(std::uniform_int_distribution(6, 50)(random)));
    for (int move = 0; move < 6; ++move) {
        const auto line = std::uniform_int_distribution<std::size_t>(0, definition.lines.size() - 1)(random);
        planner.MoveSlider(line, std::uniform_int_distribution(1, 50)(random));
    }
    return planner::EncodePlanCode(planner);
}

// The driver prints what `apply` says, then the line asked for: the CLI's JSON is that last line.
std::string LastLine(const std::string& printed) {
    const auto end = printed.find_last_not_of('\n');
    return printed.substr(printed.rfind('\n', end) + 1, end - printed.rfind('\n', end)) + "\n";
}

TEST(Cli, ItsJsonIsTheDriversLineForRandomPlansOfEveryClass) {
    std::mt19937 random(20261209);
    for (const catalog::ClassDefinition* definition : catalog::ClassCatalog::AllClasses()) {
        const std::string a = RandomCode(*definition, random);
        const std::string b = RandomCode(*definition, random);
        EXPECT_EQ(Cli({"show", a, "--format", "json"}).out, LastLine(Driver("apply " + a + "\nshow\n")));
        EXPECT_EQ(Cli({"path", a, "--format", "json"}).out, LastLine(Driver("apply " + a + "\npath\n")));
        EXPECT_EQ(Cli({"compare", a, b, "--format", "json"}).out, LastLine(Driver("apply " + a + "\ncompare " + b + "\n")));
        for (const std::string_view format : kOutputFormats) {
            const Ran shown = Cli({"show", a, "--format", std::string(format)});
            EXPECT_EQ(shown.status, kDone) << format << ' ' << shown.err;
            EXPECT_FALSE(shown.out.empty());
        }
    }
}

TEST(Cli, AnythingElseIsOneLineOnStandardErrorAndStatusTwo) {
    const std::string huge(200'000, 'x');
    const std::vector<std::vector<std::string>> refused = {
        {},
        {"show"},
        {"show", "VT1:Nobody:40:1"},
        {"show", "VT1:Healer:40:30.1.1", "--format", "xml"},
        {"show", "VT1:Healer:40:30.1.1", "--colour"},
        {"path", "VT1:Healer:40:30.1.1", "--priority", "Mending,Bogus,Pacification"},
        {"compare", "VT1:Healer:40:30.1.1", "VT1:Armsman:40:1.1.1.1.1.1.1.1"},
        {"classes", "--realm", "Nowhere"},
        {"classes", "--format", "svg"},
        {"show", "VT1:" + huge + ":50:1.1.1"},
        {huge},
        {"show", "VT1:\xff\xfe\n\r:50"},
    };
    for (const auto& arguments : refused) {
        const Ran ran = Cli(arguments);
        EXPECT_EQ(ran.status, kRefused) << ran.err;
        EXPECT_EQ(ran.out, "");
        EXPECT_TRUE(ran.err.starts_with("vantrell-cli: ")) << ran.err;
        EXPECT_EQ(ran.err.find('\n'), ran.err.size() - 1) << ran.err;
        EXPECT_LT(ran.err.size(), 1000U);
    }
    EXPECT_EQ(Cli({"--version"}).status, kDone);
    EXPECT_NE(Cli({"--help"}).out.find("compare"), std::string::npos);
}

// The help and the copies speak the language in use; the JSON is the same in every one.
TEST(Cli, ItsHelpIsTranslatedAndItsJsonIsNot) {
    const std::vector<std::string> show{"show", "VT1:Healer:20:3.2.1", "--format", "json"};
    const Ran english = Cli(show);
    const std::string englishHelp = Cli({"--help"}).out;
    const std::string englishText = Cli({"show", "VT1:Healer:20:3.2.1"}).out;
    for (const std::string code : {"de", "fr"}) {
        texts::UseLanguage(code);
        EXPECT_NE(Cli({"--help"}).out, englishHelp) << code;
        EXPECT_NE(Cli({"show", "VT1:Healer:20:3.2.1"}).out, englishText) << code;
        texts::UseLanguage(code);
        EXPECT_EQ(Cli(show).out, english.out) << code;
    }
    texts::UseLanguage(texts::kSourceLanguage);
}

}  // namespace
}  // namespace vantrell::cli

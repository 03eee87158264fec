#include <gtest/gtest.h>

#include <algorithm>

#include "core/catalog/class_catalog.h"
#include "core/planner/next_unlock.h"
#include "core/planner/plan_code.h"
#include "core/planner/plan_text.h"
#include "tests/support/planner_probe.h"

namespace vantrell::planner {
namespace {

using testing::PlannerProbe;

// A plan that uses every line and leaves the level at 37, built as a user would.
void BuildSamplePlan(Planner& planner) {
    planner.ApplyLevelChange(37);
    for (std::size_t line = 0; line < planner.state().lines.size(); ++line) {
        planner.MoveSlider(line, static_cast<int>(4 + 3 * line));
    }
}

void ExpectSamePlan(const Planner& expected, const Planner& actual) {
    EXPECT_EQ(actual.state().characterLevel, expected.state().characterLevel);
    EXPECT_EQ(actual.display().pointsLeft, expected.display().pointsLeft);
    EXPECT_EQ(actual.display().totalPoints, expected.display().totalPoints);
    for (std::size_t line = 0; line < expected.state().lines.size(); ++line) {
        const LineDisplay& want = expected.display().lines[line];
        const LineDisplay& got = actual.display().lines[line];
        SCOPED_TRACE(std::string(expected.definition().lines[line].stem));
        EXPECT_EQ(got.sliderValue, want.sliderValue);
        EXPECT_EQ(got.enabled, want.enabled);
        EXPECT_EQ(got.level, want.level);
        EXPECT_EQ(got.points, want.points);
        EXPECT_EQ(got.percent, want.percent);
        EXPECT_EQ(got.abilities, want.abilities);
        if (want.enabled) {
            EXPECT_EQ(actual.state().lines[line].sliderMaximum, expected.state().lines[line].sliderMaximum);
        }
    }
}

TEST(PlanCode, RoundTripsEveryClassIntoAFreshPlanner) {
    for (const catalog::ClassDefinition* definition : catalog::ClassCatalog::AllClasses()) {
        SCOPED_TRACE(std::string(definition->listName));
        Planner original(*definition);
        BuildSamplePlan(original);
        const std::string code = EncodePlanCode(original);
        EXPECT_LE(code.size(), 40u) << code;
        EXPECT_TRUE(std::all_of(code.begin(), code.end(), [](char c) { return c > ' ' && c < 127; })) << code;

        const auto decoded = DecodePlanCode(code);
        ASSERT_TRUE(std::holds_alternative<PlanCode>(decoded)) << std::get<std::string>(decoded);
        Planner fresh(*definition);
        EXPECT_TRUE(ApplyPlanCode(fresh, std::get<PlanCode>(decoded)).empty());
        ExpectSamePlan(original, fresh);
    }
}

TEST(PlanCode, ReplacesAnEarlierPlanInTheTargetWindow) {
    PlannerProbe target("Healer");
    target.Slide("Pacification", 50);
    const auto decoded = DecodePlanCode("VT1:Healer:50:30.20.1\n");
    ASSERT_TRUE(std::holds_alternative<PlanCode>(decoded));
    EXPECT_TRUE(ApplyPlanCode(target.planner(), std::get<PlanCode>(decoded)).empty());
    EXPECT_EQ(target.Value("Mending"), 30);
    EXPECT_EQ(target.Value("Augmentation"), 20);
    EXPECT_EQ(target.Value("Pacification"), 1);
    EXPECT_EQ(target.PointsLeft(), "601");
}

TEST(PlanCode, NamesTheLinesTheRulesKeptLower) {
    PlannerProbe warrior("Warrior");
    const auto decoded = DecodePlanCode("VT1:Warrior:20:30.1.1.1.1.1");
    ASSERT_TRUE(std::holds_alternative<PlanCode>(decoded));
    const auto lowered = ApplyPlanCode(warrior.planner(), std::get<PlanCode>(decoded));
    ASSERT_EQ(lowered.size(), 1u);
    EXPECT_EQ(lowered[0].caption, "Swords");
    EXPECT_EQ(lowered[0].requested, 30);
    EXPECT_EQ(lowered[0].applied, 20);

    PlannerProbe healer("Healer");
    const auto overBudget =
        ApplyPlanCode(healer.planner(), std::get<PlanCode>(DecodePlanCode("VT1:Healer:10:10.10.1")));
    ASSERT_EQ(overBudget.size(), 1u);
    EXPECT_EQ(overBudget[0].caption, "Augmentation");
    EXPECT_EQ(overBudget[0].applied, 1);
}

struct MalformedRow {
    const char* code;
    const char* reason;
};

void PrintTo(const MalformedRow& row, std::ostream* out) { *out << '"' << row.code << '"'; }

class MalformedPlanCodeTest : public ::testing::TestWithParam<MalformedRow> {};

TEST_P(MalformedPlanCodeTest, SaysWhyAndYieldsNoPlan) {
    const auto decoded = DecodePlanCode(GetParam().code);
    ASSERT_TRUE(std::holds_alternative<std::string>(decoded));
    EXPECT_EQ(std::get<std::string>(decoded), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MalformedPlanCodeTest,
    ::testing::Values(
        MalformedRow{"", "This is not a Vantrell plan code."},
        MalformedRow{"hello world", "This is not a Vantrell plan code."},
        MalformedRow{"VT1:Healer:50", "This is not a Vantrell plan code."},
        MalformedRow{"VT1:Healer:50:1.1.1:9", "This is not a Vantrell plan code."},
        MalformedRow{"XX1:Healer:50:1.1.1", "This is not a Vantrell plan code."},
        MalformedRow{"VTx:Healer:50:1.1.1", "This is not a Vantrell plan code."},
        MalformedRow{"VT2:Healer:50:1.1.1", "This plan code has format 2; this version of Vantrell reads format 1."},
        MalformedRow{"VT1:Sorcerer:50:1.1.1", "The plan code names an unknown class \"Sorcerer\"."},
        MalformedRow{"VT1:Healer:5:1.1.1", "The plan code's character level \"5\" is not between 6 and 50."},
        MalformedRow{"VT1:Healer:51:1.1.1", "The plan code's character level \"51\" is not between 6 and 50."},
        MalformedRow{"VT1:Healer:fifty:1.1.1", "The plan code's character level \"fifty\" is not a number."},
        MalformedRow{"VT1:Healer:\uFF15\uFF10:1.1.1", "The plan code's character level \"\uFF15\uFF10\" is not a number."},
        MalformedRow{"VT1:Healer:00050:1.1.1", "The plan code's character level \"00050\" is not between 6 and 50."},
        MalformedRow{"VT1:Healer:50:1.1", "The plan code holds 2 line levels, but the Healer has 3 lines."},
        MalformedRow{"VT1:Healer:50:1.1.1.1", "The plan code holds 4 line levels, but the Healer has 3 lines."},
        MalformedRow{"VT1:Healer:50:1.0.1", "The plan code's line level \"0\" is not between 1 and 101."},
        MalformedRow{"VT1:Healer:50:1..1", "The plan code's line level \"\" is not a number."},
        MalformedRow{"VT1:Healer:50:1.\u0663.1", "The plan code's line level \"\u0663\" is not a number."},
        MalformedRow{"VT1:Healer:50:1.102.1", "The plan code's line level \"102\" is not between 1 and 101."},
        MalformedRow{"VT1:Healer:50:1.-3.1", "The plan code's line level \"-3\" is not between 1 and 101."}));

// Whatever surrounds a code in a link, and however a browser escaped it, the same plan or the same reason comes out.
TEST(PlanCodeText, AMalformedEscapeIsLeftAsTheAddressBarLeavesIt) {
    EXPECT_EQ(PlanCodeTextOf("#VT1%3AHealer%3"), "VT1%3AHealer%3");
    EXPECT_EQ(PlanCodeTextOf("#VT1%FF"), "VT1%FF");
    EXPECT_EQ(PlanCodeTextOf("#%E2%96%B2"), "\u25B2");
}

TEST(PlanCodeText, ALinkCarriesItsCodeAfterTheFirstHash) {
    for (const std::string code : {"VT1:Healer:20:12.5.1", "VT1:Healer:60:1.1.1", "VT2:x", ""}) {
        SCOPED_TRACE(code);
        const auto direct = DecodePlanCode(code);
        std::string escaped;
        for (const char c : code) escaped += c == ':' ? std::string("%3A") : std::string(1, c);
        for (const std::string& link : {"#" + code, "file:///home/a b/vantrell.html#" + code,
                                        " https://example.org/p?q=1#" + code + "\r\n", "https://example.org/#" + escaped}) {
            SCOPED_TRACE(link);
            EXPECT_EQ(PlanCodeTextOf(link), code);
            const auto viaLink = DecodePlanCode(PlanCodeTextOf(link));
            ASSERT_EQ(viaLink.index(), direct.index());
            if (const auto* reason = std::get_if<std::string>(&direct)) {
                EXPECT_EQ(std::get<std::string>(viaLink), *reason);
            } else {
                EXPECT_EQ(std::get<PlanCode>(viaLink).lineLevels, std::get<PlanCode>(direct).lineLevels);
                EXPECT_EQ(std::get<PlanCode>(viaLink).characterLevel, std::get<PlanCode>(direct).characterLevel);
            }
        }
    }
}

TEST(PlanText, ListsTheHeadingAndOneAlignedRowPerLine) {
    PlannerProbe sorceror("Sorceror");
    sorceror.Level(20);
    sorceror.Slide("Body", 12);
    const std::string text = PlanAsText(sorceror.planner());
    EXPECT_EQ(text,
              "Realm:       Albion\n"
              "Class:       Sorcerer\n"
              "Level:       20\n"
              "Points left: 132 / 209\n"
              "\n"
              "Line              Level  Points    %  Abilities\n"
              "Matter                1       0    0\n"
              "Body Destruction     12      77   36\n"
              "Mind Twisting         1       0    0\n");
}

TEST(PlanText, CarriesEveryLinesCaptionAndAbilitiesForEveryClass) {
    for (const catalog::ClassDefinition* definition : catalog::ClassCatalog::AllClasses()) {
        Planner planner(*definition);
        BuildSamplePlan(planner);
        const std::string text = PlanAsText(planner);
        for (std::size_t line = 0; line < definition->lines.size(); ++line) {
            EXPECT_NE(text.find(std::string(definition->lines[line].caption)), std::string::npos);
            EXPECT_NE(text.find(planner.display().lines[line].abilities), std::string::npos);
        }
    }
}

TEST(NextUnlock, TellsTheNextBandAndItsCost) {
    const catalog::SpecLineDefinition& blades = catalog::ClassCatalog::Find("Bard")->lines[3];
    ASSERT_EQ(blades.stem, "Blades");
    EXPECT_EQ(NextUnlockHint(blades, 1), "Next at level 2 (2 more points):\nBlades styles 1->1");
    EXPECT_EQ(NextUnlockHint(blades, 11), "Next at level 12 (12 more points):\nBlades styles 1->6");
    EXPECT_EQ(NextUnlockHint(blades, 12), "Next at level 15 (42 more points):\nBlades styles 1->7");
    EXPECT_EQ(NextUnlockHint(blades, 49), "Next at level 50 (50 more points):\nBlades styles 1->15");
    EXPECT_EQ(NextUnlockHint(blades, 50), "All abilities of this line are reached.");
}

TEST(NextUnlock, LinesWithoutATableTellNothing) {
    EXPECT_EQ(NextUnlockHint(catalog::ClassCatalog::Find("Healer")->lines[0], 1), "");
    const auto& parry = catalog::ClassCatalog::Find("Armsman")->lines.back();
    ASSERT_TRUE(parry.availableText.has_value());
    EXPECT_EQ(NextUnlockHint(parry, 1), "");
}

}  // namespace
}  // namespace vantrell::planner

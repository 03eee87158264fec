#include "core/planner/planner.h"

#include <gtest/gtest.h>

#include "core/catalog/style_schedules.h"
#include "tests/support/planner_probe.h"

namespace vantrell::planner {
namespace {

using catalog::AbilitiesKind;
using catalog::ClassDefinition;
using catalog::LineCap;
using catalog::SpecLineDefinition;
using testing::PlannerProbe;

constexpr SpecLineDefinition Line(std::string_view stem, LineCap cap = LineCap::None, std::int16_t from = 1) {
    return {.stem = stem,
            .caption = stem,
            .abilitiesKind = AbilitiesKind::Skills,
            .styles = catalog::WeaponStyles("Blades styles 1->"),
            .cap = cap,
            .availableFromLevel = from};
}

constexpr SpecLineDefinition kOpenLines[] = {Line("First"), Line("Second"), Line("Third")};
constexpr std::string_view kThirdFirst[] = {"Third", "First", "Second"};
constexpr ClassDefinition kFactorTwo{.listName = "Test", .pointsRule = {2}, .lines = kOpenLines};
constexpr ClassDefinition kFactorOneThirdFirst{
    .listName = "Test", .pointsRule = {1}, .lines = kOpenLines, .levelRefreshOrder = kThirdFirst};

constexpr SpecLineDefinition kMixedLines[] = {
    Line("Capped", LineCap::CharacterLevel),
    Line("Half", LineCap::HalfCharacterLevel),
    {.stem = "Fixed", .abilitiesKind = AbilitiesKind::Skills, .availableText = "Fixed"},
    {.stem = "Late",
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel,
     .availableFromLevel = 10,
     .availableText = "Late"},
    Line("Later", LineCap::CharacterLevel, 15),
};
constexpr std::string_view kLateLast[] = {"Capped", "Half", "Fixed", "Later", "Late"};
constexpr ClassDefinition kMixed{.listName = "Test",
                                 .pointsRule = {2},
                                 .lines = kMixedLines,
                                 .levelRefreshOrder = kLateLast,
                                 .statsFrameStartsDisabled = true};

TEST(PlannerLoad, PlansLevelFiftyWithEveryLineAtOne) {
    PlannerProbe healer("Healer");
    EXPECT_EQ(healer.planner().state().characterLevel, 50);
    EXPECT_EQ(healer.PointsLeft(), "1274");
    EXPECT_EQ(healer.TotalPoints(), "1274");
    EXPECT_TRUE(healer.planner().display().statsFrameEnabled);
    for (std::string_view stem : {"Mending", "Augmentation", "Pacification"}) {
        EXPECT_EQ(healer.Value(stem), 1);
        EXPECT_EQ(healer.Maximum(stem), 50);
        EXPECT_EQ(healer.Shown(stem).level, "1");
        EXPECT_EQ(healer.Shown(stem).points, "0");
        EXPECT_EQ(healer.Shown(stem).percent, "0");
        EXPECT_EQ(healer.Abilities(stem), "");
    }
}

TEST(PlannerLevel, LevelSixGivesEveryLineSixAndLevelFiftyIsSpentExactly) {
    PlannerProbe healer("Healer");
    healer.Level(6);
    EXPECT_EQ(healer.PointsLeft(), "20");
    EXPECT_EQ(healer.TotalPoints(), "20");
    EXPECT_EQ(healer.Maximum("Pacification"), 6);

    healer.Level(50);
    EXPECT_TRUE(healer.Slide("Mending", 50));
    EXPECT_EQ(healer.Value("Mending"), 50);
    EXPECT_EQ(healer.PointsLeft(), "0");
    EXPECT_EQ(healer.Shown("Mending").points, "1274");
    EXPECT_EQ(healer.Shown("Mending").percent, "100");
    EXPECT_EQ(healer.Maximum("Augmentation"), 1);
    EXPECT_EQ(healer.Maximum("Pacification"), 1);
}

TEST(PlannerOverBudget, TheOneLevelOvershootIsTakenBack) {
    PlannerProbe factorTwo(kFactorTwo);
    EXPECT_EQ(factorTwo.PointsLeft(), "2534");
    EXPECT_EQ(factorTwo.Maximum("First"), 71);
    EXPECT_TRUE(factorTwo.Slide("First", 71));
    EXPECT_EQ(factorTwo.Value("First"), 70);
    EXPECT_EQ(factorTwo.Shown("First").level, "70");
    EXPECT_EQ(factorTwo.Shown("First").points, "2484");
    EXPECT_EQ(factorTwo.Abilities("First"), "Blades styles 1->15");
    EXPECT_EQ(factorTwo.PointsLeft(), "50");
    EXPECT_EQ(factorTwo.Maximum("First"), 70);
}

TEST(PlannerOverBudget, EightPointsLeftAllowFourButEndAtThree) {
    PlannerProbe healer("Healer");
    healer.Level(8);
    healer.Slide("Mending", 7);
    ASSERT_EQ(healer.PointsLeft(), "8");
    EXPECT_EQ(healer.Maximum("Augmentation"), 4);
    healer.Slide("Augmentation", 4);
    EXPECT_EQ(healer.Value("Augmentation"), 3);
    EXPECT_EQ(healer.PointsLeft(), "3");
    EXPECT_EQ(healer.Maximum("Augmentation"), 3);
}

TEST(PlannerSlider, MovesAreClampedAndUnchangedValuesChangeNothing) {
    PlannerProbe healer("Healer");
    EXPECT_TRUE(healer.Slide("Mending", 500));
    EXPECT_EQ(healer.Value("Mending"), 50);
    EXPECT_FALSE(healer.Slide("Mending", 50));
    EXPECT_TRUE(healer.Slide("Mending", -7));
    EXPECT_EQ(healer.Value("Mending"), 1);
    EXPECT_EQ(healer.PointsLeft(), "1274");
}

TEST(PlannerLevelCut, TheFirstLineOfTheRefreshOrderGivesUpLevelsFirst) {
    PlannerProbe planner(kFactorOneThirdFirst);
    planner.Slide("First", 20);
    planner.Slide("Third", 20);
    planner.Level(20);
    EXPECT_EQ(planner.Value("Third"), 1);
    EXPECT_EQ(planner.Value("First"), 20);
    EXPECT_EQ(planner.PointsLeft(), "0");
    EXPECT_EQ(planner.Shown("Third").level, "1");
    EXPECT_EQ(planner.Shown("First").percent, "100");
}

TEST(PlannerLevelCut, TheNextLineTakesWhatTheFirstCannotGive) {
    PlannerProbe planner(kFactorOneThirdFirst);
    planner.Slide("First", 30);
    planner.Slide("Third", 10);
    planner.Slide("Second", 5);
    planner.Level(20);
    EXPECT_EQ(planner.Value("Third"), 1);
    EXPECT_EQ(planner.Value("First"), 19);
    EXPECT_EQ(planner.Value("Second"), 5);
    EXPECT_EQ(planner.PointsLeft(), "6");
    // A line at 1 that could give nothing ends with a usable maximum again.
    EXPECT_EQ(planner.Maximum("Third"), 3);
}

TEST(PlannerCaps, CharacterLevelAndHalfLevelBoundTheSliders) {
    PlannerProbe planner(kMixed);
    EXPECT_EQ(planner.Maximum("Capped"), 50);
    EXPECT_EQ(planner.Maximum("Half"), 25);
    planner.Level(7);
    EXPECT_EQ(planner.Maximum("Capped"), 7);
    EXPECT_EQ(planner.Maximum("Half"), 3);
    planner.Level(21);
    EXPECT_EQ(planner.Maximum("Half"), 10);
}

TEST(PlannerCaps, LoweringTheLevelBringsCappedLinesDownToTheCap) {
    PlannerProbe planner(kMixed);
    planner.Slide("Capped", 40);
    planner.Slide("Half", 25);
    planner.Level(20);
    // The maxima are recomputed top to bottom: the capped line is lowered
    // first and, still over budget then, keeps giving up levels itself.
    EXPECT_EQ(planner.Value("Capped"), 12);
    EXPECT_EQ(planner.Value("Half"), 10);
    EXPECT_EQ(planner.Shown("Half").abilities, "Blades styles 1->5");
    EXPECT_EQ(planner.PointsLeft(), "273");
}

TEST(PlannerFixedText, ShowsAtEveryLevelOfTheLine) {
    PlannerProbe planner(kMixed);
    EXPECT_EQ(planner.Shown("Fixed").abilities, "Fixed");
    planner.Slide("Fixed", 12);
    EXPECT_EQ(planner.Shown("Fixed").abilities, "Fixed");
    EXPECT_EQ(planner.Shown("Late").abilities, "Late");
}

TEST(PlannerAvailability, AClosedLineIsDisabledAtOneAndCountsNothingAtOnce) {
    PlannerProbe planner(kMixed);
    planner.Slide("Later", 20);
    planner.Slide("Late", 10);
    planner.Level(9);
    for (std::string_view stem : {"Late", "Later"}) {
        EXPECT_FALSE(planner.Enabled(stem)) << stem;
        EXPECT_EQ(planner.Value(stem), 1) << stem;
        EXPECT_EQ(planner.Shown(stem).level, "1") << stem;
        EXPECT_EQ(planner.Shown(stem).points, "0") << stem;
        EXPECT_EQ(planner.Shown(stem).percent, "0") << stem;
        EXPECT_EQ(planner.Shown(stem).abilities, "") << stem;
    }
    EXPECT_EQ(planner.PointsLeft(), "74");
    EXPECT_FALSE(planner.Slide("Late", 5));

    planner.Level(10);
    EXPECT_TRUE(planner.Enabled("Late"));
    EXPECT_EQ(planner.Shown("Late").abilities, "Late");
    EXPECT_EQ(planner.Value("Late"), 1);
    EXPECT_FALSE(planner.Enabled("Later"));
    planner.Level(15);
    EXPECT_TRUE(planner.Enabled("Later"));
}

TEST(PlannerAvailability, PointsLeftNeverCountAClosedLineLastInTheRefreshOrder) {
    PlannerProbe planner(kMixed);
    planner.Slide("Late", 30);
    planner.Level(9);
    EXPECT_EQ(planner.PointsLeft(), "74");
    EXPECT_EQ(planner.Maximum("Capped"), 9);
}

TEST(PlannerExplanation, LinesWithoutADescriptionShowNothing) {
    PlannerProbe healer("Healer");
    EXPECT_EQ(healer.Click("Mending"), nullptr);
}

}  // namespace
}  // namespace vantrell::planner

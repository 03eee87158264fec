#include "core/planner/training_path.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/catalog/abilities.h"
#include "core/catalog/class_catalog.h"
#include "core/planner/training_path_text.h"
#include "tests/support/planner_probe.h"

namespace vantrell::planner {
namespace {

using testing::PlannerProbe;
using Changes = std::vector<std::pair<std::string, std::string>>;  // stem and new abilities text

struct StepRow {
    int level;
    std::vector<std::int16_t> lines;
    double left;
    Changes changed;
};

void ExpectSteps(const Planner& planner, std::vector<std::string_view> stems, const std::vector<StepRow>& rows) {
    const auto path = TrainingPath(planner, std::get<TrainingPriority>(PriorityFromStems(planner.definition(), stems)));
    ASSERT_EQ(path.size(), static_cast<std::size_t>(planner.state().characterLevel - 5));
    for (const StepRow& row : rows) {
        SCOPED_TRACE("character level " + std::to_string(row.level));
        const TrainingStep& step = path.at(static_cast<std::size_t>(row.level - kLowestCharacterLevel));
        EXPECT_EQ(step.characterLevel, row.level);
        EXPECT_EQ(step.lineLevels, row.lines);
        EXPECT_EQ(step.pointsLeft, row.left);
        Changes changed;
        for (std::size_t line : step.changedLines) {
            const catalog::SpecLineDefinition& definition = planner.definition().lines[line];
            changed.emplace_back(definition.stem, catalog::AbilitiesTextFor(definition, step.lineLevels[line]));
        }
        EXPECT_EQ(changed, row.changed);
    }
}

// Screen order Slashing Crushing Thrusting Polearms Two Crossbow Shield Parry, factor 2.
// Level 9 raises two lines inside their style bands, so it brings no ability;
// Parry opens at 10 and takes what is left, but its fixed text is never listed.
TEST(TrainingPath, ArmsmanTrainsShieldFirstThenSlashing) {
    PlannerProbe probe("Armsman");
    probe.Level(30);
    probe.Slide("Slashing", 30);
    probe.Slide("Shield", 15);
    probe.Slide("Parry", 10);
    ExpectSteps(probe.planner(),
                {"Shield", "Slashing", "Crushing", "Thrusting", "Polearms", "Two", "Crossbow", "Parry"},
                {
                    {6,
                     {3, 1, 1, 1, 1, 1, 6, 1},
                     1,
                     {{"Slashing", "Slashing Weapons styles 1->1"}, {"Shield", "Shields styles 1->1"}}},
                    {7, {4, 1, 1, 1, 1, 1, 7, 1}, 4, {{"Slashing", "Slashing Weapons styles 1->2"}}},
                    {9, {7, 1, 1, 1, 1, 1, 9, 1}, 3, {}},
                    {10, {8, 1, 1, 1, 1, 1, 10, 3}, 0, {{"Slashing", "Slashing Weapons styles 1->4"}}},
                    {30, {30, 1, 1, 1, 1, 1, 15, 10}, 277, {}},
                });
    EXPECT_THROW(TrainingPath(probe.planner(), TrainingPriority{6, 0}), std::invalid_argument);
}

// Dual Wield is held to half the character level, so it rises every other level.
// A refused priority names the lines as the screen shows them, not by the catalog's stems.
TEST(TrainingPath, ARefusedPriorityNamesTheLinesByTheirCaptions) {
    const catalog::ClassDefinition& armsman = *catalog::ClassCatalog::Find("Armsman");
    const std::vector<std::string_view> leavingOut = {"Slashing", "Crushing", "Thrusting", "Polearms", "Shield", "Parry"};
    EXPECT_EQ(std::get<std::string>(PriorityFromStems(armsman, leavingOut)),
              "the priority leaves out 'Two Handed', 'Crossbows'");
    const std::vector<std::string_view> twice = {"Two", "Two"};
    EXPECT_EQ(std::get<std::string>(PriorityFromStems(armsman, twice)), "'Two Handed' is named twice");
}

TEST(TrainingPath, AHalfCappedLineRisesEveryOtherLevel) {
    PlannerProbe probe("Infiltrator");
    probe.Level(20);
    probe.Slide("Dual", 10);
    ExpectSteps(probe.planner(), {"Dual", "Slashing", "Thrusting", "Stealth", "Critical", "Envenom"},
                {
                    {6, {1, 1, 1, 1, 3, 1}, 21, {{"Dual", "Dual Wield styles 1->1"}}},
                    {7, {1, 1, 1, 1, 3, 1}, 35, {}},
                    {8, {1, 1, 1, 1, 4, 1}, 47, {{"Dual", "Dual Wield styles 1->2"}}},
                    {20, {1, 1, 1, 1, 10, 1}, 350, {{"Dual", "Dual Wield styles 1->5"}}},
                });
}

// Every column lines up in a monospaced font; a level with two new abilities
// takes a second row under the first.
TEST(TrainingPath, AsTextAlignsTheTableForAMonospacedPost) {
    PlannerProbe probe("Armsman");
    probe.Level(7);
    probe.Slide("Slashing", 3);
    probe.Slide("Shield", 7);
    const TrainingPriority priority = ScreenOrderPriority(probe.planner().definition());
    EXPECT_EQ(TrainingPathAsText(probe.planner(), priority, TrainingPath(probe.planner(), priority)),
              "Class:    Armsman\n"
              "Level:    7\n"
              "Priority: Slashing, Crushing, Thrusting, Polearms, Two Handed, Crossbows, Shields, Parry\n"
              "* marks the levels at which a line rose.\n"
              "\n"
              "Level  Slashing  Crushing  Thrusting  Polearms  Two Handed  Crossbows  Shields  Parry  Points Left  "
              "New Abilities\n"
              "    6        3*        1          1         1           1          1        6*     1             1  "
              "Slashing: Slashing Weapons styles 1->1\n"
              "                                                                                                    "
              "Shields: Shields styles 1->1\n"
              "    7        3         1          1         1           1          1        7*     1             8\n");
}

}  // namespace
}  // namespace vantrell::planner

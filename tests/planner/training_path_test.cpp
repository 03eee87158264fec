#include "planner/training_path.h"
#include "planner/training_path_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "catalog/abilities.h"
#include "support/planner_probe.h"

namespace vantrell::planner {
namespace {

using testing::PlannerProbe;

struct StepRow {
    int level;
    std::vector<std::int16_t> lines;
    double left;
    std::vector<std::pair<std::string, std::string>> changed;  // stem and new abilities text
};

void ExpectSteps(const Planner& planner, const std::vector<TrainingStep>& path, const std::vector<StepRow>& rows) {
    for (const StepRow& row : rows) {
        SCOPED_TRACE("character level " + std::to_string(row.level));
        const TrainingStep& step = path.at(static_cast<std::size_t>(row.level - kLowestCharacterLevel));
        EXPECT_EQ(step.characterLevel, row.level);
        EXPECT_EQ(step.lineLevels, row.lines);
        EXPECT_EQ(step.pointsLeft, row.left);
        std::vector<std::pair<std::string, std::string>> changed;
        for (std::size_t line : step.changedLines) {
            const catalog::SpecLineDefinition& definition = planner.definition().lines[line];
            changed.emplace_back(definition.stem, catalog::AbilitiesTextFor(definition, step.lineLevels[line]));
        }
        EXPECT_EQ(changed, row.changed);
    }
}

TrainingPriority Priority(PlannerProbe& probe, std::initializer_list<std::string_view> first) {
    TrainingPriority priority;
    for (std::string_view stem : first) priority.push_back(probe.Index(stem));
    for (std::size_t line : ScreenOrderPriority(probe.planner().definition())) {
        if (std::find(priority.begin(), priority.end(), line) == priority.end()) priority.push_back(line);
    }
    return priority;
}

// Armsman, factor 2, screen order Slashing Crushing Thrusting Polearms Two Crossbow Shield Parry.
// Level 9 raises two lines inside their style bands, so it brings no ability;
// Parry opens at 10 and takes what is left, but its fixed text is never listed.
TEST(TrainingPath, ArmsmanTrainsShieldFirstThenSlashing) {
    PlannerProbe probe("Armsman");
    probe.Level(30);
    probe.Slide("Slashing", 30);
    probe.Slide("Shield", 15);
    probe.Slide("Parry", 10);
    const auto path = TrainingPath(probe.planner(), Priority(probe, {"Shield", "Slashing"}));
    ASSERT_EQ(path.size(), 25u);
    ExpectSteps(probe.planner(), path,
                {
                    {6,
                     {3, 1, 1, 1, 1, 1, 6, 1},
                     1,
                     {{"Slashing", "Slashing Weapons styles 1->1"}, {"Shield", "Shields styles 1->1"}}},
                    {7, {4, 1, 1, 1, 1, 1, 7, 1}, 4, {{"Slashing", "Slashing Weapons styles 1->2"}}},
                    {8,
                     {6, 1, 1, 1, 1, 1, 8, 1},
                     1,
                     {{"Slashing", "Slashing Weapons styles 1->3"}, {"Shield", "Shields styles 1->2"}}},
                    {9, {7, 1, 1, 1, 1, 1, 9, 1}, 3, {}},
                    {10, {8, 1, 1, 1, 1, 1, 10, 3}, 0, {{"Slashing", "Slashing Weapons styles 1->4"}}},
                    {30, {30, 1, 1, 1, 1, 1, 15, 10}, 277, {}},
                });
}

// Dual Wield is held to half the character level, so it rises every other level.
TEST(TrainingPath, AHalfCappedLineRisesEveryOtherLevel) {
    PlannerProbe probe("Infiltrator");
    probe.Level(20);
    probe.Slide("Dual", 10);
    const auto path = TrainingPath(probe.planner(), Priority(probe, {"Dual"}));
    ExpectSteps(probe.planner(), path,
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
    probe.Level(8);
    probe.Slide("Slashing", 6);
    probe.Slide("Shield", 8);
    const TrainingPriority priority = Priority(probe, {"Shield"});
    EXPECT_EQ(TrainingPathAsText(probe.planner(), priority, TrainingPath(probe.planner(), priority)),
              "Class:    Armsman\n"
              "Level:    8\n"
              "Priority: Shields, Slashing, Crushing, Thrusting, Polearms, Two Handed, Crossbows, Parry\n"
              "* marks the levels at which a line rose.\n"
              "\n"
              "Level  Slashing  Crushing  Thrusting  Polearms  Two Handed  Crossbows  Shields  Parry  Points Left  "
              "New Abilities\n"
              "    6        3*        1          1         1           1          1        6*     1             1  "
              "Slashing: Slashing Weapons styles 1->1\n"
              "                                                                                                    "
              "Shields: Shields styles 1->1\n"
              "    7        4*        1          1         1           1          1        7*     1             4  "
              "Slashing: Slashing Weapons styles 1->2\n"
              "    8        6*        1          1         1           1          1        8*     1             1  "
              "Slashing: Slashing Weapons styles 1->3\n"
              "                                                                                                    "
              "Shields: Shields styles 1->2\n");
}

struct FaultRow {
    std::vector<std::size_t> priority;
    std::string fault;
};

TEST(TrainingPath, APriorityMustNameEveryLineOnce) {
    PlannerProbe probe("Healer");
    const std::vector<FaultRow> rows{
        {{2, 0, 1}, ""},
        {{0, 1}, "the priority leaves out 'Pacification'"},
        {{}, "the priority leaves out 'Mending', 'Augmentation', 'Pacification'"},
        {{0, 1, 1, 2}, "'Augmentation' is named twice"},
        {{0, 1, 3}, "no line 3 in Healer"},
    };
    for (const FaultRow& row : rows) {
        EXPECT_EQ(PriorityFault(probe.planner().definition(), row.priority), row.fault);
        if (!row.fault.empty()) {
            EXPECT_THROW(TrainingPath(probe.planner(), row.priority), std::invalid_argument);
        }
    }
}

}  // namespace
}  // namespace vantrell::planner

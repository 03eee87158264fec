// Minstrel, Scout and Infiltrator: weapon lines held to half the character
// level, rounded down, beside lines held only to the full level.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tests/support/class_rows.h"
#include "tests/support/planner_probe.h"

namespace {

using vantrell::testing::PlannerProbe;

// With every line at 1 the points alone would allow far more than the caps at
// 50 and 21; at 6 they allow 7 (23 points, Minstrel; 26 points, factor 2) and
// at 7 they allow 8 or 9.
TEST(AlbionHalfCaps, SliderMaximumIsHalfTheCharacterLevelRoundedDown) {
    const vantrell::testing::CapRow rows[] = {
        {"Minstrel", "Slashing", 50, 25},
        {"Minstrel", "Slashing", 21, 10},
        {"Minstrel", "Slashing", 7, 3},
        {"Minstrel", "Slashing", 6, 3},
        {"Minstrel", "Thrusting", 50, 25},
        {"Minstrel", "Thrusting", 7, 3},
        {"Minstrel", "Stealth", 50, 50},
        {"Minstrel", "Stealth", 21, 21},
        {"Minstrel", "Stealth", 6, 6},
        {"Scout", "Slashing", 50, 25},
        {"Scout", "Thrusting", 21, 10},
        {"Scout", "Shields", 50, 25},
        {"Scout", "Shields", 21, 10},
        {"Scout", "Shields", 7, 3},
        {"Scout", "Shields", 6, 3},
        {"Scout", "Long", 50, 50},
        {"Scout", "Long", 7, 7},
        {"Infiltrator", "Slashing", 21, 10},
        {"Infiltrator", "Thrusting", 50, 25},
        {"Infiltrator", "Thrusting", 6, 3},
        {"Infiltrator", "Dual", 50, 25},
        {"Infiltrator", "Dual", 21, 10},
        {"Infiltrator", "Dual", 7, 3},
        {"Infiltrator", "Stealth", 50, 50},
        {"Infiltrator", "Critical", 50, 50},
        {"Infiltrator", "Critical", 21, 21},
    };
    vantrell::testing::ExpectSlidersStopAtTheirCaps(rows);
}

// Lowering the character level pulls a half-capped line down to the new half
// at once, with its labels and text for the new level: 10 costs 54 of 334
// (Minstrel) or 446 (factor 2) points at level 21.
TEST(AlbionHalfCaps, LowerCharacterLevelPullsTheLineToTheNewHalf) {
    struct Row {
        std::string_view listName;
        std::string_view stem;
        std::string_view percent;
        std::string_view text;
    };
    const Row rows[] = {
        {"Minstrel", "Thrusting", "16", "Thrusting styles 1->5"},
        {"Scout", "Shields", "12", "Shields styles 1->5"},
        {"Infiltrator", "Dual", "12", "Dual Wield styles 1->5"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.listName) + " " + std::string(row.stem));
        PlannerProbe probe(row.listName);
        probe.Slide(row.stem, 25);
        ASSERT_EQ(probe.Value(row.stem), 25);
        probe.Level(21);
        EXPECT_EQ(probe.Value(row.stem), 10);
        EXPECT_EQ(probe.Shown(row.stem).level, "10");
        EXPECT_EQ(probe.Shown(row.stem).points, "54");
        EXPECT_EQ(probe.Shown(row.stem).percent, row.percent);
        EXPECT_EQ(probe.Abilities(row.stem), row.text);
    }
}

}  // namespace

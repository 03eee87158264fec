// Armsman, Paladin, Mercenary, Friar, Minstrel, Scout and Infiltrator: lines
// that open at a character level, the orders in which a smaller budget or a
// lower cap is taken from the lines, and the texts at band edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/class_catalog.h"
#include "tests/support/class_rows.h"
#include "tests/support/planner_probe.h"

namespace {

using vantrell::testing::PlannerProbe;

constexpr std::string_view kAlbionFighters[] = {"Armsman",  "Paladin", "Mercenary",  "Friar",
                                                "Minstrel", "Scout",   "Infiltrator"};

struct SliderAt {
    std::string_view stem;
    int value;
};

// Moves each slider at level 50 and makes sure it got there, so that a later
// expectation never rests on a plan that was not actually made.
void Plan(PlannerProbe& probe, const std::vector<SliderAt>& sliders) {
    for (const SliderAt& slider : sliders) {
        probe.Slide(slider.stem, slider.value);
        ASSERT_EQ(probe.Value(slider.stem), slider.value) << "could not plan " << slider.stem;
    }
}

std::string Trace(std::string_view listName, std::string_view stem) {
    return std::string(listName) + " " + std::string(stem);
}

void ExpectClosed(const PlannerProbe& probe, std::string_view stem) {
    EXPECT_FALSE(probe.Enabled(stem));
    EXPECT_EQ(probe.Value(stem), 1);
    EXPECT_EQ(probe.Shown(stem).level, "1");
    EXPECT_EQ(probe.Shown(stem).points, "0");
    EXPECT_EQ(probe.Shown(stem).percent, "0");
    EXPECT_EQ(probe.Abilities(stem), "");
}

struct ThresholdRow {
    std::string_view listName;
    std::string_view stem;
    int opensAt;
    std::string_view textWhenOpened;
    std::string_view textAtFive;
};

// Fixed texts replace the band texts altogether; the other late lines show
// their styles (nothing at 1) or, without bands, nothing at all.
const ThresholdRow kThresholds[] = {
    {"Armsman", "Two", 10, "", "Two Handed styles 1->2"},
    {"Armsman", "Parry", 10, "Parry", "Parry"},
    {"Armsman", "Crossbow", 15, "", ""},
    {"Paladin", "Parry", 15, "Parry", "Parry"},
    {"Mercenary", "Dual", 10, "", "Dual Wield styles 1->2"},
    {"Mercenary", "Parry", 17, "Parry", "Parry"},
    {"Friar", "Parry", 10, "Parry", "Parry"},
    {"Minstrel", "Instruments", 10, "Instruments", "Instruments"},
    {"Scout", "Stealth", 10, "Stealth", "Stealth"},
    {"Infiltrator", "Envenom", 10, "Envenom", "Envenom"},
};

TEST(AlbionFightersAvailability, LineIsClosedOneLevelBelowItsThreshold) {
    for (const ThresholdRow& row : kThresholds) {
        SCOPED_TRACE(Trace(row.listName, row.stem));
        PlannerProbe probe(row.listName);
        probe.Level(row.opensAt - 1);
        ExpectClosed(probe, row.stem);
        EXPECT_FALSE(probe.Slide(row.stem, 5));
        EXPECT_EQ(probe.Value(row.stem), 1);
        EXPECT_EQ(probe.PointsLeft(), probe.TotalPoints());
    }
}

TEST(AlbionFightersAvailability, LineOpensAtItsThresholdWithItsText) {
    for (const ThresholdRow& row : kThresholds) {
        SCOPED_TRACE(Trace(row.listName, row.stem));
        PlannerProbe probe(row.listName);
        probe.Level(row.opensAt);
        EXPECT_TRUE(probe.Enabled(row.stem));
        EXPECT_EQ(probe.Abilities(row.stem), row.textWhenOpened);
        EXPECT_TRUE(probe.Slide(row.stem, 5));
        EXPECT_EQ(probe.Value(row.stem), 5);
        EXPECT_EQ(probe.Shown(row.stem).level, "5");
        EXPECT_EQ(probe.Shown(row.stem).points, "14");
        EXPECT_EQ(probe.Abilities(row.stem), row.textAtFive);
    }
}

TEST(AlbionFightersAvailability, ClosingAPlannedLineResetsItAndReopensItAtOne) {
    for (const ThresholdRow& row : kThresholds) {
        SCOPED_TRACE(Trace(row.listName, row.stem));
        PlannerProbe probe(row.listName);
        Plan(probe, {{row.stem, 5}});
        probe.Level(row.opensAt - 1);
        ExpectClosed(probe, row.stem);
        EXPECT_EQ(probe.PointsLeft(), probe.TotalPoints());

        probe.Level(row.opensAt);
        EXPECT_TRUE(probe.Enabled(row.stem));
        EXPECT_EQ(probe.Value(row.stem), 1);
        EXPECT_EQ(probe.Shown(row.stem).points, "0");
        EXPECT_EQ(probe.Abilities(row.stem), row.textWhenOpened);
    }
}

TEST(AlbionFightersAvailability, OnlyTheLateLinesAreClosed) {
    struct Row {
        std::string_view listName;
        int level;
        std::vector<std::string_view> closed;
    };
    const Row rows[] = {
        {"Armsman", 6, {"Two", "Crossbow", "Parry"}},
        {"Armsman", 14, {"Crossbow"}},
        {"Paladin", 6, {"Parry"}},
        {"Mercenary", 6, {"Dual", "Parry"}},
        {"Mercenary", 16, {"Parry"}},
        {"Friar", 6, {"Parry"}},
        {"Minstrel", 6, {"Instruments"}},
        {"Scout", 6, {"Stealth"}},
        {"Infiltrator", 6, {"Envenom"}},
    };
    for (const Row& row : rows) {
        PlannerProbe probe(row.listName);
        probe.Level(row.level);
        for (const auto& line : probe.planner().definition().lines) {
            SCOPED_TRACE(Trace(row.listName, line.stem) + " at level " + std::to_string(row.level));
            const bool closed = std::find(row.closed.begin(), row.closed.end(), line.stem) != row.closed.end();
            EXPECT_EQ(probe.Enabled(line.stem), !closed);
        }
    }
    for (std::string_view listName : kAlbionFighters) {
        PlannerProbe probe(listName);
        for (const auto& line : probe.planner().definition().lines) {
            SCOPED_TRACE(Trace(listName, line.stem) + " at level 50");
            EXPECT_TRUE(probe.Enabled(line.stem));
        }
    }
}

// A closed line's kept slider position is given up, so the points left shown
// at once after the level change, and the maxima computed from them, leave it out.
TEST(AlbionFightersClosedLine, CountsNothingInThePointsLeftRightAfterTheLevelChange) {
    struct Row {
        std::string_view listName;
        std::string_view closedStem;
        SliderAt kept;
        int level;
        std::string_view pointsLeft;
        std::string_view otherStem;
        int otherMaximum;
    };
    // Level 14 (factor 2) has 194 points, 16 has 256, 9 has 74; the Friar at 9
    // has 44, the Minstrel 58. A line at 14 costs 104, at 16 135, at 9 44.
    const Row rows[] = {
        {"Armsman", "Crossbow", {"Slashing", 14}, 14, "90", "Crushing", 13},
        {"Paladin", "Parry", {"Crushing", 14}, 14, "90", "Slashing", 13},
        {"Mercenary", "Parry", {"Thrusting", 16}, 16, "121", "Slashing", 16},
        {"Friar", "Parry", {"Quarterstaves", 9}, 9, "0", "Rejuvenation", 1},
        {"Minstrel", "Instruments", {"Stealth", 9}, 9, "14", "Slashing", 4},
        {"Scout", "Stealth", {"Long", 9}, 9, "30", "Thrusting", 4},
        {"Infiltrator", "Envenom", {"Critical", 9}, 9, "30", "Stealth", 8},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Trace(row.listName, row.closedStem));
        PlannerProbe probe(row.listName);
        Plan(probe, {{row.closedStem, 30}, row.kept});
        probe.Level(row.level);
        ExpectClosed(probe, row.closedStem);
        EXPECT_EQ(probe.PointsLeft(), row.pointsLeft);
        EXPECT_EQ(probe.Value(row.kept.stem), row.kept.value);
        EXPECT_EQ(probe.Maximum(row.otherStem), row.otherMaximum);
    }
}

struct CutRow {
    std::string_view listName;
    std::vector<SliderAt> plan;
    int level;
    std::vector<SliderAt> expected;
    std::string_view pointsLeft;
};

void ExpectCut(const CutRow& row) {
    PlannerProbe probe(row.listName);
    Plan(probe, row.plan);
    probe.Level(row.level);
    for (const SliderAt& slider : row.expected) {
        SCOPED_TRACE(slider.stem);
        EXPECT_EQ(probe.Value(slider.stem), slider.value);
        EXPECT_EQ(probe.Shown(slider.stem).level, std::to_string(slider.value));
    }
    EXPECT_EQ(probe.PointsLeft(), row.pointsLeft);
}

// No line is above the new level's cap here, so only the refresh order decides:
// its first planned line is lowered, down to 1 if need be, before the next.
// Level 20 has 404 points (factor 2), 303 (Minstrel) or 209 (Friar); a line at
// 20 costs 209, at 19 189, at 16 135, at 15 119, at 13 90, at 10 54.
TEST(AlbionFightersCuts, LevelRefreshOrderDecidesWhichLineAbsorbsASmallerBudget) {
    const CutRow rows[] = {
        {"Armsman", {{"Crossbow", 20}, {"Shield", 20}}, 20, {{"Shield", 19}, {"Crossbow", 20}}, "6"},
        {"Paladin", {{"Two", 20}, {"Chants", 20}}, 20, {{"Chants", 19}, {"Two", 20}}, "6"},
        {"Mercenary", {{"Shield", 20}, {"Dual", 20}}, 20, {{"Dual", 19}, {"Shield", 20}}, "6"},
        {"Friar", {{"Enhance", 15}, {"Parry", 15}}, 20, {{"Parry", 13}, {"Enhance", 15}}, "0"},
        {"Minstrel",
         {{"Thrusting", 10}, {"Stealth", 20}, {"Instruments", 20}},
         20,
         {{"Thrusting", 1}, {"Stealth", 13}, {"Instruments", 20}},
         "4"},
        {"Scout",
         {{"Shields", 10}, {"Long", 20}, {"Stealth", 20}},
         20,
         {{"Shields", 1}, {"Long", 19}, {"Stealth", 20}},
         "6"},
        {"Infiltrator",
         {{"Thrusting", 10}, {"Stealth", 20}, {"Envenom", 20}},
         20,
         {{"Thrusting", 10}, {"Stealth", 16}, {"Envenom", 20}},
         "6"},
        {"Infiltrator",
         {{"Dual", 10}, {"Critical", 20}, {"Envenom", 20}},
         20,
         {{"Dual", 1}, {"Critical", 19}, {"Envenom", 20}},
         "6"},
    };
    for (const CutRow& row : rows) {
        SCOPED_TRACE(row.listName);
        ExpectCut(row);
    }
}

// Here both planned lines stand above the new level's cap. The first of them
// in the maxima order is capped while the other still holds its old points, so
// it is the one lowered further. Level 25 has 634 points (factor 2) or 324
// (Friar, exactly what one line at 25 costs); a line at 25 costs 324, at 24
// 299, at 18 170, at 12 77.
TEST(AlbionFightersCuts, MaximaOrderDecidesWhichCappedLineAbsorbsTheShortfall) {
    const CutRow rows[] = {
        // Screen order, unlike its refresh order.
        {"Armsman", {{"Crossbow", 30}, {"Shield", 30}}, 25, {{"Crossbow", 18}, {"Shield", 25}}, "140"},
        {"Paladin", {{"Two", 30}, {"Chants", 30}}, 25, {{"Chants", 18}, {"Two", 25}}, "140"},
        {"Mercenary", {{"Shield", 30}, {"Dual", 30}}, 25, {{"Dual", 18}, {"Shield", 25}}, "140"},
        {"Friar", {{"Enhance", 30}, {"Parry", 30}}, 25, {{"Parry", 1}, {"Enhance", 25}}, "0"},
        // Screen order, unlike its refresh order.
        {"Scout", {{"Long", 30}, {"Shields", 25}}, 25, {{"Long", 24}, {"Shields", 12}}, "258"},
        {"Infiltrator", {{"Thrusting", 25}, {"Stealth", 30}}, 25, {{"Stealth", 24}, {"Thrusting", 12}}, "258"},
        {"Infiltrator", {{"Critical", 30}, {"Dual", 25}}, 25, {{"Dual", 12}, {"Critical", 25}}, "233"},
    };
    for (const CutRow& row : rows) {
        SCOPED_TRACE(row.listName);
        ExpectCut(row);
    }
}

TEST(AlbionFightersTexts, BandEdgesShowTheLinesOwnStyleText) {
    struct Row {
        std::string_view listName;
        std::string_view stem;
        int level;
        std::string_view text;
    };
    const Row rows[] = {
        {"Armsman", "Slashing", 2, "Slashing Weapons styles 1->1"},
        {"Armsman", "Slashing", 49, "Slashing Weapons styles 1->14"},
        {"Armsman", "Slashing", 50, "Slashing Weapons styles 1->15"},
        {"Armsman", "Polearms", 3, "Polearms styles 1->1"},
        {"Armsman", "Polearms", 4, "Polearms styles 1->2"},
        {"Armsman", "Shield", 2, ""},
        {"Armsman", "Shield", 3, "Shields styles 1->1"},
        {"Armsman", "Shield", 7, "Shields styles 1->1"},
        {"Armsman", "Shield", 8, "Shields styles 1->2"},
        {"Armsman", "Shield", 49, "Shields styles 1->8"},
        {"Armsman", "Shield", 50, "Shields styles 1->9"},
        {"Armsman", "Two", 50, "Two Handed styles 1->15"},
        {"Armsman", "Crossbow", 50, ""},
        {"Paladin", "Crushing", 11, "Crushing styles 1->5"},
        {"Paladin", "Crushing", 12, "Crushing styles 1->6"},
        {"Paladin", "Two", 2, "Two Handed styles 1->1"},
        {"Paladin", "Chants", 2, ""},
        {"Paladin", "Chants", 50, ""},
        {"Mercenary", "Dual", 17, "Dual Wield styles 1->7"},
        {"Mercenary", "Dual", 18, "Dual Wield styles 1->8"},
        {"Mercenary", "Shield", 28, "Shields styles 1->5"},
        {"Mercenary", "Shield", 29, "Shields styles 1->6"},
        {"Mercenary", "Thrusting", 44, "Thrusting styles 1->14"},
        {"Friar", "Quarterstaves", 24, "Quarterstaves styles 1->9"},
        {"Friar", "Quarterstaves", 25, "Quarterstaves styles 1->10"},
        {"Friar", "Rejuvenation", 30, ""},
        {"Friar", "Enhance", 2, ""},
        {"Minstrel", "Stealth", 2, "Stealth Wield styles 1->1"},
        {"Minstrel", "Stealth", 50, "Stealth Wield styles 1->15"},
        {"Minstrel", "Thrusting", 24, "Thrusting styles 1->9"},
        {"Minstrel", "Thrusting", 25, "Thrusting styles 1->10"},
        // Unlike every other Albion Shields line, the Scout's follows the weapon schedule.
        {"Scout", "Shields", 2, "Shields styles 1->1"},
        {"Scout", "Shields", 25, "Shields styles 1->10"},
        {"Scout", "Slashing", 21, "Slashing Weapons styles 1->9"},
        {"Scout", "Long", 50, ""},
        {"Infiltrator", "Critical", 2, ""},
        {"Infiltrator", "Critical", 3, "Criticals styles 1->1"},
        {"Infiltrator", "Critical", 41, "Criticals styles 1->7"},
        {"Infiltrator", "Critical", 42, "Criticals styles 1->8"},
        {"Infiltrator", "Critical", 50, "Criticals styles 1->9"},
        {"Infiltrator", "Dual", 20, "Dual Wield styles 1->8"},
        {"Infiltrator", "Dual", 21, "Dual Wield styles 1->9"},
        {"Infiltrator", "Stealth", 3, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Trace(row.listName, row.stem) + " at " + std::to_string(row.level));
        PlannerProbe probe(row.listName);
        Plan(probe, {{row.stem, row.level}});
        EXPECT_EQ(probe.Abilities(row.stem), row.text);
    }
}

TEST(AlbionFightersTexts, EveryStyleLineIsEmptyAtLevelOne) {
    for (std::string_view listName : kAlbionFighters) {
        PlannerProbe probe(listName);
        for (const auto& line : probe.planner().definition().lines) {
            if (line.availableText) continue;
            SCOPED_TRACE(Trace(listName, line.stem));
            Plan(probe, {{line.stem, 5}, {line.stem, 1}});
            EXPECT_EQ(probe.Abilities(line.stem), "");
        }
    }
}

TEST(AlbionFightersTexts, FixedTextStaysWhileItsLineMoves) {
    for (const ThresholdRow& row : kThresholds) {
        if (row.textWhenOpened.empty()) continue;
        SCOPED_TRACE(Trace(row.listName, row.stem));
        PlannerProbe probe(row.listName);
        for (int level : {2, 3, 25, 50, 1}) {
            Plan(probe, {{row.stem, level}});
            EXPECT_EQ(probe.Abilities(row.stem), row.textWhenOpened) << "at " << level;
        }
    }
}

TEST(AlbionFightersTexts, NoLineHasAnExplanation) {
    for (std::string_view listName : kAlbionFighters) {
        PlannerProbe probe(listName);
        for (const auto& line : probe.planner().definition().lines) {
            EXPECT_EQ(probe.Click(line.stem), nullptr) << Trace(listName, line.stem);
        }
    }
}

TEST(AlbionFightersPoints, TotalsFollowEachClassFactor) {
    const vantrell::testing::TotalRow rows[] = {
        {"Armsman", 6, "26"},   {"Paladin", 10, "94"},    {"Mercenary", 20, "404"}, {"Friar", 6, "20"},
        {"Friar", 10, "54"},    {"Friar", 50, "1274"},    {"Minstrel", 6, "23"},    {"Minstrel", 7, "33"},
        {"Minstrel", 10, "73"}, {"Minstrel", 50, "1893"}, {"Scout", 50, "2534"},    {"Infiltrator", 6, "26"},
    };
    vantrell::testing::ExpectFreshTotals(rows);
}

// The Friar is the one class of this group whose frame waits for the first
// level computation, and whose factor box shows a bare "1".
TEST(AlbionFightersWindow, FriarFrameStartsDisabledAndIsUsableOnceLoaded) {
    PlannerProbe friar("Friar");
    EXPECT_TRUE(friar.planner().definition().statsFrameStartsDisabled);
    EXPECT_TRUE(friar.planner().display().statsFrameEnabled);
    EXPECT_TRUE(friar.Slide("Quarterstaves", 2));
    EXPECT_EQ(friar.planner().definition().pointsPerLevelText, "1");

    for (std::string_view listName : kAlbionFighters) {
        if (listName == "Friar") continue;
        PlannerProbe probe(listName);
        EXPECT_FALSE(probe.planner().definition().statsFrameStartsDisabled) << listName;
    }
}

}  // namespace

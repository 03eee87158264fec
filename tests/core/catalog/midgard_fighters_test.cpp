// Warrior, Thane, Berserker, Skald, Shadowblade and Hunter: the caps, cut
// orders and texts that set these six planners apart from the others.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "core/catalog/class_catalog.h"
#include "desktop/planner_window/control_names.h"
#include "tests/support/class_rows.h"
#include "tests/support/planner_probe.h"

namespace {

using vantrell::catalog::ClassCatalog;
using vantrell::catalog::ClassDefinition;
using vantrell::testing::PlannerProbe;

constexpr std::string_view kMidgardFighters[] = {"Warrior", "Thane", "Berserker", "Skald", "Hunter", "Shadowblade"};

const ClassDefinition& Definition(std::string_view listName) {
    const ClassDefinition* definition = ClassCatalog::Find(listName);
    if (definition == nullptr) throw std::invalid_argument("no class " + std::string(listName));
    return *definition;
}

TEST(MidgardFightersPoints, TotalsFollowEachClassFactor) {
    // The Skald's half points are dropped level by level: 14, +9, +10 (10.5), +12, +13 (13.5).
    const vantrell::testing::TotalRow rows[] = {
        {"Skald", 6, "23"},        {"Skald", 7, "33"},     {"Skald", 8, "45"},
        {"Skald", 9, "58"},        {"Skald", 50, "1893"},  {"Berserker", 6, "26"},
        {"Berserker", 50, "2534"}, {"Warrior", 20, "404"}, {"Hunter", 25, "634"},
    };
    vantrell::testing::ExpectFreshTotals(rows);
}

TEST(MidgardFightersCaps, SliderStopsAtTheLineCapThoughPointsAllowMore) {
    // With every line at 1, the points alone would allow: 28 at level 20, 14 at
    // level 10, 8 at 7 (Skald) or 9 at 7 (factor 2), 7 at 6, 36 at 25, 71 at 50.
    const vantrell::testing::CapRow rows[] = {
        {"Warrior", "Swords", 20, 20},      {"Warrior", "Thrown", 20, 20},       {"Thane", "Stormcalling", 6, 6},
        {"Berserker", "Hammers", 10, 10},   {"Berserker", "LeftAxe", 10, 10},    {"Skald", "Battlesongs", 7, 7},
        {"Hunter", "Swords", 7, 3},         {"Hunter", "Spears", 7, 7},          {"Hunter", "Swords", 25, 12},
        {"Hunter", "Spears", 25, 25},       {"Hunter", "Beastcraft", 25, 25},    {"Shadowblade", "LeftAxe", 25, 12},
        {"Shadowblade", "Swords", 50, 25},  {"Shadowblade", "Axes", 50, 25},     {"Shadowblade", "LeftAxe", 50, 25},
        {"Shadowblade", "Stealth", 50, 50}, {"Shadowblade", "Critical", 50, 50}, {"Shadowblade", "Envenom", 50, 50},
    };
    vantrell::testing::ExpectSlidersStopAtTheirCaps(rows);
}

TEST(MidgardFightersCaps, HunterSwordsAtItsHalfLevelCapShowsItsBand) {
    PlannerProbe probe("Hunter");
    probe.Level(25);
    probe.Slide("Swords", 20);
    EXPECT_EQ(probe.Value("Swords"), 12);
    EXPECT_EQ(probe.Abilities("Swords"), "Swords Weapons styles 1->6");
}

TEST(MidgardFightersLevelCut, LineAboveTheNewLevelDropsToIt) {
    PlannerProbe probe("Warrior");
    probe.Slide("Swords", 40);
    probe.Level(20);
    EXPECT_EQ(probe.Value("Swords"), 20);
    EXPECT_EQ(probe.Shown("Swords").points, "209");
    EXPECT_EQ(probe.Abilities("Swords"), "Swords Weapons styles 1->8");
    EXPECT_EQ(probe.PointsLeft(), "195");
}

TEST(MidgardFightersLevelCut, ShadowbladeAxesDropsToHalfTheNewLevel) {
    PlannerProbe probe("Shadowblade");
    probe.Slide("Axes", 25);
    probe.Level(20);
    EXPECT_EQ(probe.Value("Axes"), 10);
    EXPECT_EQ(probe.Abilities("Axes"), "Axes styles 1->5");
    EXPECT_EQ(probe.PointsLeft(), "350");
}

// Two lines at 30 do not fit level 30; the one refreshed first absorbs the whole
// cut although it stands lower on the window.
TEST(MidgardFightersLevelCut, RefreshOrderPicksTheLineThatAbsorbsTheCut) {
    struct Row {
        std::string_view listName;
        std::string_view kept;
        std::string_view cut;
        int cutTo;
        std::string_view pointsLeft;
    };
    // Factor 2: 914 - 464 = 450 leaves room for 29 (434). Skald: 683 - 464 = 219 for 20 (209).
    const Row rows[] = {
        {"Warrior", "Hammers", "Parry", 29, "16"},   {"Thane", "Hammers", "Parry", 29, "16"},
        {"Berserker", "Hammers", "Parry", 29, "16"}, {"Skald", "Hammers", "Parry", 20, "10"},
        {"Hunter", "Spears", "Stealth", 29, "16"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.listName);
        PlannerProbe probe(row.listName);
        probe.Slide(row.kept, 30);
        probe.Slide(row.cut, 30);
        probe.Level(30);
        EXPECT_EQ(probe.Value(row.kept), 30);
        EXPECT_EQ(probe.Value(row.cut), row.cutTo);
        EXPECT_EQ(probe.PointsLeft(), row.pointsLeft);
    }
}

// Two lines at 40 both stand above level 20 and still overspend once both are
// at 20: the line whose maximum is recomputed first falls all the way to 1.
TEST(MidgardFightersLevelCut, MaximaOrderPicksTheLineThatFallsToOne) {
    struct Row {
        std::string_view listName;
        std::string_view kept;
        std::string_view cut;
    };
    const Row rows[] = {
        {"Warrior", "Thrown", "Shields"},
        {"Warrior", "Thrown", "Parry"},
        {"Shadowblade", "Stealth", "Critical"},
        {"Shadowblade", "Stealth", "Envenom"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.listName) + " " + std::string(row.cut));
        PlannerProbe probe(row.listName);
        probe.Slide(row.kept, 40);
        probe.Slide(row.cut, 40);
        probe.Level(20);
        EXPECT_EQ(probe.Value(row.cut), 1);
        EXPECT_EQ(probe.Value(row.kept), 20);
        EXPECT_EQ(probe.PointsLeft(), "195");
    }
}

TEST(MidgardFightersTexts, FixedTextHoldsAtEverySpecLevel) {
    struct Row {
        std::string_view listName;
        std::string_view stem;
        std::string_view text;
    };
    const Row rows[] = {
        {"Warrior", "Thrown", "Thrown"},       {"Thane", "Stormcalling", "Stormcalling"},
        {"Berserker", "LeftAxe", "LeftAxe"},   {"Skald", "Battlesongs", "Battlesongs"},
        {"Shadowblade", "LeftAxe", "LeftAxe"}, {"Hunter", "Beastcraft", "Beastcraft"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.listName);
        PlannerProbe probe(row.listName);
        EXPECT_EQ(probe.Value(row.stem), 1);
        EXPECT_EQ(probe.Abilities(row.stem), row.text);
        ASSERT_TRUE(probe.Slide(row.stem, 20));
        EXPECT_EQ(probe.Abilities(row.stem), row.text);
        probe.Level(6);
        EXPECT_LT(probe.Value(row.stem), 20);
        EXPECT_EQ(probe.Abilities(row.stem), row.text);
    }
}

TEST(MidgardFightersTexts, StyleBandEdges) {
    struct Row {
        std::string_view listName;
        std::string_view stem;
        int specLevel;
        std::string_view text;
    };
    const Row rows[] = {
        {"Thane", "Shields", 1, ""},
        {"Thane", "Shields", 2, ""},
        {"Thane", "Shields", 3, "Shields styles 1->1"},
        {"Thane", "Shields", 49, "Shields styles 1->8"},
        {"Thane", "Shields", 50, "Shields styles 1->9"},
        {"Warrior", "Shields", 7, "Shields styles 1->1"},
        {"Warrior", "Shields", 8, "Shields styles 1->2"},
        {"Warrior", "Axes", 1, ""},
        {"Warrior", "Hammers", 2, "Hammers Weapons styles 1->1"},
        {"Berserker", "Swords", 43, "Swords Weapons styles 1->13"},
        {"Berserker", "Swords", 44, "Swords Weapons styles 1->14"},
        {"Berserker", "Swords", 49, "Swords Weapons styles 1->14"},
        {"Berserker", "Swords", 50, "Swords Weapons styles 1->15"},
        {"Berserker", "Parry", 1, ""},
        {"Berserker", "Parry", 2, "Parry styles 1->1"},
        {"Skald", "Axes", 3, "Axes styles 1->1"},
        {"Skald", "Hammers", 4, "Hammers Weapons styles 1->2"},
        {"Hunter", "Swords", 2, "Swords Weapons styles 1->1"},
        {"Shadowblade", "Axes", 24, "Axes styles 1->9"},
        {"Shadowblade", "Axes", 25, "Axes styles 1->10"},
        {"Shadowblade", "Swords", 25, "Swords Weapons styles 1->10"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.listName) + " " + std::string(row.stem) + " at " + std::to_string(row.specLevel));
        PlannerProbe probe(row.listName);
        // Moving away first proves the label is rewritten, not left from before.
        ASSERT_TRUE(probe.Slide(row.stem, 10));
        ASSERT_TRUE(probe.Slide(row.stem, row.specLevel));
        EXPECT_EQ(probe.Abilities(row.stem), row.text);
    }
}

TEST(MidgardFightersTexts, LinesWithoutTextStayEmpty) {
    struct Row {
        std::string_view listName;
        std::string_view stem;
    };
    const Row rows[] = {
        {"Warrior", "Parry"},       {"Thane", "Parry"},          {"Skald", "Parry"},
        {"Hunter", "Composite"},    {"Hunter", "Spears"},        {"Hunter", "Stealth"},
        {"Shadowblade", "Stealth"}, {"Shadowblade", "Critical"}, {"Shadowblade", "Envenom"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.listName) + " " + std::string(row.stem));
        PlannerProbe probe(row.listName);
        for (int specLevel : {2, 3, 25, 50}) {
            ASSERT_TRUE(probe.Slide(row.stem, specLevel));
            EXPECT_EQ(probe.Abilities(row.stem), "") << "at " << specLevel;
        }
    }
}

TEST(MidgardFightersTexts, NoLabelExplainsAnything) {
    for (std::string_view listName : kMidgardFighters) {
        PlannerProbe probe(listName);
        for (const auto& line : Definition(listName).lines) {
            EXPECT_EQ(probe.Click(line.stem), nullptr) << listName << " " << line.stem;
        }
    }
}

TEST(MidgardFightersLooks, OnlyWarriorShieldsDrawsAbilitiesInItsOwnColour) {
    namespace colour = vantrell::catalog::colour;
    for (std::string_view listName : kMidgardFighters) {
        for (const auto& line : Definition(listName).lines) {
            SCOPED_TRACE(std::string(listName) + " " + std::string(line.stem));
            if (listName == "Warrior" && line.stem == "Shields") {
                EXPECT_EQ(line.captionColour, colour::kDarkGreen);
                EXPECT_EQ(line.abilitiesColour, colour::kDarkGrey);
            } else {
                EXPECT_FALSE(line.abilitiesColour.has_value());
            }
        }
    }
}

TEST(MidgardFightersLooks, EveryLineHasSkillsLabelsNamedFromItsStem) {
    for (std::string_view listName : kMidgardFighters) {
        for (const auto& line : Definition(listName).lines) {
            const std::string stem(line.stem);
            const auto names = vantrell::catalog::ControlNamesOf(line);
            EXPECT_EQ(names.slider, "sld" + stem);
            EXPECT_EQ(names.level, "lbl" + stem + "Skill");
            EXPECT_EQ(names.abilities, "lbl" + stem + "Skills");
        }
    }
}

}  // namespace

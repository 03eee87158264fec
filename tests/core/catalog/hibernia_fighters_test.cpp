// Hero, Champion, Blademaster, Ranger and Nightshade driven through the headless planner.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/catalog/abilities.h"
#include "core/catalog/class_catalog.h"
#include "desktop/planner_window/control_names.h"
#include "tests/support/planner_probe.h"

namespace vantrell::catalog {
namespace {

using testing::PlannerProbe;

std::string Where(std::string_view listName, std::string_view stem) {
    return std::string(listName) + " " + std::string(stem);
}

const SpecLineDefinition& LineOf(std::string_view listName, std::string_view stem) {
    const ClassDefinition* definition = ClassCatalog::Find(Realm::Hibernia, listName);
    if (definition == nullptr) throw std::invalid_argument("no Hibernian class " + std::string(listName));
    for (const SpecLineDefinition& line : definition->lines) {
        if (line.stem == stem) return line;
    }
    throw std::invalid_argument("no line " + Where(listName, stem));
}

using StemText = std::pair<std::string_view, std::string_view>;

struct NewWindowCase {
    std::string_view listName;
    std::vector<std::string_view> halfCapped;
    std::vector<StemText> texts;  // every other line shows nothing
};

TEST(HiberniaFightersNewWindow, OpensAtLevelFiftyWithTheCapsAndFixedTexts) {
    const NewWindowCase cases[] = {
        {"Hero", {}, {{"Parry", "Parry"}}},
        {"Champion", {}, {{"Valor", "Blast of Courage(1)"}, {"Parry", "Parry"}}},
        {"Blademaster", {}, {{"Parry", "Parry"}}},
        {"Ranger", {"Blades", "Pierce", "Celtic"}, {}},
        {"Nightshade", {"Blades", "Pierce", "Celtic", "Parry"}, {{"Parry", "Parry"}}},
    };
    for (const NewWindowCase& c : cases) {
        SCOPED_TRACE(std::string(c.listName));
        PlannerProbe probe(c.listName);
        EXPECT_EQ(probe.TotalPoints(), "2534");
        EXPECT_EQ(probe.PointsLeft(), "2534");
        for (const SpecLineDefinition& line : probe.planner().definition().lines) {
            SCOPED_TRACE(std::string(line.stem));
            const bool half = std::ranges::find(c.halfCapped, line.stem) != c.halfCapped.end();
            // Without the caps the budget alone would allow 71.
            EXPECT_EQ(probe.Maximum(line.stem), half ? 25 : 50);
            EXPECT_TRUE(probe.Enabled(line.stem));
            const auto text = std::ranges::find(c.texts, line.stem, &StemText::first);
            EXPECT_EQ(probe.Abilities(line.stem), text == c.texts.end() ? "" : text->second);
        }
    }
}

struct LateLineCase {
    std::string_view listName;
    std::string_view stem;
    int maximumAtTen;
    std::string_view textAtTen;  // with the slider at its level-10 maximum
};

TEST(HiberniaFightersLateLines, StayClosedBelowTenAndOpenAtTen) {
    const LateLineCase cases[] = {
        {"Hero", "Large", 10, "Large Weapons styles 1->5"},
        {"Champion", "Parry", 10, "Parry"},
        {"Blademaster", "Celtic", 10, "Celtic Dual styles 1->5"},
        {"Ranger", "Celtic", 5, "Celtic Dual styles 1->2"},
        {"Nightshade", "Parry", 5, "Parry"},
    };
    for (const LateLineCase& c : cases) {
        SCOPED_TRACE(Where(c.listName, c.stem));
        PlannerProbe probe(c.listName);
        probe.Slide(c.stem, 8);
        ASSERT_EQ(probe.Shown(c.stem).points, "35");

        probe.Level(9);
        EXPECT_FALSE(probe.Enabled(c.stem));
        EXPECT_EQ(probe.Shown(c.stem).level, "1");
        EXPECT_EQ(probe.Shown(c.stem).points, "0");
        EXPECT_EQ(probe.Shown(c.stem).percent, "0");
        EXPECT_EQ(probe.Abilities(c.stem), "");
        // Level 9 pays 74 points, and the closed line counts none of them.
        EXPECT_EQ(probe.PointsLeft(), "74");
        EXPECT_FALSE(probe.Slide(c.stem, 3));

        probe.Level(10);
        EXPECT_TRUE(probe.Enabled(c.stem));
        EXPECT_EQ(probe.Maximum(c.stem), c.maximumAtTen);
        probe.Slide(c.stem, 50);
        EXPECT_EQ(probe.Value(c.stem), c.maximumAtTen);
        EXPECT_EQ(probe.Abilities(c.stem), c.textAtTen);
    }
}

TEST(HiberniaFightersLateLines, OtherLinesStayOpenBelowTen) {
    for (std::string_view listName : {"Hero", "Champion", "Blademaster", "Ranger", "Nightshade"}) {
        PlannerProbe probe(listName);
        probe.Level(9);
        for (std::string_view stem : {"Blades", "Pierce"}) {
            EXPECT_TRUE(probe.Enabled(stem)) << Where(listName, stem);
        }
    }
}

struct MaximumCase {
    std::string_view listName;
    int characterLevel;
    std::string_view stem;
    int maximum;
};

TEST(HiberniaFightersHalfCap, FollowsHalfTheCharacterLevelRoundedDown) {
    // With every line at 1 the budget allows 12 at level 9, 14 at 10 and 15 at 11.
    const MaximumCase cases[] = {
        {"Ranger", 9, "Blades", 4},        {"Ranger", 9, "Pierce", 4},     {"Ranger", 9, "Pathfinding", 9},
        {"Ranger", 11, "Celtic", 5},       {"Ranger", 11, "Stealth", 11},  {"Nightshade", 9, "Blades", 4},
        {"Nightshade", 9, "Critical", 9},  {"Nightshade", 10, "Parry", 5}, {"Nightshade", 11, "Parry", 5},
        {"Nightshade", 11, "Envenom", 11}, {"Hero", 9, "Blades", 9},       {"Champion", 11, "Parry", 11},
    };
    for (const MaximumCase& c : cases) {
        PlannerProbe probe(c.listName);
        probe.Level(c.characterLevel);
        EXPECT_EQ(probe.Maximum(c.stem), c.maximum) << Where(c.listName, c.stem) << " at " << c.characterLevel;
    }
}

TEST(HiberniaFightersHalfCap, BladesStopAtTwentyFiveAtLevelFifty) {
    for (std::string_view listName : {"Ranger", "Nightshade"}) {
        SCOPED_TRACE(std::string(listName));
        PlannerProbe probe(listName);
        probe.Slide("Blades", 30);
        EXPECT_EQ(probe.Value("Blades"), 25);
        EXPECT_EQ(probe.Abilities("Blades"), "Blades styles 1->10");
        EXPECT_EQ(probe.PointsLeft(), "2210");
    }
}

TEST(HiberniaFightersLevelChange, RefreshesThePiercingPercentage) {
    // 54 points (Piercing at 10) are 2 percent of 2534 and 13 percent of 404.
    for (std::string_view listName : {"Hero", "Champion", "Blademaster", "Ranger", "Nightshade"}) {
        SCOPED_TRACE(std::string(listName));
        PlannerProbe probe(listName);
        probe.Slide("Pierce", 10);
        ASSERT_EQ(probe.Shown("Pierce").percent, "2");
        probe.Level(20);
        EXPECT_EQ(probe.Value("Pierce"), 10);
        EXPECT_EQ(probe.Shown("Pierce").percent, "13");
        EXPECT_EQ(probe.PointsLeft(), "350");
    }
}

struct CutCase {
    std::string_view listName;
    std::string_view fullLine;   // 30, refreshed after the two blade lines
    std::string_view otherLine;  // 20
};

TEST(HiberniaFightersLevelChange, CutsBladesThenPiercingBeforeTheOtherLines) {
    // At level 50 the plan costs 119 + 119 + 464 + 209 + 152 = 1063; level 30 pays 914.
    // Blades gives back all of its 119 points, Piercing the remaining 30 by three steps.
    const CutCase cases[] = {{"Ranger", "Pathfinding", "Recurve"}, {"Nightshade", "Envenom", "Critical"}};
    for (const CutCase& c : cases) {
        SCOPED_TRACE(std::string(c.listName));
        PlannerProbe probe(c.listName);
        probe.Slide("Blades", 15);
        probe.Slide("Pierce", 15);
        probe.Slide(c.fullLine, 30);
        probe.Slide(c.otherLine, 20);
        probe.Slide("Stealth", 17);
        ASSERT_EQ(probe.PointsLeft(), "1471");

        probe.Level(30);
        EXPECT_EQ(probe.Value("Blades"), 1);
        EXPECT_EQ(probe.Value("Pierce"), 12);
        EXPECT_EQ(probe.Value(c.fullLine), 30);
        EXPECT_EQ(probe.Value(c.otherLine), 20);
        EXPECT_EQ(probe.Value("Stealth"), 17);
        EXPECT_EQ(probe.PointsLeft(), "12");
        EXPECT_EQ(probe.Shown("Pierce").percent, "8");
    }
}

struct TextCase {
    std::string_view listName;
    std::string_view stem;
    int specLevel;
    std::string_view text;
};

TEST(HiberniaFightersAbilities, BandEdgesShowTheirTexts) {
    const TextCase cases[] = {
        {"Hero", "Shield", 2, ""},
        {"Hero", "Shield", 3, "Shields styles 1->1"},
        {"Hero", "Shield", 7, "Shields styles 1->1"},
        {"Hero", "Shield", 8, "Shields styles 1->2"},
        {"Hero", "Shield", 50, "Shields styles 1->9"},
        {"Hero", "Spear", 2, "Celtic Spear styles 1->1"},
        {"Hero", "Spear", 50, "Celtic Spear styles 1->15"},
        {"Hero", "Large", 49, "Large Weapons styles 1->14"},
        {"Hero", "Blunts", 12, "Blunts styles 1->6"},
        {"Champion", "Valor", 16,
         "Blast of Galliance(4), Greater Atony(4), Greater Surrender(4), Demoralization(3), Slowness(1)"},
        {"Champion", "Valor", 18,
         "Blast of Galliance(4), Greater Atony(4), Greater Surrender(4), Demoralization(3), Languor(2)"},
        {"Champion", "Valor", 49,
         "Blast of Heroism(7), Greater Infirmity(8), Greater Resignation(8), Ultimate Demoralization(7), Crawl(5)"},
        {"Champion", "Valor", 50,
         "Blast of Champion(8), Greater Infirmity(8), Greater Resignation(8), Ultimate Demoralization(7), Crawl(5)"},
        {"Champion", "Shield", 2, ""},
        {"Champion", "Shield", 3, "Shields styles 1->1"},
        {"Champion", "Large", 50, "Large Weapons styles 1->15"},
        {"Blademaster", "Shield", 2, ""},
        {"Blademaster", "Shield", 3, "Shields styles 1->1"},
        {"Blademaster", "Shield", 50, "Shields styles 1->9"},
        {"Blademaster", "Celtic", 50, "Celtic Dual styles 1->15"},
        {"Blademaster", "Parry", 40, "Parry"},
        {"Ranger", "Pathfinding", 2, "Determination(1)"},
        {"Ranger", "Pathfinding", 4, "Perserverance(2), Vigorous Will(1)"},
        {"Ranger", "Pathfinding", 50,
         "Invincibility(9), Sovereign Will(7), Perfect Strike(7), Perfect Acuity(6), Forest Phantom(5)"},
        {"Ranger", "Pierce", 25, "Piercing styles 1->10"},
        {"Ranger", "Recurve", 50, ""},
        {"Ranger", "Stealth", 50, ""},
        {"Nightshade", "Critical", 2, "Critical Strike styles 1->1"},
        {"Nightshade", "Critical", 50, "Critical Strike styles 1->15"},
        {"Nightshade", "Celtic", 24, "Celtic Dual styles 1->9"},
        {"Nightshade", "Stealth", 50, ""},
        {"Nightshade", "Envenom", 50, ""},
        {"Nightshade", "Parry", 25, "Parry"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(Where(c.listName, c.stem) + " at " + std::to_string(c.specLevel));
        PlannerProbe probe(c.listName);
        probe.Slide(c.stem, c.specLevel);
        ASSERT_EQ(probe.Value(c.stem), c.specLevel);
        EXPECT_EQ(probe.Abilities(c.stem), c.text);
    }
}

TEST(HiberniaFightersAbilities, ValorShowsATextFromLevelOneAndPathfindingFromTwo) {
    PlannerProbe champion("Champion");
    EXPECT_EQ(champion.Abilities("Valor"), "Blast of Courage(1)");
    PlannerProbe ranger("Ranger");
    EXPECT_EQ(ranger.Abilities("Pathfinding"), "");
    ranger.Slide("Pathfinding", 2);
    ranger.Slide("Pathfinding", 1);
    EXPECT_EQ(ranger.Abilities("Pathfinding"), "");
    // Both levels of a two-level band read alike, and differ from the next band.
    ranger.Slide("Pathfinding", 16);
    const std::string sixteen = ranger.Abilities("Pathfinding");
    ranger.Slide("Pathfinding", 17);
    EXPECT_EQ(ranger.Abilities("Pathfinding"), sixteen);
    ranger.Slide("Pathfinding", 18);
    EXPECT_NE(ranger.Abilities("Pathfinding"), sixteen);
    EXPECT_TRUE(ranger.Abilities("Pathfinding").starts_with("Devotion(6), "));
}

struct MessageCase {
    std::string_view listName;
    std::string_view stem;
    std::string_view title;
    std::size_t bodyLines;
};

TEST(HiberniaFightersExplanations, ClickedLabelsShowTheirMessages) {
    const MessageCase cases[] = {
        {"Hero", "Spear", "Hero - Celtic Spears", 3},
        {"Hero", "Large", "Hero - Large Weapons", 3},
        {"Hero", "Shield", "Hero - Shield", 2},
        {"Champion", "Valor", "Champion - Valor", 5},
        {"Champion", "Large", "Champion - Large Weapons", 3},
        {"Blademaster", "Shield", "Blademaster - Shield", 2},
        {"Blademaster", "Celtic", "Blademaster - Celtic Dual", 3},
        {"Ranger", "Pathfinding", "Ranger - Pathfinding", 5},
        {"Ranger", "Pierce", "Ranger - Piercing", 3},
        {"Nightshade", "Critical", "Nightshade - Critical Strikes", 3},
        {"Nightshade", "Blades", "Nightshade - Blades", 3},
    };
    for (const MessageCase& c : cases) {
        SCOPED_TRACE(Where(c.listName, c.stem));
        PlannerProbe probe(c.listName);
        const DescriptionMessage* message = probe.Click(c.stem);
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(message->title, c.title);
        EXPECT_EQ(message->bodyLines.size(), c.bodyLines);
        const std::string text = ExplanationText(*message);
        EXPECT_EQ(static_cast<std::size_t>(std::ranges::count(text, '\n')), c.bodyLines - 1);
        EXPECT_FALSE(text.ends_with("\r\n"));
    }
}

TEST(HiberniaFightersExplanations, ShieldsMessagesKeepTheDoubleBlank) {
    for (std::string_view listName : {"Hero", "Champion", "Blademaster"}) {
        PlannerProbe probe(listName);
        const DescriptionMessage* message = probe.Click("Shield");
        ASSERT_NE(message, nullptr) << listName;
        EXPECT_EQ(ExplanationText(*message),
                  "These skills stun the target.  The higher the level skill, the longer the stun duration.\r\n"
                  "Some skills require you to be behind the target, or after a successful block, etc.")
            << listName;
    }
}

TEST(HiberniaFightersExplanations, TheSpearMessageNamesOneSpear) {
    PlannerProbe probe("Hero");
    const DescriptionMessage* message = probe.Click("Spear");
    ASSERT_NE(message, nullptr);
    ASSERT_EQ(message->bodyLines.size(), 3u);
    EXPECT_EQ(message->bodyLines[0], "Celtic Spears is your skill wielding a Celtic Spear.");
    EXPECT_EQ(message->bodyLines[1],
              "The styles you recieve with higher Celtic Spear skill enable you to achieve high bonus damage.");
}

TEST(HiberniaFightersExplanations, LinesWithoutAMessageShowNothing) {
    const std::pair<std::string_view, std::string_view> silent[] = {
        {"Hero", "Parry"},     {"Champion", "Parry"},     {"Blademaster", "Parry"},  {"Ranger", "Recurve"},
        {"Ranger", "Stealth"}, {"Nightshade", "Stealth"}, {"Nightshade", "Envenom"}, {"Nightshade", "Parry"},
    };
    for (const auto& [listName, stem] : silent) {
        PlannerProbe probe(listName);
        EXPECT_EQ(probe.Click(stem), nullptr) << Where(listName, stem);
    }
}

TEST(HiberniaFightersControlNames, BlademasterShieldsUsesTheLargeLabel) {
    const LineControlNames shields = ControlNamesOf(LineOf("Blademaster", "Shield"));
    EXPECT_EQ(shields.slider, "sldShield");
    EXPECT_EQ(shields.level, "lblShieldSkill");
    EXPECT_EQ(shields.percent, "lblShieldPct");
    EXPECT_EQ(shields.abilities, "lblLargeSkills");
    EXPECT_EQ(ControlNamesOf(LineOf("Hero", "Shield")).abilities, "lblShieldSkills");
    EXPECT_EQ(ControlNamesOf(LineOf("Champion", "Large")).abilities, "lblLargeSkills");
    EXPECT_EQ(ControlNamesOf(LineOf("Ranger", "Pierce")).level, "lblPierceSkill");
    EXPECT_EQ(ControlNamesOf(LineOf("Nightshade", "Celtic")).abilities, "lblCelticSkills");
}

TEST(HiberniaFightersCaptions, DifferFromTheStemsWhereTheWindowSaysSo) {
    const std::pair<std::pair<std::string_view, std::string_view>, std::string_view> captions[] = {
        {{"Hero", "Spear"}, "Celtic Spears"},     {{"Hero", "Large"}, "Lg Weapons"},
        {{"Champion", "Large"}, "Large Weapons"}, {{"Blademaster", "Shield"}, "Shields"},
        {{"Ranger", "Recurve"}, "Recurve Bows"},  {{"Nightshade", "Stealth"}, "Stealth / Distractions"},
        {{"Nightshade", "Pierce"}, "Piercing"},
    };
    for (const auto& [line, caption] : captions) {
        EXPECT_EQ(LineOf(line.first, line.second).caption, caption) << Where(line.first, line.second);
    }
}

}  // namespace
}  // namespace vantrell::catalog

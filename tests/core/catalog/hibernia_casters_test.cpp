// The Hibernian spell lines: Bard, Warden, Eldritch, Mentalist, Enchanter and Druid.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/abilities.h"
#include "core/catalog/class_catalog.h"
#include "desktop/planner_window/control_names.h"
#include "tests/support/planner_probe.h"

namespace vantrell::testing {
namespace {

// --- Abilities texts at the edges of their bands -------------------------------

struct TextRow {
    std::string_view listName;
    std::string_view stem;
    int specLevel;
    std::string_view expected;
};

void PrintTo(const TextRow& row, std::ostream* out) {
    *out << row.listName << ' ' << row.stem << " at " << row.specLevel;
}

class HiberniaCastersTextTest : public ::testing::TestWithParam<TextRow> {};

TEST_P(HiberniaCastersTextTest, ShowsTheBandHoldingTheLevel) {
    const TextRow row = GetParam();
    PlannerProbe probe(row.listName);
    probe.Slide(row.stem, row.specLevel);
    ASSERT_EQ(probe.Value(row.stem), row.specLevel) << "the level must be reachable at character level 50";
    EXPECT_EQ(probe.Abilities(row.stem), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    BandEdges, HiberniaCastersTextTest,
    ::testing::Values(
        // The Bard's Regrowth table only starts at 5.
        TextRow{"Bard", "Regrowth", 4, ""}, TextRow{"Bard", "Regrowth", 5, "Major Resurgance(1)"},
        TextRow{"Bard", "Regrowth", 47,
                "Major Apotheosis(8), Euphony of Healing(5), Lesser Reconstitution(1), Chimes of Health(4)"},
        TextRow{"Bard", "Nurturing", 2, "Rhythm of Hibernia(1)"}, TextRow{"Bard", "Blades", 1, ""},
        TextRow{"Bard", "Blades", 12, "Blades styles 1->6"}, TextRow{"Bard", "Blades", 14, "Blades styles 1->6"},
        TextRow{"Bard", "Blades", 15, "Blades styles 1->7"}, TextRow{"Bard", "Blunts", 50, "Blunts styles 1->15"},
        TextRow{"Warden", "Regrowth", 1, ""}, TextRow{"Warden", "Regrowth", 2, "Attack Unending(1)"},
        TextRow{"Warden", "Regrowth", 4, "Attack Unending(1)"},
        TextRow{"Warden", "Regrowth", 50,
                "Attack Uninterrupted(5), Major Apotheosis(8), Solar Resuscitation(5), Lesser Reconsitution(1)"},
        TextRow{"Warden", "Nurturing", 47,
                "Nature's Wall(6), Reckoning of Nature(7), Paragon's Encouragment(5), Nature's Reckoning(7)"},
        TextRow{"Warden", "Blades", 2, "Blades styles 1->1"}, TextRow{"Warden", "Blunts", 49, "Blunts styles 1->14"},
        TextRow{"Eldritch", "Sun", 11, "Suncharge(3), Obliviate Sight(3), Paralyzing Wind(1)"},
        TextRow{"Eldritch", "Sun", 12, "Sunshock(4), Obliviate Sight(3), Paralyzing Wind(1)"},
        TextRow{"Eldritch", "Eclipse", 46, "Bolt of Uncreation(9), Null Tempest(8)"},
        // The damaged "Illusionseneration" texts are the line's own; they start at 18.
        TextRow{"Mentalist", "Mind", 17, "Disable Mind(4), Major Somatic Rejuvenation(5), Paranoia(4)"},
        TextRow{"Mentalist", "Mind", 18, "Disable Mind(4), Major Somatic Illusionseneration(6), Paranoia(4)"},
        TextRow{"Mentalist", "Holism", 3, "Lesser Mind Jolt(1)"}, TextRow{"Mentalist", "Holism", 4, "Mind Jolt(2)"},
        TextRow{"Enchanter", "Bedazzling", 48, "Insidious Rapture(9), Agitating Scintillation(7)"},
        TextRow{"Enchanter", "Enchantment", 2, "Craftiness(1)"}, TextRow{"Druid", "Regrowth", 4, ""},
        TextRow{"Druid", "Regrowth", 5, "Major Resurgance(1)"},
        TextRow{"Druid", "Regrowth", 49,
                "Major Apotheosis(7), Cure Poison(1), Cure Disease(1), Greater Renascence(6), Nature's Sanction(4), "
                "Greater Reconstitution(3), Bith's Benediction(3)"},
        // The doubled parenthesis from 50 on is kept as the line has it.
        TextRow{"Druid", "Regrowth", 50,
                "Major Apotheosis(7), Cure Poison(1), Cure Disease(1), Greater Apotheosis(6), Nature's Sanction(4), "
                "Greater Reconstitution(3)), Bith's Benediction(3)"},
        TextRow{"Druid", "Nature", 48, "Call Greater Nature Spirit(5), Spinesprout(7), Defedation(10)"}));

// A new window has every line at 1: only the tables that start at 1 show a text.
struct OpeningRow {
    std::string_view listName;
    std::vector<std::string_view> texts;  // in line order
};

void PrintTo(const OpeningRow& row, std::ostream* out) { *out << row.listName; }

class HiberniaCastersOpeningTest : public ::testing::TestWithParam<OpeningRow> {};

TEST_P(HiberniaCastersOpeningTest, ShowsOnlyTheTablesStartingAtOne) {
    const OpeningRow& row = GetParam();
    PlannerProbe probe(row.listName);
    const auto lines = probe.planner().definition().lines;
    ASSERT_EQ(lines.size(), row.texts.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(probe.Abilities(lines[i].stem), row.texts[i]) << lines[i].stem;
    }
}

INSTANTIATE_TEST_SUITE_P(NewWindows, HiberniaCastersOpeningTest,
                         ::testing::Values(OpeningRow{"Bard", {"", "", "Concussive Shout(1)", "", ""}},
                                           OpeningRow{"Warden", {"", "", "Parry", "", ""}},
                                           OpeningRow{"Eldritch", {"", "Lesser Ensnaring Blast(1)", ""}},
                                           OpeningRow{"Mentalist", {"", "Lesser Mind Jolt(1)", "Enfeeble Mind(1)"}},
                                           OpeningRow{"Enchanter", {"", "", "Craftiness(1)"}},
                                           OpeningRow{"Druid", {"", "", "Call Minor Nature Spirit(1)"}}),
                         [](const ::testing::TestParamInfo<OpeningRow>& info) {
                             return std::string(info.param.listName);
                         });

TEST(HiberniaCastersText, ReturningToLevelOneRewritesTheLabel) {
    PlannerProbe bard("Bard");
    bard.Slide("Music", 4);
    EXPECT_EQ(bard.Abilities("Music"), "Concussive Bellow(2), Confounding Cadence(1)");
    bard.Slide("Music", 1);
    EXPECT_EQ(bard.Abilities("Music"), "Concussive Shout(1)");

    PlannerProbe eldritch("Eldritch");
    eldritch.Slide("Sun", 5);
    EXPECT_EQ(eldritch.Abilities("Sun"), "Sunblast(2), Negate Sight(1), Paralyzing Wind(1)");
    eldritch.Slide("Sun", 1);
    EXPECT_EQ(eldritch.Abilities("Sun"), "");
}

// --- Caps -----------------------------------------------------------------------

// At level 30 the 1.5 classes have 683 points: 1 + 36 affordable steps would allow
// 37, so only the character-level cap holds the sliders at 30.
TEST(HiberniaCastersCaps, HybridLinesStopAtTheCharacterLevel) {
    for (std::string_view listName : {"Bard", "Warden"}) {
        PlannerProbe probe(listName);
        probe.Level(30);
        ASSERT_EQ(probe.TotalPoints(), "683") << listName;
        for (const auto& line : probe.planner().definition().lines) {
            EXPECT_EQ(probe.Maximum(line.stem), 30) << listName << ' ' << line.stem;
        }
        probe.Slide("Blades", 45);
        EXPECT_EQ(probe.Value("Blades"), 30) << listName;
        EXPECT_EQ(probe.Abilities("Blades"), "Blades styles 1->11") << listName;
    }
}

// 1274 points buy exactly one line at 50 and leave nothing.
TEST(HiberniaCastersCaps, AFactorOneLineSpendsTheWholeTotalAtFifty) {
    PlannerProbe probe("Eldritch");
    EXPECT_EQ(probe.Maximum("Sun"), 50);
    probe.Slide("Sun", 50);
    EXPECT_EQ(probe.Shown("Sun").points, "1274");
    EXPECT_EQ(probe.Shown("Sun").percent, "100");
    EXPECT_EQ(probe.PointsLeft(), "0");
    EXPECT_EQ(probe.Maximum("Moon"), 1);

    // Level 49 has 1224 points, the cost of 49.
    probe.Level(49);
    EXPECT_EQ(probe.Value("Sun"), 49);
    EXPECT_EQ(probe.PointsLeft(), "0");
}

// --- Cut order on a lower character level ------------------------------------------

struct CutRow {
    std::string_view listName;
    std::string_view first;
    std::string_view second;
    std::string_view firstTextAfterCut;
};

void PrintTo(const CutRow& row, std::ostream* out) { *out << row.listName << ' ' << row.first; }

class HiberniaCastersCutTest : public ::testing::TestWithParam<CutRow> {};

// Two lines at 35 cost 629 each, leaving 16 of 1274. At level 40 (819 points) the
// first line gives way until it fits beside the second: 19 costs 189, 20 would cost 209.
TEST_P(HiberniaCastersCutTest, FirstLineAbsorbsTheCut) {
    const CutRow row = GetParam();
    PlannerProbe probe(row.listName);
    probe.Slide(row.first, 35);
    probe.Slide(row.second, 35);
    ASSERT_EQ(probe.PointsLeft(), "16");

    probe.Level(40);
    EXPECT_EQ(probe.TotalPoints(), "819");
    EXPECT_EQ(probe.Value(row.first), 19);
    EXPECT_EQ(probe.Shown(row.first).level, "19");
    EXPECT_EQ(probe.Shown(row.first).points, "189");
    EXPECT_EQ(probe.Shown(row.first).percent, "23");
    EXPECT_EQ(probe.Abilities(row.first), row.firstTextAfterCut);
    EXPECT_EQ(probe.Value(row.second), 35);
    EXPECT_EQ(probe.Shown(row.second).percent, "76");
    EXPECT_EQ(probe.PointsLeft(), "1");
}

INSTANTIATE_TEST_SUITE_P(
    LevelFortyFromFifty, HiberniaCastersCutTest,
    ::testing::Values(CutRow{"Eldritch", "Sun", "Moon", "Sunsmash(5), Abrogate Sight(5), Paralyzing Veil(2)"},
                      CutRow{"Druid", "Regrowth", "Nurturing",
                             "Major Regrowth(3), Cure Poison(1), Cure Disease(1), Greater Regrowth(3), "
                             "Nature's Appreciation(1), Lesser Reconstitution(1)"}),
    [](const ::testing::TestParamInfo<CutRow>& info) { return std::string(info.param.listName); });

// --- The Warden's Parry ---------------------------------------------------------

TEST(HiberniaCastersParry, ClosesBelowFifteenAndReopensAtFifteen) {
    PlannerProbe probe("Warden");
    EXPECT_TRUE(probe.Enabled("Parry"));
    EXPECT_EQ(probe.Abilities("Parry"), "Parry");

    probe.Level(14);
    EXPECT_EQ(probe.TotalPoints(), "147");
    EXPECT_FALSE(probe.Enabled("Parry"));
    EXPECT_EQ(probe.Abilities("Parry"), "");
    EXPECT_FALSE(probe.Slide("Parry", 5));
    EXPECT_EQ(probe.Shown("Parry").level, "1");

    probe.Level(15);
    EXPECT_TRUE(probe.Enabled("Parry"));
    EXPECT_EQ(probe.Abilities("Parry"), "Parry");
    // 169 points would afford 18; the character level holds Parry like the other lines.
    EXPECT_EQ(probe.Maximum("Parry"), 15);
    EXPECT_TRUE(probe.Slide("Parry", 15));
    EXPECT_EQ(probe.Abilities("Parry"), "Parry");
}

// A raised Parry counts nothing once closed, and the rest of the plan stays.
TEST(HiberniaCastersParry, ClosedParryLeavesItsPointsToTheOtherLines) {
    PlannerProbe probe("Warden");
    probe.Slide("Parry", 10);
    probe.Slide("Regrowth", 5);
    probe.Level(14);
    EXPECT_EQ(probe.Shown("Parry").level, "1");
    EXPECT_EQ(probe.Shown("Parry").points, "0");
    EXPECT_EQ(probe.Shown("Parry").percent, "0");
    EXPECT_EQ(probe.Value("Regrowth"), 5);
    EXPECT_EQ(probe.Abilities("Regrowth"), "Attack Unending(1), Major Resurgance(1)");
    // 147 less the 14 of Regrowth at 5.
    EXPECT_EQ(probe.PointsLeft(), "133");

    // Other lines moving below 15 must not bring the fixed text back.
    probe.Slide("Blades", 2);
    EXPECT_EQ(probe.Abilities("Parry"), "");
    EXPECT_FALSE(probe.Enabled("Parry"));
}

// --- Explanations ----------------------------------------------------------------

struct ExplanationRow {
    std::string_view listName;
    std::string_view stem;
    std::string_view title;
    std::size_t bodyLines;
    std::string_view firstLine;
};

void PrintTo(const ExplanationRow& row, std::ostream* out) { *out << row.title; }

class HiberniaCastersExplanationTest : public ::testing::TestWithParam<ExplanationRow> {};

TEST_P(HiberniaCastersExplanationTest, ShowsTheLinesOwnMessage) {
    const ExplanationRow row = GetParam();
    const PlannerProbe probe(row.listName);
    const catalog::DescriptionMessage* message = probe.Click(row.stem);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->title, row.title);
    ASSERT_EQ(message->bodyLines.size(), row.bodyLines);
    EXPECT_EQ(message->bodyLines.front(), row.firstLine);

    const std::string text = catalog::ExplanationText(*message);
    std::size_t separators = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++separators;
    EXPECT_EQ(separators, row.bodyLines - 1);
    EXPECT_TRUE(text.starts_with(row.firstLine));
    EXPECT_FALSE(text.ends_with("\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    OnePerClass, HiberniaCastersExplanationTest,
    ::testing::Values(
        ExplanationRow{"Bard", "Regrowth", "Bard - Regrowth", 4, "'Major' strSpells are heals"},
        ExplanationRow{"Bard", "Nurturing", "Bard - Nurturing", 3, "'Rhythm' songs are fatigue regeneration"},
        ExplanationRow{"Warden", "Nurturing", "Warden - Nurturing", 4,
                       "'Nature's Ward/Shield/Wall/etc' strSpells fully absorb a single hit"},
        ExplanationRow{"Eldritch", "Moon", "Eldritch - Moonancy", 4,
                       "'Blast' strSpells are direct damage with speed reduction"},
        ExplanationRow{"Eldritch", "Eclipse", "Eldritch - Eclipse Mastery", 2,
                       "'Bolt' strSpells are bolt-style damage"},
        ExplanationRow{"Mentalist", "Mind", "Mentalist - Mind Mastery", 3, "'Mind' strSpells are paralyzing strSpells"},
        ExplanationRow{"Enchanter", "Enchantment", "Enchanter - Enchantment Mastery", 3,
                       "'Craftiness/Slyness/Guile/etc' strSpells are pet-only dexterity buffs"},
        ExplanationRow{"Druid", "Regrowth", "Druid - Regrowth", 6, "'Major' strSpells are large heals"},
        ExplanationRow{"Druid", "Nurturing", "Druid - Nurturing", 3, "'Hunter's' strSpells are attack speed buffs"},
        ExplanationRow{"Druid", "Nature", "Druid - Nature", 3, "'Call Nature Spirit' strSpells summon pets"}));

TEST(HiberniaCastersExplanation, WeaponLinesKeepTheirOwnSpelling) {
    const PlannerProbe bard("Bard");
    const catalog::DescriptionMessage* blades = bard.Click("Blades");
    ASSERT_NE(blades, nullptr);
    EXPECT_EQ(catalog::ExplanationText(*blades),
              "Blades is your skill wielding a bladed weapon.\r\n"
              "The styles you recieve with higher Blades skill enable you to achieve high bonus damage.\r\n"
              "Some skills need to be executed after another specific style is successful.");

    const PlannerProbe warden("Warden");
    const catalog::DescriptionMessage* blunts = warden.Click("Blunts");
    ASSERT_NE(blunts, nullptr);
    EXPECT_EQ(blunts->title, "Warden - Blunts");
    ASSERT_EQ(blunts->bodyLines.size(), 3u);
    EXPECT_EQ(blunts->bodyLines[1],
              "The styles you recieve with higher Blunts skill enable you to achieve high bonus damage.");
}

TEST(HiberniaCastersExplanation, ParryHasNone) {
    const PlannerProbe warden("Warden");
    EXPECT_EQ(warden.Click("Parry"), nullptr);
    for (std::string_view stem : {"Regrowth", "Nurturing", "Blades", "Blunts"}) {
        EXPECT_NE(warden.Click(stem), nullptr) << stem;
    }
}

// --- Control names that differ from the stems ------------------------------------

struct NamesRow {
    std::string_view listName;
    std::string_view stem;
    std::string_view slider;
    std::string_view level;
    std::string_view percent;
    std::string_view abilities;
};

void PrintTo(const NamesRow& row, std::ostream* out) { *out << row.listName << ' ' << row.stem; }

class HiberniaCastersNamesTest : public ::testing::TestWithParam<NamesRow> {};

TEST_P(HiberniaCastersNamesTest, MatchTheWindowsControls) {
    const NamesRow row = GetParam();
    PlannerProbe probe(row.listName);
    const auto& line = probe.planner().definition().lines[probe.Index(row.stem)];
    const catalog::LineControlNames names = catalog::ControlNamesOf(line);
    EXPECT_EQ(names.slider, row.slider);
    EXPECT_EQ(names.level, row.level);
    EXPECT_EQ(names.percent, row.percent);
    EXPECT_EQ(names.abilities, row.abilities);
}

INSTANTIATE_TEST_SUITE_P(
    Exceptions, HiberniaCastersNamesTest,
    ::testing::Values(
        NamesRow{"Bard", "Nurturing", "sldNurturing", "lblNurtureSkill", "lblNurturePct", "lblNurtureSpells"},
        NamesRow{"Bard", "Blunts", "sldBlunts", "lblBluntsSkill", "lblBluntsPct", "lblBluntsStyles"},
        NamesRow{"Druid", "Nurturing", "sldNurturing", "lblNurtureSkill", "lblNurturePct", "lblNurtureSpells"},
        NamesRow{"Warden", "Regrowth", "sldRegrowth", "lblRegSkill", "lblRegPct", "lblRegSpells"},
        NamesRow{"Warden", "Nurturing", "sldNurturing", "lblNurSkill", "lblNurPct", "lblNurSpells"},
        NamesRow{"Warden", "Parry", "sldParry", "lblParrySkill", "lblParryPct", "lblParrySpells"},
        NamesRow{"Warden", "Blades", "sldBlades", "lblBlaSkill", "lblBlaPct", "lblBladesStyles"},
        NamesRow{"Warden", "Blunts", "sldBlunts", "lblBluSkill", "lblBluPct", "lblBluntsStyles"},
        NamesRow{"Mentalist", "Mind", "sldMind", "lblMindSkill", "lblMindPct", "lblMindSpells"}));

}  // namespace
}  // namespace vantrell::testing

// One pass over the whole catalog for the rules every class record must keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

#include "core/catalog/abilities.h"
#include "core/catalog/band_rules.h"
#include "core/catalog/class_catalog.h"
#include "core/catalog/style_schedules.h"
#include "core/planner/planner.h"

namespace vantrell::catalog {
namespace {

std::multiset<std::string_view> StemsOf(const ClassDefinition& definition) {
    std::multiset<std::string_view> stems;
    for (const SpecLineDefinition& line : definition.lines) stems.insert(line.stem);
    return stems;
}

void ExpectNamesEveryLineOnce(const ClassDefinition& definition, std::span<const std::string_view> order,
                              std::string_view what) {
    if (order.empty()) return;
    const std::multiset<std::string_view> named(order.begin(), order.end());
    EXPECT_EQ(named, StemsOf(definition)) << definition.listName << " " << what;
}

void ExpectLineRules(const ClassDefinition& definition, const SpecLineDefinition& line) {
    const std::string where = std::string(definition.listName) + " " + std::string(line.stem);
    EXPECT_FALSE(line.caption.empty()) << where;
    EXPECT_TRUE(BandsAscending(line.bands)) << where;
    EXPECT_FALSE(!line.bands.empty() && line.styles.schedule != nullptr) << where << " has two tables";
    EXPECT_GE(line.availableFromLevel, 1) << where;
    EXPECT_LE(line.availableFromLevel, 50) << where;
    if (line.availableText) {
        EXPECT_TRUE(line.bands.empty() && line.styles.schedule == nullptr) << where << " fixed text and table";
    }
    if (!line.abilitiesKind) {
        EXPECT_TRUE(line.bands.empty() && line.styles.schedule == nullptr && !line.description) << where;
    }
    if (line.description != nullptr) {
        const std::string prefix = std::string(definition.listName) + " - ";
        EXPECT_TRUE(line.description->title.starts_with(prefix)) << where << ": " << line.description->title;
        EXPECT_FALSE(line.description->bodyLines.empty()) << where;
    }
}

TEST(ClassCatalog, HoldsThirtyThreeClassesInSelectorOrder) {
    EXPECT_EQ(ClassCatalog::ClassesOf(Realm::Albion).size(), 12u);
    EXPECT_EQ(ClassCatalog::ClassesOf(Realm::Hibernia).size(), 11u);
    EXPECT_EQ(ClassCatalog::ClassesOf(Realm::Midgard).size(), 10u);
    EXPECT_EQ(ClassCatalog::AllClasses().size(), 33u);
    EXPECT_EQ(ClassCatalog::ClassesOf(Realm::Midgard).front()->listName, "Berserker");
    EXPECT_EQ(ClassCatalog::ClassesOf(Realm::Albion).front()->listName, "Armsman");
    for (Realm realm : kRealms) {
        const auto classes = ClassCatalog::ClassesOf(realm);
        EXPECT_TRUE(std::is_sorted(classes.begin(), classes.end(), [](auto* a, auto* b) {
            return a->listName < b->listName;
        })) << RealmName(realm);
        for (const ClassDefinition* definition : classes) EXPECT_EQ(definition->realm, realm);
    }
}

TEST(ClassCatalog, LooksUpByRealmAndListName) {
    EXPECT_EQ(ClassCatalog::Find(Realm::Albion, "Sorceror")->titleCaption, "Sorcerer");
    EXPECT_EQ(ClassCatalog::Find(Realm::Midgard, "Healer")->realm, Realm::Midgard);
    EXPECT_EQ(ClassCatalog::Find(Realm::Albion, "Healer"), nullptr);
    EXPECT_EQ(ClassCatalog::Find(Realm::Albion, "Sorcerer"), nullptr);
    EXPECT_EQ(ClassCatalog::Find(Realm::Albion, "sorceror"), nullptr);
    EXPECT_EQ(ClassCatalog::Find("Warden")->realm, Realm::Hibernia);
    EXPECT_EQ(ClassCatalog::Find(""), nullptr);
    EXPECT_EQ(RealmNamed("Midgard"), Realm::Midgard);
    EXPECT_EQ(RealmNamed("midgard"), std::nullopt);
}

TEST(ClassCatalog, EveryRecordKeepsTheCatalogRules) {
    std::set<std::string_view> listNames;
    for (const ClassDefinition* definition : ClassCatalog::AllClasses()) {
        SCOPED_TRACE(std::string(definition->listName));
        EXPECT_TRUE(listNames.insert(definition->listName).second);
        if (definition->listName != "Sorceror") {
            EXPECT_EQ(definition->titleCaption, definition->listName);
        }
        const double factor = definition->pointsRule.multiplier;
        EXPECT_TRUE(factor == 1 || factor == 1.5 || factor == 2);
        EXPECT_GE(definition->lines.size(), 3u);
        EXPECT_LE(definition->lines.size(), 8u);
        const auto stems = StemsOf(*definition);
        EXPECT_EQ(std::set<std::string_view>(stems.begin(), stems.end()).size(), stems.size());
        ExpectNamesEveryLineOnce(*definition, definition->levelRefreshOrder, "levelRefreshOrder");
        ExpectNamesEveryLineOnce(*definition, definition->maximaOrder, "maximaOrder");
        for (const SpecLineDefinition& line : definition->lines) ExpectLineRules(*definition, line);
        EXPECT_NO_THROW(planner::Planner{*definition});
    }
}

TEST(AbilitiesTextFor, ReadsTheBandHoldingTheLevel) {
    constexpr AbilityBand kBands[] = {{2, 3, "low"}, {5, 5, "five"}, {8, std::nullopt, "open"}};
    constexpr AbilityBand kClosedBands[] = {{2, 3, "low"}};
    const SpecLineDefinition open{.stem = "Open", .bands = kBands};
    const SpecLineDefinition closed{.stem = "Closed", .bands = kClosedBands};
    const SpecLineDefinition empty{.stem = "Empty"};
    EXPECT_EQ(AbilitiesTextFor(open, 1), "");
    EXPECT_EQ(AbilitiesTextFor(open, 2), "low");
    EXPECT_EQ(AbilitiesTextFor(open, 3), "low");
    EXPECT_EQ(AbilitiesTextFor(open, 4), "");
    EXPECT_EQ(AbilitiesTextFor(open, 5), "five");
    EXPECT_EQ(AbilitiesTextFor(open, 7), "");
    EXPECT_EQ(AbilitiesTextFor(open, 8), "open");
    EXPECT_EQ(AbilitiesTextFor(open, 101), "open");
    EXPECT_EQ(AbilitiesTextFor(closed, 4), "");
    EXPECT_EQ(AbilitiesTextFor(empty, 1), "");
    EXPECT_EQ(AbilitiesTextFor(empty, 50), "");
}

TEST(AbilitiesTextFor, StyleSchedulesAppendTheBandNumber) {
    const SpecLineDefinition weapon{.stem = "W", .styles = WeaponStyles("Crushing styles 1->")};
    const SpecLineDefinition shield{.stem = "S", .styles = ShieldStyles("Shields styles 1->")};
    EXPECT_EQ(AbilitiesTextFor(weapon, 1), "");
    EXPECT_EQ(AbilitiesTextFor(weapon, 2), "Crushing styles 1->1");
    EXPECT_EQ(AbilitiesTextFor(weapon, 14), "Crushing styles 1->6");
    EXPECT_EQ(AbilitiesTextFor(weapon, 49), "Crushing styles 1->14");
    EXPECT_EQ(AbilitiesTextFor(weapon, 50), "Crushing styles 1->15");
    EXPECT_EQ(AbilitiesTextFor(weapon, 71), "Crushing styles 1->15");
    EXPECT_EQ(AbilitiesTextFor(shield, 2), "");
    EXPECT_EQ(AbilitiesTextFor(shield, 3), "Shields styles 1->1");
    EXPECT_EQ(AbilitiesTextFor(shield, 49), "Shields styles 1->8");
    EXPECT_EQ(AbilitiesTextFor(shield, 50), "Shields styles 1->9");
}

TEST(ExplanationText, JoinsBodyLinesWithCarriageReturnLineFeed) {
    constexpr std::string_view kBody[] = {"one", "two", "three"};
    EXPECT_EQ(ExplanationText({"T - L", kBody}), "one\r\ntwo\r\nthree");
    EXPECT_EQ(ExplanationText({"T - L", std::span(kBody).first(1)}), "one");
}

const SpecLineDefinition& LineOf(std::string_view listName, std::string_view stem) {
    const ClassDefinition& definition = *ClassCatalog::Find(listName);
    return definition.lines[LineIndexOf(definition, stem).value()];
}

TEST(ClassRecords, CaptionsDifferFromTheStemsWhereTheWindowSaysSo) {
    const std::pair<std::pair<std::string_view, std::string_view>, std::string_view> captions[] = {
        {{"Hero", "Spear"}, "Celtic Spears"},     {{"Hero", "Large"}, "Lg Weapons"},
        {{"Champion", "Large"}, "Large Weapons"}, {{"Blademaster", "Shield"}, "Shields"},
        {{"Ranger", "Recurve"}, "Recurve Bows"},  {{"Nightshade", "Stealth"}, "Stealth / Distractions"},
        {{"Nightshade", "Pierce"}, "Piercing"},
    };
    for (const auto& [line, caption] : captions) {
        EXPECT_EQ(LineOf(line.first, line.second).caption, caption) << line.first << " " << line.second;
    }
}

TEST(ClassRecords, OnlyWarriorShieldsAmongMidgardFightersDrawsAbilitiesInItsOwnColour) {
    for (std::string_view listName : {"Warrior", "Thane", "Berserker", "Skald", "Hunter", "Shadowblade"}) {
        for (const SpecLineDefinition& line : ClassCatalog::Find(listName)->lines) {
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

// The Friar's factor box shows a bare "1", unlike the other factor-one classes.
TEST(ClassRecords, FriarShowsABareFactor) {
    EXPECT_EQ(ClassCatalog::Find("Friar")->pointsPerLevelText, "1");
    EXPECT_EQ(ClassCatalog::Find("Cleric")->pointsPerLevelText, "1.0");
}

}  // namespace
}  // namespace vantrell::catalog

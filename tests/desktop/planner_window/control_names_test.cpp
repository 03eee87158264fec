// Control names the window gives each line, checked against the catalog alone.
#include "desktop/planner_window/control_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "core/catalog/class_catalog.h"

namespace vantrell::planner_window {
namespace {

using catalog::ClassCatalog;
using catalog::ClassDefinition;
using catalog::SpecLineDefinition;

const ClassDefinition& ClassNamed(std::string_view listName) {
    const ClassDefinition* definition = ClassCatalog::Find(listName);
    if (definition == nullptr) throw std::invalid_argument("no class " + std::string(listName));
    return *definition;
}

LineControlNames NamesOf(std::string_view listName, std::string_view stem) {
    const ClassDefinition& definition = ClassNamed(listName);
    const auto index = catalog::LineIndexOf(definition, stem);
    if (!index) throw std::invalid_argument("no line " + std::string(stem));
    return ControlNamesOf(definition, definition.lines[*index]);
}

TEST(ControlNames, FollowTheStemAndTheAbilitiesKind) {
    const LineControlNames names = NamesOf("Healer", "Mending");
    EXPECT_EQ(names.slider, "sldMending");
    EXPECT_EQ(names.level, "lblMendingSkill");
    EXPECT_EQ(names.points, "lblMendingPts");
    EXPECT_EQ(names.percent, "lblMendingPct");
    EXPECT_EQ(names.abilities, "lblMendingSpells");
    EXPECT_EQ(NamesOf("Bard", "Blunts").abilities, "lblBluntsStyles");
    EXPECT_EQ(NamesOf("Hero", "Shield").abilities, "lblShieldSkills");
    // A line without an abilities kind has no abilities label to name.
    const ClassDefinition& healer = ClassNamed("Healer");
    EXPECT_EQ(ControlNamesOf(healer, SpecLineDefinition{.stem = "Bare"}).abilities, "");
}

// Every exception names a class and a line that exist, so none can go stale
// after a rename, and each one changes at least one name.
TEST(ControlNames, EveryExceptionNamesAKnownLine) {
    for (const ControlNameException& exception : kControlNameExceptions) {
        SCOPED_TRACE(std::string(exception.listName) + " " + std::string(exception.stem));
        const ClassDefinition* definition = ClassCatalog::Find(exception.listName);
        ASSERT_NE(definition, nullptr);
        ASSERT_TRUE(catalog::LineIndexOf(*definition, exception.stem).has_value());
        EXPECT_FALSE(exception.labelStem.empty() && exception.abilitiesLabelName.empty());
        EXPECT_NE(exception.labelStem, exception.stem);
    }
}

TEST(ControlNames, ExceptionsRenameTheLabelsButNeverTheSlider) {
    struct Row {
        std::string_view listName;
        std::string_view stem;
        std::string_view level;
        std::string_view percent;
        std::string_view abilities;
    };
    const Row rows[] = {
        {"Bard", "Nurturing", "lblNurtureSkill", "lblNurturePct", "lblNurtureSpells"},
        {"Druid", "Nurturing", "lblNurtureSkill", "lblNurturePct", "lblNurtureSpells"},
        {"Warden", "Regrowth", "lblRegSkill", "lblRegPct", "lblRegSpells"},
        {"Warden", "Nurturing", "lblNurSkill", "lblNurPct", "lblNurSpells"},
        {"Warden", "Parry", "lblParrySkill", "lblParryPct", "lblParrySpells"},
        {"Warden", "Blades", "lblBlaSkill", "lblBlaPct", "lblBladesStyles"},
        {"Warden", "Blunts", "lblBluSkill", "lblBluPct", "lblBluntsStyles"},
        {"Blademaster", "Shield", "lblShieldSkill", "lblShieldPct", "lblLargeSkills"},
        {"Champion", "Large", "lblLargeSkill", "lblLargePct", "lblLargeSkills"},
        {"Ranger", "Pierce", "lblPierceSkill", "lblPiercePct", "lblPierceSkills"},
        {"Nightshade", "Celtic", "lblCelticSkill", "lblCelticPct", "lblCelticSkills"},
        {"Mentalist", "Mind", "lblMindSkill", "lblMindPct", "lblMindSpells"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.listName) + " " + std::string(row.stem));
        const LineControlNames names = NamesOf(row.listName, row.stem);
        EXPECT_EQ(names.slider, "sld" + std::string(row.stem));
        EXPECT_EQ(names.level, row.level);
        EXPECT_EQ(names.percent, row.percent);
        EXPECT_EQ(names.abilities, row.abilities);
    }
}

TEST(ControlNames, MidgardFightersNameEveryLabelFromItsStem) {
    for (std::string_view listName : {"Warrior", "Thane", "Berserker", "Skald", "Hunter", "Shadowblade"}) {
        const ClassDefinition& definition = ClassNamed(listName);
        for (const SpecLineDefinition& line : definition.lines) {
            SCOPED_TRACE(std::string(listName) + " " + std::string(line.stem));
            const std::string stem(line.stem);
            const LineControlNames names = ControlNamesOf(definition, line);
            EXPECT_EQ(names.slider, "sld" + stem);
            EXPECT_EQ(names.level, "lbl" + stem + "Skill");
            EXPECT_EQ(names.abilities, "lbl" + stem + "Skills");
        }
    }
}

// Two controls of one window under one name would make the window find the wrong one.
TEST(ControlNames, NoWindowRepeatsAName) {
    std::set<std::string> windowNames;
    for (const ClassDefinition* definition : ClassCatalog::AllClasses()) {
        SCOPED_TRACE(std::string(definition->listName));
        EXPECT_TRUE(windowNames.insert(WindowNameOf(*definition)).second);
        std::set<std::string> names;
        std::size_t count = 0;
        for (const SpecLineDefinition& line : definition->lines) {
            const LineControlNames controls = ControlNamesOf(*definition, line);
            for (const std::string& name :
                 {controls.slider, controls.level, controls.points, controls.percent, controls.abilities}) {
                if (name.empty()) continue;
                names.insert(name);
                ++count;
            }
        }
        EXPECT_EQ(names.size(), count);
    }
    EXPECT_EQ(windowNames.size(), ClassCatalog::AllClasses().size());
}

TEST(ControlNames, WindowIsNamedAfterItsClass) {
    EXPECT_EQ(WindowNameOf(ClassNamed("Healer")), "frmHealer");
    // The list name, not the title the window shows.
    EXPECT_EQ(WindowNameOf(ClassNamed("Sorceror")), "frmSorceror");
}

}  // namespace
}  // namespace vantrell::planner_window

// Albion armsman and paladin: factor-2 fighters on the weapon and shield style schedules, with
// lines that open only from a character level.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_lines.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kTwoHanded = WeaponLine("Two", "Two Handed", colour::kDarkRed, "Two Handed styles 1->");

constexpr SpecLineDefinition kArmsmanLines[] = {
    kAlbionSlashing,
    kAlbionCrushing,
    kAlbionThrusting,
    WeaponLine("Polearms", "Polearms", colour::kMaroon, "Polearms styles 1->"),
    OpensAt(10, kTwoHanded),
    OpensAt(15, SkillLine("Crossbow", "Crossbows", colour::kRed)),
    kAlbionShield,
    ParryLine(10),
};

// Crossbows is refreshed last, so a smaller budget is cut from every other line before it.
constexpr std::string_view kArmsmanRefresh[] = {"Slashing", "Crushing", "Thrusting", "Polearms",
                                                "Two",      "Shield",   "Parry",     "Crossbow"};

constexpr SpecLineDefinition kPaladinLines[] = {
    kAlbionSlashing,
    kAlbionCrushing,
    kAlbionThrusting,
    kTwoHanded,
    kAlbionShield,
    SkillLine("Chants", "Chants", colour::kMaroon),
    ParryLine(15),
};

// Maxima follow this order too: when a lower character level caps several lines, the first of them here is
// cut first and absorbs any shortfall.
constexpr std::string_view kPaladinRefresh[] = {"Slashing", "Crushing", "Thrusting", "Chants",
                                                "Two",      "Shield",   "Parry"};

}  // namespace

constinit const ClassDefinition kArmsman{.listName = "Armsman",
                                         .realm = Realm::Albion,
                                         .titleCaption = "Armsman",
                                         .pointsRule = {2.0},
                                         .pointsPerLevelCaption = "Points/Level:",
                                         .pointsPerLevelText = "2.0",
                                         .lines = kArmsmanLines,
                                         .levelRefreshOrder = kArmsmanRefresh};
constinit const ClassDefinition kPaladin{.listName = "Paladin",
                                         .realm = Realm::Albion,
                                         .titleCaption = "Paladin",
                                         .pointsRule = {2.0},
                                         .pointsPerLevelCaption = "Points/Level:",
                                         .pointsPerLevelText = "2.0",
                                         .lines = kPaladinLines,
                                         .levelRefreshOrder = kPaladinRefresh,
                                         .maximaOrder = kPaladinRefresh};

}  // namespace vantrell::catalog::classes

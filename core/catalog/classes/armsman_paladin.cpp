// Albion armsman and paladin: factor-2 fighters on the weapon and shield style schedules, with
// lines that open only from a character level.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_lines.h"
#include "core/catalog/style_schedules.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kArmsmanLines[] = {
    kAlbionSlashing,
    kAlbionCrushing,
    kAlbionThrusting,
    {.stem = "Polearms",
     .caption = "Polearms",
     .captionColour = colour::kMaroon,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Polearms styles 1->"),
     .cap = LineCap::CharacterLevel},
    {.stem = "Two",
     .caption = "Two Handed",
     .captionColour = colour::kDarkRed,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Two Handed styles 1->"),
     .cap = LineCap::CharacterLevel,
     .availableFromLevel = 10},
    {.stem = "Crossbow",
     .caption = "Crossbows",
     .captionColour = colour::kRed,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel,
     .availableFromLevel = 15},
    kAlbionShield,
    {.stem = "Parry",
     .caption = "Parry",
     .captionColour = colour::kBlack,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel,
     .availableFromLevel = 10,
     .availableText = "Parry"},
};

// Crossbows is refreshed last, so a smaller budget is cut from every other line before it.
constexpr std::string_view kArmsmanRefresh[] = {"Slashing", "Crushing", "Thrusting", "Polearms",
                                                "Two",      "Shield",   "Parry",     "Crossbow"};

constexpr SpecLineDefinition kPaladinLines[] = {
    kAlbionSlashing,
    kAlbionCrushing,
    kAlbionThrusting,
    {.stem = "Two",
     .caption = "Two Handed",
     .captionColour = colour::kDarkRed,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Two Handed styles 1->"),
     .cap = LineCap::CharacterLevel},
    kAlbionShield,
    {.stem = "Chants",
     .caption = "Chants",
     .captionColour = colour::kMaroon,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel},
    {.stem = "Parry",
     .caption = "Parry",
     .captionColour = colour::kBlack,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel,
     .availableFromLevel = 15,
     .availableText = "Parry"},
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

// The Hero: every line a style line, with large weapons closed until level 10.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_lines.h"

#include "core/catalog/style_schedules.h"

namespace vantrell::catalog::classes {
namespace {

constexpr std::string_view kHeroBladesBody[] = {
    "Blades is your skill wielding a bladed weapon.",
    "The styles you recieve with higher Blades skill enable you to achieve high bonus damage.",
    "Some skills need to be executed after another specific style is successful.",
};
constexpr DescriptionMessage kHeroBlades{"Hero - Blades", kHeroBladesBody};

constexpr std::string_view kHeroBluntsBody[] = {
    "Blunts is your skill wielding a blunt weapon.",
    "The styles you recieve with higher Blunts skill enable you to achieve high bonus damage.",
    "Some skills need to be executed after another specific style is successful.",
};
constexpr DescriptionMessage kHeroBlunts{"Hero - Blunts", kHeroBluntsBody};

constexpr std::string_view kHeroPiercingBody[] = {
    "Piercing is your skill wielding a piercing weapon.",
    "The styles you recieve with higher Piercing skill enable you to achieve high bonus damage.",
    "Some skills need to be executed after another specific style is successful.",
};
constexpr DescriptionMessage kHeroPiercing{"Hero - Piercing", kHeroPiercingBody};

constexpr std::string_view kHeroCelticSpearsBody[] = {
    "Celtic Spears is your skill wielding a Celtic Spear.",
    "The styles you recieve with higher Celtic Spear skill enable you to achieve high bonus damage.",
    "Some skills need to be executed after another specific style is successful, or behind the target, etc.",
};
constexpr DescriptionMessage kHeroCelticSpears{"Hero - Celtic Spears", kHeroCelticSpearsBody};

constexpr std::string_view kHeroLargeWeaponsBody[] = {
    "Large Weapons is your skill wielding Large Weapons.",
    "The styles you recieve with higher Large Weapons skill enable you to achieve high bonus damage.",
    "Some skills need to be executed after another specific style is successful, or behind the target, etc.",
};
constexpr DescriptionMessage kHeroLargeWeapons{"Hero - Large Weapons", kHeroLargeWeaponsBody};

constexpr std::string_view kHeroShieldBody[] = {
    "These skills stun the target.  The higher the level skill, the longer the stun duration.",
    "Some skills require you to be behind the target, or after a successful block, etc.",
};
constexpr DescriptionMessage kHeroShield{"Hero - Shield", kHeroShieldBody};

constexpr SpecLineDefinition kHeroLines[] = {
    {.stem = "Blades",
     .caption = "Blades",
     .captionColour = colour::kBlue,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Blades styles 1->"),
     .description = &kHeroBlades,
     .cap = LineCap::CharacterLevel},
    {.stem = "Blunts",
     .caption = "Blunts",
     .captionColour = colour::kDarkGreen,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Blunts styles 1->"),
     .description = &kHeroBlunts,
     .cap = LineCap::CharacterLevel},
    {.stem = "Pierce",
     .caption = "Piercing",
     .captionColour = colour::kPurple,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Piercing styles 1->"),
     .description = &kHeroPiercing,
     .cap = LineCap::CharacterLevel},
    {.stem = "Spear",
     .caption = "Celtic Spears",
     .captionColour = colour::kMaroon,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Celtic Spear styles 1->"),
     .description = &kHeroCelticSpears,
     .cap = LineCap::CharacterLevel},
    {.stem = "Large",
     .caption = "Lg Weapons",
     .captionColour = colour::kDarkRed,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Large Weapons styles 1->"),
     .description = &kHeroLargeWeapons,
     .cap = LineCap::CharacterLevel,
     .availableFromLevel = 10},
    {.stem = "Shield",
     .caption = "Shields",
     .captionColour = colour::kDarkGrey,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = ShieldStyles("Shields styles 1->"),
     .description = &kHeroShield,
     .cap = LineCap::CharacterLevel},
    kHiberniaParry,
};

}  // namespace

constinit const ClassDefinition kHero{.listName = "Hero",
                                      .realm = Realm::Hibernia,
                                      .windowName = "frmHero",
                                      .titleCaption = "Hero",
                                      .pointsRule = {2.0},
                                      .pointsPerLevelCaption = "Points/Level:",
                                      .pointsPerLevelText = "2.0",
                                      .lines = kHeroLines};

}  // namespace vantrell::catalog::classes

// The Hero: every line a style line, with large weapons closed until level 10.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_explanations.h"
#include "core/catalog/classes/shared_lines.h"

#include "core/catalog/style_schedules.h"

namespace vantrell::catalog::classes {
namespace {

constexpr DescriptionMessage kHeroBlades{"Hero - Blades", kBladesBody};
constexpr DescriptionMessage kHeroBlunts{"Hero - Blunts", kBluntsBody};
constexpr DescriptionMessage kHeroPiercing{"Hero - Piercing", kPiercingBody};

constexpr std::string_view kHeroCelticSpearsBody[] = {
    "Celtic Spears is your skill wielding a Celtic Spear.",
    "The styles you recieve with higher Celtic Spear skill enable you to achieve high bonus damage.",
    "Some skills need to be executed after another specific style is successful, or behind the target, etc.",
};
constexpr DescriptionMessage kHeroCelticSpears{"Hero - Celtic Spears", kHeroCelticSpearsBody};
constexpr DescriptionMessage kHeroLargeWeapons{"Hero - Large Weapons", kLargeWeaponsBody};
constexpr DescriptionMessage kHeroShield{"Hero - Shield", kShieldBody};

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
                                      .titleCaption = "Hero",
                                      .pointsRule = {2.0},
                                      .pointsPerLevelCaption = "Points/Level:",
                                      .pointsPerLevelText = "2.0",
                                      .lines = kHeroLines};

}  // namespace vantrell::catalog::classes

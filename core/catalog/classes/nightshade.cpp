// The Nightshade: weapon lines held to half the character level, Parry closed until level 10.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_explanations.h"

#include "core/catalog/style_schedules.h"

namespace vantrell::catalog::classes {
namespace {

constexpr DescriptionMessage kNightshadeBlades{"Nightshade - Blades", kBladesBody};
constexpr DescriptionMessage kNightshadePiercing{"Nightshade - Piercing", kPiercingBody};

constexpr std::string_view kNightshadeCriticalStrikesBody[] = {
    "Critical Strike is your skill performing a special combat maneuver.",
    "The styles you recieve with higher Critical Strike skill enable you to achieve high bonus damage.",
    "Some skills need to be executed after another specific style is successful, or while hidden, or from behind the enemy.",
};
constexpr DescriptionMessage kNightshadeCriticalStrikes{"Nightshade - Critical Strikes",
                                                        kNightshadeCriticalStrikesBody};

constexpr DescriptionMessage kNightshadeCelticDual{"Nightshade - Celtic Dual", kCelticDualBody};

constexpr SpecLineDefinition kNightshadeLines[] = {
    {.stem = "Stealth",
     .caption = "Stealth / Distractions",
     .captionColour = colour::kBlue,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel},
    {.stem = "Blades",
     .caption = "Blades",
     .captionColour = colour::kDarkGreen,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Blades styles 1->"),
     .description = &kNightshadeBlades,
     .cap = LineCap::HalfCharacterLevel},
    {.stem = "Pierce",
     .caption = "Piercing",
     .captionColour = colour::kPurple,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Piercing styles 1->"),
     .description = &kNightshadePiercing,
     .cap = LineCap::HalfCharacterLevel},
    {.stem = "Critical",
     .caption = "Critical Strike",
     .captionColour = colour::kMaroon,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Critical Strike styles 1->"),
     .description = &kNightshadeCriticalStrikes,
     .cap = LineCap::CharacterLevel},
    {.stem = "Envenom",
     .caption = "Envenom",
     .captionColour = colour::kDarkRed,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel},
    {.stem = "Celtic",
     .caption = "Celtic Dual",
     .captionColour = colour::kBlack,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Celtic Dual styles 1->"),
     .description = &kNightshadeCelticDual,
     .cap = LineCap::HalfCharacterLevel},
    {.stem = "Parry",
     .caption = "Parry",
     .captionColour = colour::kBlack,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::HalfCharacterLevel,
     .availableFromLevel = 10,
     .availableText = "Parry"},
};

// Piercing is cut right after Blades, the other one-handed weapon line held to half the level;
// it must be refreshed like every other line, or its percentage would keep the old total.
constexpr std::string_view kNightshadeRefresh[] = {"Blades",  "Pierce", "Envenom", "Critical",
                                                   "Stealth", "Celtic", "Parry"};

}  // namespace

constinit const ClassDefinition kNightshade{.listName = "Nightshade",
                                            .realm = Realm::Hibernia,
                                            .titleCaption = "Nightshade",
                                            .pointsRule = {2.0},
                                            .pointsPerLevelCaption = "Points/Level:",
                                            .pointsPerLevelText = "2.0",
                                            .lines = kNightshadeLines,
                                            .levelRefreshOrder = kNightshadeRefresh};

}  // namespace vantrell::catalog::classes

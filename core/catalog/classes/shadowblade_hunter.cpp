// Midgard's shadowblade and hunter: their sword and axe lines stop at half the
// character level, and several lines carry no abilities text at all.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_lines.h"
#include "core/catalog/style_schedules.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kShadowbladeLines[] = {
    kMidgardHalfSwords,
    {.stem = "Axes",
     .caption = "Axes",
     .captionColour = colour::kPurple,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Axes styles 1->"),
     .cap = LineCap::HalfCharacterLevel},
    kMidgardStealth,
    {.stem = "Critical",
     .caption = "Critical Strike",
     .captionColour = colour::kMaroon,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel},
    {.stem = "Envenom",
     .caption = "Envenom",
     .captionColour = colour::kDarkRed,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel},
    {.stem = "LeftAxe",
     .caption = "Left Axe",
     .captionColour = colour::kBlack,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::HalfCharacterLevel,
     .availableText = "LeftAxe"},
};
constexpr std::string_view kShadowbladeMaxima[] = {"Swords", "Axes", "Critical", "Envenom", "Stealth", "LeftAxe"};

constexpr SpecLineDefinition kHunterLines[] = {
    kMidgardHalfSwords,
    {.stem = "Composite",
     .caption = "Composite Bows",
     .captionColour = colour::kPurple,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel},
    {.stem = "Spears",
     .caption = "Spears",
     .captionColour = colour::kDarkGrey,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel},
    kMidgardStealth,
    {.stem = "Beastcraft",
     .caption = "Beastcraft",
     .captionColour = colour::kBlack,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel,
     .availableText = "Beastcraft"},
};
constexpr std::string_view kHunterRefresh[] = {"Swords", "Composite", "Stealth", "Spears", "Beastcraft"};

}  // namespace

constinit const ClassDefinition kShadowblade{.listName = "Shadowblade",
                                             .realm = Realm::Midgard,
                                             .titleCaption = "Shadowblade",
                                             .pointsRule = {2.0},
                                             .pointsPerLevelCaption = "Points/Level:",
                                             .pointsPerLevelText = "2.0",
                                             .lines = kShadowbladeLines,
                                             .maximaOrder = kShadowbladeMaxima};
constinit const ClassDefinition kHunter{.listName = "Hunter",
                                        .realm = Realm::Midgard,
                                        .titleCaption = "Hunter",
                                        .pointsRule = {2.0},
                                        .pointsPerLevelCaption = "Points/Level:",
                                        .pointsPerLevelText = "2.0",
                                        .lines = kHunterLines,
                                        .levelRefreshOrder = kHunterRefresh};

}  // namespace vantrell::catalog::classes

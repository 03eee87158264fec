// Placeholder records: stems and points rules only, until the line data is transcribed.
#include "catalog/classes/classes.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kHeroLines[] = {
    {.stem = "Blades", .caption = "Blades", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Blunts", .caption = "Blunts", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Pierce", .caption = "Pierce", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Spear", .caption = "Spear", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Large", .caption = "Large", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Shield", .caption = "Shield", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Parry", .caption = "Parry", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

}  // namespace

constinit const ClassDefinition kHero{.listName = "Hero", .realm = Realm::Hibernia, .windowName = "frmHero", .titleCaption = "Hero", .pointsRule = {2.0}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "2.0", .lines = kHeroLines};

}  // namespace vantrell::catalog::classes

// Placeholder records: stems and points rules only, until the line data is transcribed.
#include "catalog/classes/classes.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kMercenaryLines[] = {
    {.stem = "Slashing", .caption = "Slashing", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Crushing", .caption = "Crushing", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Thrusting", .caption = "Thrusting", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Shield", .caption = "Shield", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Dual", .caption = "Dual", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Parry", .caption = "Parry", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

constexpr SpecLineDefinition kFriarLines[] = {
    {.stem = "Quarterstaves", .caption = "Quarterstaves", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Rejuvenation", .caption = "Rejuvenation", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Enhance", .caption = "Enhance", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Parry", .caption = "Parry", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

}  // namespace

constinit const ClassDefinition kMercenary{.listName = "Mercenary", .realm = Realm::Albion, .windowName = "frmMercenary", .titleCaption = "Mercenary", .pointsRule = {2.0}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "2.0", .lines = kMercenaryLines};
constinit const ClassDefinition kFriar{.listName = "Friar", .realm = Realm::Albion, .windowName = "frmFriar", .titleCaption = "Friar", .pointsRule = {1.0}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "1", .lines = kFriarLines};

}  // namespace vantrell::catalog::classes

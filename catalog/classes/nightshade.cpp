// Placeholder records: stems and points rules only, until the line data is transcribed.
#include "catalog/classes/classes.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kNightshadeLines[] = {
    {.stem = "Stealth", .caption = "Stealth", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Blades", .caption = "Blades", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Pierce", .caption = "Pierce", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Critical", .caption = "Critical", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Envenom", .caption = "Envenom", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Celtic", .caption = "Celtic", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Parry", .caption = "Parry", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

}  // namespace

constinit const ClassDefinition kNightshade{.listName = "Nightshade", .realm = Realm::Hibernia, .windowName = "frmNightshade", .titleCaption = "Nightshade", .pointsRule = {2.0}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "2.0", .lines = kNightshadeLines};

}  // namespace vantrell::catalog::classes

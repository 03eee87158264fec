// Placeholder records: stems and points rules only, until the line data is transcribed.
#include "catalog/classes/classes.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kInfiltratorLines[] = {
    {.stem = "Slashing", .caption = "Slashing", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Thrusting", .caption = "Thrusting", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Stealth", .caption = "Stealth", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Critical", .caption = "Critical", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Dual", .caption = "Dual", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Envenom", .caption = "Envenom", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

}  // namespace

constinit const ClassDefinition kInfiltrator{.listName = "Infiltrator", .realm = Realm::Albion, .windowName = "frmInfiltrator", .titleCaption = "Infiltrator", .pointsRule = {2.0}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "2.0", .lines = kInfiltratorLines};

}  // namespace vantrell::catalog::classes

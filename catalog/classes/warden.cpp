// Placeholder records: stems and points rules only, until the line data is transcribed.
#include "catalog/classes/classes.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kWardenLines[] = {
    {.stem = "Regrowth", .caption = "Regrowth", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Nurturing", .caption = "Nurturing", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Parry", .caption = "Parry", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Blades", .caption = "Blades", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Blunts", .caption = "Blunts", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

}  // namespace

constinit const ClassDefinition kWarden{.listName = "Warden", .realm = Realm::Hibernia, .windowName = "frmWarden", .titleCaption = "Warden", .pointsRule = {1.5}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "1.5", .lines = kWardenLines};

}  // namespace vantrell::catalog::classes

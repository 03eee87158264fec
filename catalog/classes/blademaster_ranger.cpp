// Placeholder records: stems and points rules only, until the line data is transcribed.
#include "catalog/classes/classes.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kBlademasterLines[] = {
    {.stem = "Blades", .caption = "Blades", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Blunts", .caption = "Blunts", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Pierce", .caption = "Pierce", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Celtic", .caption = "Celtic", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Shield", .caption = "Shield", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Parry", .caption = "Parry", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

constexpr SpecLineDefinition kRangerLines[] = {
    {.stem = "Pathfinding", .caption = "Pathfinding", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Blades", .caption = "Blades", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Pierce", .caption = "Pierce", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Recurve", .caption = "Recurve", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Stealth", .caption = "Stealth", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Celtic", .caption = "Celtic", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

}  // namespace

constinit const ClassDefinition kBlademaster{.listName = "Blademaster", .realm = Realm::Hibernia, .windowName = "frmBlademaster", .titleCaption = "Blademaster", .pointsRule = {2.0}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "2.0", .lines = kBlademasterLines};
constinit const ClassDefinition kRanger{.listName = "Ranger", .realm = Realm::Hibernia, .windowName = "frmRanger", .titleCaption = "Ranger", .pointsRule = {2.0}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "2.0", .lines = kRangerLines};

}  // namespace vantrell::catalog::classes

// Placeholder records: stems and points rules only, until the line data is transcribed.
#include "catalog/classes/classes.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kMinstrelLines[] = {
    {.stem = "Slashing", .caption = "Slashing", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Thrusting", .caption = "Thrusting", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Stealth", .caption = "Stealth", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Instruments", .caption = "Instruments", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

constexpr SpecLineDefinition kScoutLines[] = {
    {.stem = "Slashing", .caption = "Slashing", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Thrusting", .caption = "Thrusting", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Long", .caption = "Long", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Shields", .caption = "Shields", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Stealth", .caption = "Stealth", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

}  // namespace

constinit const ClassDefinition kMinstrel{.listName = "Minstrel", .realm = Realm::Albion, .windowName = "frmMinstrel", .titleCaption = "Minstrel", .pointsRule = {1.5}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "1.5", .lines = kMinstrelLines};
constinit const ClassDefinition kScout{.listName = "Scout", .realm = Realm::Albion, .windowName = "frmScout", .titleCaption = "Scout", .pointsRule = {2.0}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "2.0", .lines = kScoutLines};

}  // namespace vantrell::catalog::classes

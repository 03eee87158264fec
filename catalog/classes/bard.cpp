// Placeholder records: stems and points rules only, until the line data is transcribed.
#include "catalog/classes/classes.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kBardLines[] = {
    {.stem = "Regrowth", .caption = "Regrowth", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Nurturing", .caption = "Nurturing", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Music", .caption = "Music", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Blades", .caption = "Blades", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Blunts", .caption = "Blunts", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

}  // namespace

constinit const ClassDefinition kBard{.listName = "Bard", .realm = Realm::Hibernia, .windowName = "frmBard", .titleCaption = "Bard", .pointsRule = {1.5}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "1.5", .lines = kBardLines};

}  // namespace vantrell::catalog::classes

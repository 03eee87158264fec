// Placeholder records: stems and points rules only, until the line data is transcribed.
#include "catalog/classes/classes.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kBerserkerLines[] = {
    {.stem = "Swords", .caption = "Swords", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Axes", .caption = "Axes", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Hammers", .caption = "Hammers", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Parry", .caption = "Parry", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "LeftAxe", .caption = "LeftAxe", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

constexpr SpecLineDefinition kSkaldLines[] = {
    {.stem = "Swords", .caption = "Swords", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Axes", .caption = "Axes", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Hammers", .caption = "Hammers", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Parry", .caption = "Parry", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Battlesongs", .caption = "Battlesongs", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

}  // namespace

constinit const ClassDefinition kBerserker{.listName = "Berserker", .realm = Realm::Midgard, .windowName = "frmBerserker", .titleCaption = "Berserker", .pointsRule = {2.0}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "2.0", .lines = kBerserkerLines};
constinit const ClassDefinition kSkald{.listName = "Skald", .realm = Realm::Midgard, .windowName = "frmSkald", .titleCaption = "Skald", .pointsRule = {1.5}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "1.5", .lines = kSkaldLines};

}  // namespace vantrell::catalog::classes

// Placeholder records: stems and points rules only, until the line data is transcribed.
#include "catalog/classes/classes.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kEnchanterLines[] = {
    {.stem = "Bedazzling", .caption = "Bedazzling", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Empowering", .caption = "Empowering", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Enchantment", .caption = "Enchantment", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

constexpr SpecLineDefinition kDruidLines[] = {
    {.stem = "Regrowth", .caption = "Regrowth", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Nurturing", .caption = "Nurturing", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
    {.stem = "Nature", .caption = "Nature", .captionColour = colour::kBlack, .abilitiesColour = std::nullopt, .abilitiesKind = AbilitiesKind::Skills},
};

}  // namespace

constinit const ClassDefinition kEnchanter{.listName = "Enchanter", .realm = Realm::Hibernia, .windowName = "frmEnchanter", .titleCaption = "Enchanter", .pointsRule = {1.0}, .pointsPerLevelCaption = "Points/Level:", .pointsPerLevelText = "1.0", .lines = kEnchanterLines};
constinit const ClassDefinition kDruid{.listName = "Druid", .realm = Realm::Hibernia, .windowName = "frmDruid", .titleCaption = "Druid", .pointsRule = {1.0}, .pointsPerLevelCaption = "Points/Lvll:", .pointsPerLevelText = "1.0", .lines = kDruidLines};

}  // namespace vantrell::catalog::classes

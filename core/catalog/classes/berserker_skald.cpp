// Midgard's berserker and skald: no slider passes the character level, and the
// last line carries a fixed text in place of a table.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_lines.h"
#include "core/catalog/style_schedules.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kBerserkerLines[] = {
    kMidgardSwords,
    kMidgardAxes,
    kMidgardHammers,
    {.stem = "Parry",
     .caption = "Parry",
     .captionColour = colour::kDarkRed,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Parry styles 1->"),
     .cap = LineCap::CharacterLevel},
    {.stem = "LeftAxe",
     .caption = "Left Axe",
     .captionColour = colour::kBlack,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel,
     .availableText = "LeftAxe"},
};
constexpr std::string_view kBerserkerRefresh[] = {"Swords", "Axes", "Parry", "Hammers", "LeftAxe"};

constexpr SpecLineDefinition kSkaldLines[] = {
    kMidgardSwords,
    kMidgardAxes,
    kMidgardHammers,
    kMidgardParryWithoutStyles,
    {.stem = "Battlesongs",
     .caption = "Battlesongs",
     .captionColour = colour::kBlack,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel,
     .availableText = "Battlesongs"},
};
constexpr std::string_view kSkaldRefresh[] = {"Swords", "Axes", "Parry", "Hammers", "Battlesongs"};

}  // namespace

constinit const ClassDefinition kBerserker{.listName = "Berserker",
                                           .realm = Realm::Midgard,
                                           .titleCaption = "Berserker",
                                           .pointsRule = {2.0},
                                           .pointsPerLevelCaption = "Points/Level:",
                                           .pointsPerLevelText = "2.0",
                                           .lines = kBerserkerLines,
                                           .levelRefreshOrder = kBerserkerRefresh};
constinit const ClassDefinition kSkald{.listName = "Skald",
                                       .realm = Realm::Midgard,
                                       .titleCaption = "Skald",
                                       .pointsRule = {1.5},
                                       .pointsPerLevelCaption = "Points/Level:",
                                       .pointsPerLevelText = "1.5",
                                       .lines = kSkaldLines,
                                       .levelRefreshOrder = kSkaldRefresh};

}  // namespace vantrell::catalog::classes

// Midgard's warrior and thane: no slider passes the character level, and one
// line per class carries a fixed text in place of a table.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_lines.h"
#include "core/catalog/style_schedules.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kWarriorLines[] = {
    kMidgardSwords,
    kMidgardAxes,
    kMidgardHammers,
    OpenOrClosedLine("Thrown", "Thrown Weapons", colour::kMaroon),
    {.stem = "Shields",
     .caption = "Shields",
     .captionColour = colour::kDarkGreen,
     .abilitiesColour = colour::kDarkGrey,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = ShieldStyles("Shields styles 1->"),
     .cap = LineCap::CharacterLevel},
    kMidgardParryWithoutStyles,
};
constexpr std::string_view kWarriorRefresh[] = {"Swords", "Axes", "Parry", "Hammers", "Shields", "Thrown"};
constexpr std::string_view kWarriorMaxima[] = {"Swords", "Axes", "Hammers", "Shields", "Parry", "Thrown"};

constexpr SpecLineDefinition kThaneLines[] = {
    kMidgardSwords,
    kMidgardAxes,
    kMidgardHammers,
    {.stem = "Shields",
     .caption = "Shields",
     .captionColour = colour::kDarkGreen,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = ShieldStyles("Shields styles 1->"),
     .cap = LineCap::CharacterLevel},
    kMidgardParryWithoutStyles,
    OpenOrClosedLine("Stormcalling", "Stormcalling", colour::kBlack),
};
constexpr std::string_view kThaneRefresh[] = {"Swords", "Axes", "Parry", "Hammers", "Shields", "Stormcalling"};

}  // namespace

constinit const ClassDefinition kWarrior{.listName = "Warrior",
                                         .realm = Realm::Midgard,
                                         .titleCaption = "Warrior",
                                         .pointsRule = {2.0},
                                         .pointsPerLevelCaption = "Points/Level:",
                                         .pointsPerLevelText = "2.0",
                                         .lines = kWarriorLines,
                                         .levelRefreshOrder = kWarriorRefresh,
                                         .maximaOrder = kWarriorMaxima};
constinit const ClassDefinition kThane{.listName = "Thane",
                                       .realm = Realm::Midgard,
                                       .titleCaption = "Thane",
                                       .pointsRule = {2.0},
                                       .pointsPerLevelCaption = "Points/Level:",
                                       .pointsPerLevelText = "2.0",
                                       .lines = kThaneLines,
                                       .levelRefreshOrder = kThaneRefresh};

}  // namespace vantrell::catalog::classes

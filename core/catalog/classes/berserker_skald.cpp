// Midgard's berserker and skald: no slider passes the character level, and the
// last line carries a fixed text in place of a table.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_lines.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kBerserkerLines[] = {
    kMidgardSwords,
    kMidgardAxes,
    kMidgardHammers,
    WeaponLine("Parry", "Parry", colour::kDarkRed, "Parry styles 1->"),
    OpenOrClosedLine("LeftAxe", "Left Axe", colour::kBlack),
};
constexpr std::string_view kBerserkerRefresh[] = {"Swords", "Axes", "Parry", "Hammers", "LeftAxe"};

constexpr SpecLineDefinition kSkaldLines[] = {
    kMidgardSwords,
    kMidgardAxes,
    kMidgardHammers,
    kMidgardParryWithoutStyles,
    OpenOrClosedLine("Battlesongs", "Battlesongs", colour::kBlack),
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

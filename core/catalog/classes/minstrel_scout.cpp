// Albion minstrel and scout: hybrids whose weapon lines are held to half the character level.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_lines.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kMinstrelLines[] = {
    kAlbionHalfSlashing,
    kAlbionHalfThrusting,
    WeaponLine("Stealth", "Stealth", colour::kDarkGrey, "Stealth Wield styles 1->"),
    OpensAt(10, OpenOrClosedLine("Instruments", "Instruments", colour::kDarkRed)),
};

constexpr SpecLineDefinition kScoutLines[] = {
    kAlbionHalfSlashing,
    kAlbionHalfThrusting,
    SkillLine("Long", "Long Bows", colour::kDarkGrey),
    WeaponLine("Shields", "Shields", colour::kDarkRed, "Shields styles 1->", nullptr, LineCap::HalfCharacterLevel),
    OpensAt(10, OpenOrClosedLine("Stealth", "Stealth", colour::kBlack)),
};

// Shields is refreshed before Long Bows, so a smaller budget is cut from Shields first; the maxima
// still follow the screen.
constexpr std::string_view kScoutRefresh[] = {"Slashing", "Thrusting", "Shields", "Long", "Stealth"};

}  // namespace

constinit const ClassDefinition kMinstrel{.listName = "Minstrel",
                                          .realm = Realm::Albion,
                                          .titleCaption = "Minstrel",
                                          .pointsRule = {1.5},
                                          .pointsPerLevelCaption = "Points/Level:",
                                          .pointsPerLevelText = "1.5",
                                          .lines = kMinstrelLines};
constinit const ClassDefinition kScout{.listName = "Scout",
                                       .realm = Realm::Albion,
                                       .titleCaption = "Scout",
                                       .pointsRule = {2.0},
                                       .pointsPerLevelCaption = "Points/Level:",
                                       .pointsPerLevelText = "2.0",
                                       .lines = kScoutLines,
                                       .levelRefreshOrder = kScoutRefresh};

}  // namespace vantrell::catalog::classes

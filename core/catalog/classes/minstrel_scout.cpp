// Albion minstrel and scout: hybrids whose weapon lines are held to half the character level.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_lines.h"
#include "core/catalog/style_schedules.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kMinstrelLines[] = {
    kAlbionHalfSlashing,
    kAlbionHalfThrusting,
    {.stem = "Stealth",
     .caption = "Stealth",
     .captionColour = colour::kDarkGrey,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Stealth Wield styles 1->"),
     .cap = LineCap::CharacterLevel},
    {.stem = "Instruments",
     .caption = "Instruments",
     .captionColour = colour::kDarkRed,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel,
     .availableFromLevel = 10,
     .availableText = "Instruments"},
};

constexpr SpecLineDefinition kScoutLines[] = {
    kAlbionHalfSlashing,
    kAlbionHalfThrusting,
    {.stem = "Long",
     .caption = "Long Bows",
     .captionColour = colour::kDarkGrey,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel},
    {.stem = "Shields",
     .caption = "Shields",
     .captionColour = colour::kDarkRed,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Shields styles 1->"),
     .cap = LineCap::HalfCharacterLevel},
    {.stem = "Stealth",
     .caption = "Stealth",
     .captionColour = colour::kBlack,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel,
     .availableFromLevel = 10,
     .availableText = "Stealth"},
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

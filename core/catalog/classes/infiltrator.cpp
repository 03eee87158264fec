// Albion infiltrator: half-level weapon lines, a stealth and a critical-strike line, and Envenom from
// character level 10.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_lines.h"
#include "core/catalog/style_schedules.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kInfiltratorLines[] = {
    kAlbionHalfSlashing,
    kAlbionHalfThrusting,
    {.stem = "Stealth",
     .caption = "Stealth",
     .captionColour = colour::kDarkGreen,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel},
    {.stem = "Critical",
     .caption = "Critical Strike",
     .captionColour = colour::kDarkGrey,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = ShieldStyles("Criticals styles 1->"),
     .cap = LineCap::CharacterLevel},
    {.stem = "Dual",
     .caption = "Dual Wield",
     .captionColour = colour::kDarkRed,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = WeaponStyles("Dual Wield styles 1->"),
     .cap = LineCap::HalfCharacterLevel},
    {.stem = "Envenom",
     .caption = "Envenom",
     .captionColour = colour::kBlack,
     .abilitiesKind = AbilitiesKind::Skills,
     .cap = LineCap::CharacterLevel,
     .availableFromLevel = 10,
     .availableText = "Envenom"},
};

// Maxima follow this order too: when a lower character level caps several lines, the first of them here is
// cut first and absorbs any shortfall.
constexpr std::string_view kInfiltratorRefresh[] = {"Slashing", "Stealth", "Thrusting", "Dual", "Critical", "Envenom"};

}  // namespace

constinit const ClassDefinition kInfiltrator{.listName = "Infiltrator",
                                             .realm = Realm::Albion,
                                             .titleCaption = "Infiltrator",
                                             .pointsRule = {2.0},
                                             .pointsPerLevelCaption = "Points/Level:",
                                             .pointsPerLevelText = "2.0",
                                             .lines = kInfiltratorLines,
                                             .levelRefreshOrder = kInfiltratorRefresh,
                                             .maximaOrder = kInfiltratorRefresh};

}  // namespace vantrell::catalog::classes

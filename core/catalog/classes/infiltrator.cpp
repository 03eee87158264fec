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
    SkillLine("Stealth", "Stealth", colour::kDarkGreen),
    {.stem = "Critical",
     .caption = "Critical Strike",
     .captionColour = colour::kDarkGrey,
     .abilitiesKind = AbilitiesKind::Skills,
     .styles = ShieldStyles("Criticals styles 1->"),
     .cap = LineCap::CharacterLevel},
    WeaponLine("Dual", "Dual Wield", colour::kDarkRed, "Dual Wield styles 1->", nullptr, LineCap::HalfCharacterLevel),
    OpensAt(10, OpenOrClosedLine("Envenom", "Envenom", colour::kBlack)),
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

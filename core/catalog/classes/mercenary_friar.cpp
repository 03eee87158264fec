// Albion mercenary and friar: a factor-2 fighter and a factor-1 staff, spell and parry hybrid, each
// with lines that open only from a character level.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_lines.h"
#include "core/catalog/style_schedules.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kMercenaryLines[] = {
    kAlbionSlashing,
    kAlbionCrushing,
    kAlbionThrusting,
    kAlbionShield,
    OpensAt(10, WeaponLine("Dual", "Dual Wield", colour::kDarkRed, "Dual Wield styles 1->")),
    ParryLine(17),
};

// Maxima follow this order too: when a lower character level caps several lines, the first of them here is
// cut first and absorbs any shortfall.
constexpr std::string_view kMercenaryRefresh[] = {"Slashing", "Crushing", "Thrusting", "Dual", "Shield", "Parry"};

constexpr SpecLineDefinition kFriarLines[] = {
    {.stem = "Quarterstaves",
     .caption = "Quarterstaves",
     .captionColour = colour::kBlue,
     .abilitiesKind = AbilitiesKind::Spells,
     .styles = WeaponStyles("Quarterstaves styles 1->"),
     .cap = LineCap::CharacterLevel},
    {.stem = "Rejuvenation",
     .caption = "Rejuvenation",
     .captionColour = colour::kDarkGreen,
     .abilitiesKind = AbilitiesKind::Spells,
     .cap = LineCap::CharacterLevel},
    {.stem = "Enhance",
     .caption = "Enhance",
     .captionColour = colour::kMaroon,
     .abilitiesKind = AbilitiesKind::Styles,
     .cap = LineCap::CharacterLevel},
    HybridParryLine(10),
};

// Maxima follow this order too: when a lower character level caps several lines, the first of them here is
// cut first and absorbs any shortfall.
constexpr std::string_view kFriarRefresh[] = {"Quarterstaves", "Rejuvenation", "Parry", "Enhance"};

}  // namespace

constinit const ClassDefinition kMercenary{.listName = "Mercenary",
                                           .realm = Realm::Albion,
                                           .titleCaption = "Mercenary",
                                           .pointsRule = {2.0},
                                           .pointsPerLevelCaption = "Points/Level:",
                                           .pointsPerLevelText = "2.0",
                                           .lines = kMercenaryLines,
                                           .levelRefreshOrder = kMercenaryRefresh,
                                           .maximaOrder = kMercenaryRefresh};
constinit const ClassDefinition kFriar{.listName = "Friar",
                                       .realm = Realm::Albion,
                                       .titleCaption = "Friar",
                                       .pointsRule = {1.0},
                                       .pointsPerLevelCaption = "Points/Level:",
                                       .pointsPerLevelText = "1",
                                       .lines = kFriarLines,
                                       .levelRefreshOrder = kFriarRefresh,
                                       .maximaOrder = kFriarRefresh,
                                       .statsFrameStartsDisabled = true};

}  // namespace vantrell::catalog::classes

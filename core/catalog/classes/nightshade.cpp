// The Nightshade: weapon lines held to half the character level, Parry closed until level 10.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_explanations.h"
#include "core/catalog/classes/shared_lines.h"

namespace vantrell::catalog::classes {
namespace {

constexpr DescriptionMessage kNightshadeBlades{"Nightshade - Blades", kBladesBody};
constexpr DescriptionMessage kNightshadePiercing{"Nightshade - Piercing", kPiercingBody};

constexpr std::string_view kNightshadeCriticalStrikesBody[] = {
    "Critical Strike is your skill performing a special combat maneuver.",
    "The styles you recieve with higher Critical Strike skill enable you to achieve high bonus damage.",
    "Some skills need to be executed after another specific style is successful, or while hidden, or from behind the enemy.",
};
constexpr DescriptionMessage kNightshadeCriticalStrikes{"Nightshade - Critical Strikes",
                                                        kNightshadeCriticalStrikesBody};

constexpr DescriptionMessage kNightshadeCelticDual{"Nightshade - Celtic Dual", kCelticDualBody};

constexpr SpecLineDefinition kNightshadeLines[] = {
    SkillLine("Stealth", "Stealth / Distractions", colour::kBlue),
    WeaponLine("Blades", "Blades", colour::kDarkGreen, "Blades styles 1->", &kNightshadeBlades,
               LineCap::HalfCharacterLevel),
    WeaponLine("Pierce", "Piercing", colour::kPurple, "Piercing styles 1->", &kNightshadePiercing,
               LineCap::HalfCharacterLevel),
    WeaponLine("Critical", "Critical Strike", colour::kMaroon, "Critical Strike styles 1->",
               &kNightshadeCriticalStrikes),
    SkillLine("Envenom", "Envenom", colour::kDarkRed),
    WeaponLine("Celtic", "Celtic Dual", colour::kBlack, "Celtic Dual styles 1->", &kNightshadeCelticDual,
               LineCap::HalfCharacterLevel),
    ParryLine(10, LineCap::HalfCharacterLevel),
};

// Piercing is cut right after Blades, the other one-handed weapon line held to half the level;
// it must be refreshed like every other line, or its percentage would keep the old total.
constexpr std::string_view kNightshadeRefresh[] = {"Blades",  "Pierce", "Envenom", "Critical",
                                                   "Stealth", "Celtic", "Parry"};

}  // namespace

constinit const ClassDefinition kNightshade{.listName = "Nightshade",
                                            .realm = Realm::Hibernia,
                                            .titleCaption = "Nightshade",
                                            .pointsRule = {2.0},
                                            .pointsPerLevelCaption = "Points/Level:",
                                            .pointsPerLevelText = "2.0",
                                            .lines = kNightshadeLines,
                                            .levelRefreshOrder = kNightshadeRefresh};

}  // namespace vantrell::catalog::classes

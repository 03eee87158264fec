// Midgard's shadowblade and hunter: their sword and axe lines stop at half the
// character level, and several lines carry no abilities text at all.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_lines.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition kShadowbladeLines[] = {
    kMidgardHalfSwords,
    WeaponLine("Axes", "Axes", colour::kPurple, "Axes styles 1->", nullptr, LineCap::HalfCharacterLevel),
    kMidgardStealth,
    SkillLine("Critical", "Critical Strike", colour::kMaroon),
    SkillLine("Envenom", "Envenom", colour::kDarkRed),
    OpenOrClosedLine("LeftAxe", "Left Axe", colour::kBlack, LineCap::HalfCharacterLevel),
};
constexpr std::string_view kShadowbladeMaxima[] = {"Swords", "Axes", "Critical", "Envenom", "Stealth", "LeftAxe"};

constexpr SpecLineDefinition kHunterLines[] = {
    kMidgardHalfSwords,
    SkillLine("Composite", "Composite Bows", colour::kPurple),
    SkillLine("Spears", "Spears", colour::kDarkGrey),
    kMidgardStealth,
    OpenOrClosedLine("Beastcraft", "Beastcraft", colour::kBlack),
};
constexpr std::string_view kHunterRefresh[] = {"Swords", "Composite", "Stealth", "Spears", "Beastcraft"};

}  // namespace

constinit const ClassDefinition kShadowblade{.listName = "Shadowblade",
                                             .realm = Realm::Midgard,
                                             .titleCaption = "Shadowblade",
                                             .pointsRule = {2.0},
                                             .pointsPerLevelCaption = "Points/Level:",
                                             .pointsPerLevelText = "2.0",
                                             .lines = kShadowbladeLines,
                                             .maximaOrder = kShadowbladeMaxima};
constinit const ClassDefinition kHunter{.listName = "Hunter",
                                        .realm = Realm::Midgard,
                                        .titleCaption = "Hunter",
                                        .pointsRule = {2.0},
                                        .pointsPerLevelCaption = "Points/Level:",
                                        .pointsPerLevelText = "2.0",
                                        .lines = kHunterLines,
                                        .levelRefreshOrder = kHunterRefresh};

}  // namespace vantrell::catalog::classes

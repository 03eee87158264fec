// The Hero: every line a style line, with large weapons closed until level 10.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_explanations.h"
#include "core/catalog/classes/shared_lines.h"

namespace vantrell::catalog::classes {
namespace {

constexpr DescriptionMessage kHeroBlades{"Hero - Blades", kBladesBody};
constexpr DescriptionMessage kHeroBlunts{"Hero - Blunts", kBluntsBody};
constexpr DescriptionMessage kHeroPiercing{"Hero - Piercing", kPiercingBody};

constexpr std::string_view kHeroCelticSpearsBody[] = {
    "Celtic Spears is your skill wielding a Celtic Spear.",
    "The styles you recieve with higher Celtic Spear skill enable you to achieve high bonus damage.",
    "Some skills need to be executed after another specific style is successful, or behind the target, etc.",
};
constexpr DescriptionMessage kHeroCelticSpears{"Hero - Celtic Spears", kHeroCelticSpearsBody};
constexpr DescriptionMessage kHeroLargeWeapons{"Hero - Large Weapons", kLargeWeaponsBody};
constexpr DescriptionMessage kHeroShield{"Hero - Shield", kShieldBody};

constexpr SpecLineDefinition kHeroLines[] = {
    WeaponLine("Blades", "Blades", colour::kBlue, "Blades styles 1->", &kHeroBlades),
    WeaponLine("Blunts", "Blunts", colour::kDarkGreen, "Blunts styles 1->", &kHeroBlunts),
    WeaponLine("Pierce", "Piercing", colour::kPurple, "Piercing styles 1->", &kHeroPiercing),
    WeaponLine("Spear", "Celtic Spears", colour::kMaroon, "Celtic Spear styles 1->", &kHeroCelticSpears),
    OpensAt(10, WeaponLine("Large", "Lg Weapons", colour::kDarkRed, "Large Weapons styles 1->", &kHeroLargeWeapons)),
    ShieldLine(colour::kDarkGrey, &kHeroShield),
    ParryLine(),
};

}  // namespace

constinit const ClassDefinition kHero{.listName = "Hero",
                                      .realm = Realm::Hibernia,
                                      .titleCaption = "Hero",
                                      .pointsRule = {2.0},
                                      .pointsPerLevelCaption = "Points/Level:",
                                      .pointsPerLevelText = "2.0",
                                      .lines = kHeroLines};

}  // namespace vantrell::catalog::classes

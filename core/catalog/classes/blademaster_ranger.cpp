// The two Celtic Dual classes; Celtic Dual stays closed until level 10 in both.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_explanations.h"
#include "core/catalog/classes/shared_lines.h"

#include "core/catalog/band_rules.h"

namespace vantrell::catalog::classes {
namespace {

constexpr AbilityBand kPathfindingBands[] = {
    {2, 2, "Determination(1)"},
    {3, 3, "Determination(1), Vigorous Will(1)"},
    {4, 4, "Perserverance(2), Vigorous Will(1)"},
    {5, 5, "Perserverance(2), Vigorous Will(1), Piercing Strike(1)"},
    {6, 6, "Perserverance(2), Vigorous Will(1), Piercing Strike(1), Sharpened Senses(1)"},
    {7, 7, "Perserverance(2), Strength of Will(2), Piercing Strike(1), Sharpened Senses(1)"},
    {8, 8, "Self Control(3), Strength of Will(2), Piercing Strike(1), Sharpened Senses(1)"},
    {9, 9, "Self Control(3), Strength of Will(2), Piercing Strike(1), Sharpened Senses(1), Forest Shadow(1)"},
    {10, 10, "Self Control(3), Strength of Will(2), Incisive Strike(2), Sharpened Senses(1), Forest Shadow(1)"},
    {11, 11, "Iron Will(4), Strength of Will(2), Incisive Strike(2), Sharpened Senses(1), Forest Shadow(1)"},
    {12, 12, "Iron Will(4), Strength of Will(2), Incisive Strike(2), Keen Sight(2), Forest Shadow(1)"},
    {13, 13, "Iron Will(4), Fortification of Will(3), Incisive Strike(2), Keen Sight(2), Forest Shadow(1)"},
    {14, 14, "Resolution(5), Fortification of Will(3), Incisive Strike(2), Keen Sight(2), Forest Shadow(1)"},
    {15, 15, "Resolution(5), Fortification of Will(3), Cutting Strike(3), Keen Sight(2), Forest Shadow(1)"},
    {16, 17, "Resolution(5), Fortification of Will(3), Cutting Strike(3), Keen Sight(2), Greater Forest Shadow(2)"},
    {18, 18, "Devotion(6), Fortification of Will(3), Cutting Strike(3), Keen Sight(2), Greater Forest Shadow(2)"},
    {19, 19, "Devotion(6), Fortification of Will(3), Cutting Strike(3), Enhanced Senses(3), Greater Forest Shadow(2)"},
    {20, 20, "Devotion(6), Focus of Will(4), Cutting Strike(3), Enhanced Senses(3), Greater Forest Shadow(2)"},
    {21, 22, "Devotion(6), Focus of Will(4), Sharpened Strike(4), Enhanced Senses(3), Greater Forest Shadow(2)"},
    {23, 24, "Steel Mind(7), Focus of Will(4), Sharpened Strike(4), Enhanced Senses(3), Greater Forest Shadow(2)"},
    {25, 26, "Steel Mind(7), Focus of Will(4), Sharpened Strike(4), Enhanced Senses(3), Forest Spirit(3)"},
    {27, 28, "Steel Mind(7), Focus of Will(4), Precision Strike(5), Enhanced Senses(3), Forest Spirit(3)"},
    {29, 29, "Steel Mind(7), Focus of Will(4), Precision Strike(5), Honed Reflexes(4), Forest Spirit(3)"},
    {30, 30, "Steel Mind(7), Power of Will(5), Precision Strike(5), Honed Reflexes(4), Forest Spirit(3)"},
    {31, 33, "Inner Strength(8), Power of Will(5), Precision Strike(5), Honed Reflexes(4), Forest Spirit(3)"},
    {34, 35, "Inner Strength(8), Power of Will(5), Precision Strike(5), Honed Reflexes(4), Greater Forest Spirit(4)"},
    {36, 38, "Inner Strength(8), Power of Will(5), Unerring Strike(6), Honed Reflexes(4), Greater Forest Spirit(4)"},
    {39, 39, "Inner Strength(8), Force of Will(6), Unerring Strike(6), Honed Reflexes(4), Greater Forest Spirit(4)"},
    {40, 41,
     "Inner Strength(8), Force of Will(6), Unerring Strike(6), Superior Coordination(5), Greater Forest Spirit(4)"},
    {42, 42,
     "Invincibility(9), Force of Will(6), Unerring Strike(6), Superior Coordination(5), Greater Forest Spirit(4)"},
    {43, 45, "Invincibility(9), Force of Will(6), Unerring Strike(6), Superior Coordination(5), Forest Phantom(5)"},
    {46, 47, "Invincibility(9), Force of Will(6), Perfect Strike(7), Superior Coordination(5), Forest Phantom(5)"},
    {48, 49, "Invincibility(9), Force of Will(6), Perfect Strike(7), Perfect Acuity(6), Forest Phantom(5)"},
    {50, std::nullopt, "Invincibility(9), Sovereign Will(7), Perfect Strike(7), Perfect Acuity(6), Forest Phantom(5)"},
};
static_assert(BandsAscending<AbilityBand>(kPathfindingBands));

constexpr DescriptionMessage kBlademasterBlades{"Blademaster - Blades", kBladesBody};
constexpr DescriptionMessage kBlademasterBlunts{"Blademaster - Blunts", kBluntsBody};
constexpr DescriptionMessage kBlademasterPiercing{"Blademaster - Piercing", kPiercingBody};
constexpr DescriptionMessage kBlademasterCelticDual{"Blademaster - Celtic Dual", kCelticDualBody};
constexpr DescriptionMessage kBlademasterShield{"Blademaster - Shield", kShieldBody};

constexpr SpecLineDefinition kBlademasterLines[] = {
    WeaponLine("Blades", "Blades", colour::kBlue, "Blades styles 1->", &kBlademasterBlades),
    WeaponLine("Blunts", "Blunts", colour::kDarkGreen, "Blunts styles 1->", &kBlademasterBlunts),
    WeaponLine("Pierce", "Piercing", colour::kPurple, "Piercing styles 1->", &kBlademasterPiercing),
    OpensAt(10,
            WeaponLine("Celtic", "Celtic Dual", colour::kMaroon, "Celtic Dual styles 1->", &kBlademasterCelticDual)),
    ShieldLine(colour::kDarkRed, &kBlademasterShield),
    ParryLine(),
};

constexpr std::string_view kRangerPathfindingBody[] = {
    "'Determination/Iron Will/Steel Mind/etc' strSpells are self-only armor factor buffs",
    "'Will' strSpells are self-only strength buffs",
    "'Strike' strSpells are self-only damage adding buffs",
    "'Senses/Sight/Reflexes/etc' strSpells are self-only dexterity/quickness buffs",
    "'Forest' strSpells are self-only short-duration running speed buffs on a 10 min timer",
};
constexpr DescriptionMessage kRangerPathfinding{"Ranger - Pathfinding", kRangerPathfindingBody};
constexpr DescriptionMessage kRangerBlades{"Ranger - Blades", kBladesBody};
constexpr DescriptionMessage kRangerPiercing{"Ranger - Piercing", kPiercingBody};
constexpr DescriptionMessage kRangerCelticDual{"Ranger - Celtic Dual", kCelticDualBody};

constexpr SpecLineDefinition kRangerLines[] = {
    {.stem = "Pathfinding",
     .caption = "Pathfinding",
     .captionColour = colour::kBlue,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .bands = kPathfindingBands,
     .description = &kRangerPathfinding,
     .cap = LineCap::CharacterLevel},
    WeaponLine("Blades", "Blades", colour::kDarkGreen, "Blades styles 1->", &kRangerBlades,
               LineCap::HalfCharacterLevel),
    WeaponLine("Pierce", "Piercing", colour::kPurple, "Piercing styles 1->", &kRangerPiercing,
               LineCap::HalfCharacterLevel),
    SkillLine("Recurve", "Recurve Bows", colour::kMaroon),
    SkillLine("Stealth", "Stealth", colour::kDarkRed),
    OpensAt(10, WeaponLine("Celtic", "Celtic Dual", colour::kBlack, "Celtic Dual styles 1->", &kRangerCelticDual,
                           LineCap::HalfCharacterLevel)),
};

// Piercing is cut right after Blades, the other one-handed weapon line held to half the level;
// it must be refreshed like every other line, or its percentage would keep the old total.
constexpr std::string_view kRangerRefresh[] = {"Blades", "Pierce", "Pathfinding", "Recurve", "Stealth", "Celtic"};

}  // namespace

constinit const ClassDefinition kBlademaster{.listName = "Blademaster",
                                             .realm = Realm::Hibernia,
                                             .titleCaption = "Blademaster",
                                             .pointsRule = {2.0},
                                             .pointsPerLevelCaption = "Points/Level:",
                                             .pointsPerLevelText = "2.0",
                                             .lines = kBlademasterLines};

constinit const ClassDefinition kRanger{.listName = "Ranger",
                                        .realm = Realm::Hibernia,
                                        .titleCaption = "Ranger",
                                        .pointsRule = {2.0},
                                        .pointsPerLevelCaption = "Points/Level:",
                                        .pointsPerLevelText = "2.0",
                                        .lines = kRangerLines,
                                        .levelRefreshOrder = kRangerRefresh};

}  // namespace vantrell::catalog::classes

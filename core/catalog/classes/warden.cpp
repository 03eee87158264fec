// A hybrid like the Bard, with a Parry line that only opens at character level 15.
#include "core/catalog/band_rules.h"
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_explanations.h"
#include "core/catalog/classes/shared_lines.h"

namespace vantrell::catalog::classes {
namespace {

constexpr AbilityBand kWardenRegrowthBands[] = {
    {2, 4, "Attack Unending(1)"},
    {5, 5, "Attack Unending(1), Major Resurgance(1)"},
    {6, 7, "Attack Unending(1), Major Resurgance(1), Solar Conversion(1)"},
    {8, 10, "Attack Unending(1), Major Revival(2), Solar Conversion(1)"},
    {11, 11, "Attack Unending(1), Major Regeneration(3), Solar Conversion(1)"},
    {12, 13, "Attack Unfading(2), Major Regeneration(3), Solar Conversion(1)"},
    {14, 14, "Attack Unfading(2), Major Regeneration(3), Solar Absorbtion(2)"},
    {15, 15, "Attack Unfading(2), Major Regrowth(4), Solar Absorbtion(2)"},
    {16, 19, "Attack Unfading(2), Major Regrowth(4), Solar Absorbtion(2), Lesser Reconsitution(1)"},
    {20, 21, "Attack Unfading(2), Major Restoration(5), Solar Absorbtion(2), Lesser Reconsitution(1)"},
    {22, 24, "Attack Perpetual(3), Major Restoration(5), Solar Absorbtion(2), Lesser Reconsitution(1)"},
    {25, 25, "Attack Perpetual(3), Major Restoration(5), Solar Regeneration(3), Lesser Reconsitution(1)"},
    {26, 31, "Attack Perpetual(3), Major Resuscitation(6), Solar Regeneration(3), Lesser Reconsitution(1)"},
    {32, 32, "Attack Unceasing(4), Major Resuscitation(6), Solar Regeneration(3), Lesser Reconsitution(1)"},
    {33, 34, "Attack Unceasing(4), Major Renascence(7), Solar Regeneration(3), Lesser Reconsitution(1)"},
    {35, 41, "Attack Unceasing(4), Major Renascence(7), Solar Regrowth(4), Lesser Reconsitution(1)"},
    {42, 44, "Attack Uninterrupted(5), Major Apotheosis(8), Solar Regrowth(4), Lesser Reconsitution(1)"},
    {45, std::nullopt, "Attack Uninterrupted(5), Major Apotheosis(8), Solar Resuscitation(5), Lesser Reconsitution(1)"},
};
static_assert(BandsAscending<AbilityBand>(kWardenRegrowthBands));

constexpr AbilityBand kWardenNurturingBands[] = {
    {2, 2, "Nature's Ward(1)"},
    {3, 3, "Nature's Ward(1), Ferocity of Nature(1)"},
    {4, 4, "Nature's Ward(1), Ferocity of Nature(1), Guardian's Encouragment(1)"},
    {5, 7, "Nature's Ward(1), Ferocity of Nature(1), Guardian's Encouragment(1), Nature's Revenge(1)"},
    {8, 8, "Nature's Ward(1), Rage of Nature(2), Guardian's Encouragment(1), Nature's Revenge(1)"},
    {9, 9, "Nature's Ward(1), Rage of Nature(2), Guardian's Encouragment(1), Nature's Vendetta(2)"},
    {10, 12, "Nature's Fend(2), Rage of Nature(2), Guardian's Encouragment(1), Nature's Vendetta(2)"},
    {13, 13, "Nature's Fend(2), Fury of Nature(3), Guardian's Encouragment(1), Nature's Vendetta(2)"},
    {14, 14, "Nature's Fend(2), Fury of Nature(3), Guardian's Encouragment(1), Nature's Vengeance(3)"},
    {15, 17, "Nature's Fend(2), Fury of Nature(3), Benefactor's Encouragment(2), Nature's Vengeance(3)"},
    {18, 18, "Nature's Shield(3), Fury of Nature(3), Benefactor's Encouragment(2), Nature's Vengeance(3)"},
    {19, 20, "Nature's Shield(3), Fury of Nature(3), Benefactor's Encouragment(2), Nature's Retalliation(4)"},
    {21, 23, "Nature's Shield(3), Anger of Nature(4), Benefactor's Encouragment(2), Nature's Retalliation(4)"},
    {24, 24, "Nature's Shield(3), Anger of Nature(4), Protector's Encouragment(3), Nature's Retalliation(4)"},
    {25, 25, "Nature's Shield(3), Anger of Nature(4), Protector's Encouragment(3), Nature's Retribution(5)"},
    {26, 29, "Nature's Guard(4), Anger of Nature(4), Protector's Encouragment(3), Nature's Retribution(5)"},
    {30, 33, "Nature's Guard(4), Hostility of Nature(5), Protector's Encouragment(3), Nature's Retribution(5)"},
    {34, 34, "Nature's Guard(4), Hostility of Nature(5), Warden's Encouragment(4), Nature's Retribution(5)"},
    {35, 35, "Nature's Guard(4), Hostility of Nature(5), Warden's Encouragment(4), Nature's Feud(6)"},
    {36, 37, "Nature's Barrier(5), Hostility of Nature(5), Warden's Encouragment(4), Nature's Feud(6)"},
    {38, 43, "Nature's Barrier(5), Aggression of Nature(6), Warden's Encouragment(4), Nature's Feud(6)"},
    {44, 44, "Nature's Barrier(5), Aggression of Nature(6), Paragon's Encouragment(5), Nature's Feud(6)"},
    {45, 45, "Nature's Wall(6), Aggression of Nature(6), Paragon's Encouragment(5), Nature's Feud(6)"},
    {46, 46, "Nature's Wall(6), Aggression of Nature(6), Paragon's Encouragment(5), Nature's Reckoning(7)"},
    {47, std::nullopt, "Nature's Wall(6), Reckoning of Nature(7), Paragon's Encouragment(5), Nature's Reckoning(7)"},
};
static_assert(BandsAscending<AbilityBand>(kWardenNurturingBands));

constexpr std::string_view kWardenRegrowthBody[] = {
    "'Attack' strSpells are self only fatigue regen",
    "'Major' strSpells are large heals",
    "'Solar' strSpells are self-only health regeneration",
};
constexpr DescriptionMessage kWardenRegrowth{"Warden - Regrowth", kWardenRegrowthBody};

constexpr std::string_view kWardenNurturingBody[] = {
    "'Nature's Ward/Shield/Wall/etc' strSpells fully absorb a single hit",
    "'of Nature' strSpells are self-only haste buffs",
    "'Encouragement' strSpells are group running speed buffs",
    "'Nature's Revenge/Vengeance/Feud/etc' strSpells are group damage-adding songs",
};
constexpr DescriptionMessage kWardenNurturing{"Warden - Nurturing", kWardenNurturingBody};
constexpr DescriptionMessage kWardenBlades{"Warden - Blades", kBladesBody};
constexpr DescriptionMessage kWardenBlunts{"Warden - Blunts", kBluntsBody};

// The window names the level, points and percent labels with short stems ("Reg",
// "Nur", "Bla", "Blu"); only the spell lines' abilities labels follow them.
constexpr SpecLineDefinition kWardenLines[] = {
    SpellLine("Regrowth", "Regrowth", colour::kBlue, kWardenRegrowthBands, kWardenRegrowth, LineCap::CharacterLevel),
    SpellLine("Nurturing", "Nurturing", colour::kDarkGreen, kWardenNurturingBands, kWardenNurturing,
              LineCap::CharacterLevel),
    HybridParryLine(15),
    HybridWeaponLine("Blades", "Blades", colour::kMaroon, "Blades styles 1->", kWardenBlades),
    HybridWeaponLine("Blunts", "Blunts", colour::kDarkRed, "Blunts styles 1->", kWardenBlunts),
};

}  // namespace

constinit const ClassDefinition kWarden{.listName = "Warden",
                                        .realm = Realm::Hibernia,
                                        .titleCaption = "Warden",
                                        .pointsRule = {1.5},
                                        .pointsPerLevelCaption = "Points/Level:",
                                        .pointsPerLevelText = "1.5",
                                        .lines = kWardenLines};

}  // namespace vantrell::catalog::classes

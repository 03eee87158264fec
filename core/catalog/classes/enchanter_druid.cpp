// The other two Hibernian casters on the generic planner: factor 1, no caps, every line explained.
#include "core/catalog/band_rules.h"
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_lines.h"

namespace vantrell::catalog::classes {
namespace {

constexpr AbilityBand kEnchanterBedazzlingBands[] = {
    {2, 4, "Misleading Rapture(1)"},
    {5, 6, "Delusional Rapture(2)"},
    {7, 7, "Delusional Rapture(2), Distracting Scintillation(1)"},
    {8, 11, "Mystifying Rapture(3), Distracting Scintillation(1)"},
    {12, 13, "Duplicitous Rapture(4), Distracting Scintillation(1)"},
    {14, 15, "Duplicitous Rapture(4), Soporific Scintillation(2)"},
    {16, 19, "Illusory Rapture(5), Soporific Scintillation(2)"},
    {20, 21, "Illusory Rapture(5), Blinding Scintillation(3)"},
    {22, 26, "Deceiving Rapture(6), Blinding Scintillation(3)"},
    {27, 27, "Deceiving Rapture(6), Disturbing Scintillation(5)"},
    {28, 34, "Beguiling Rapture(7), Disturbing Scintillation(5)"},
    {35, 35, "Phantom Rapture(8), Disturbing Scintillation(5)"},
    {36, 44, "Phantom Rapture(8), Perturbing Scintillation(6)"},
    {45, 47, "Insidious Rapture(9), Perturbing Scintillation(6)"},
    {48, std::nullopt, "Insidious Rapture(9), Agitating Scintillation(7)"},
};
static_assert(BandsAscending<AbilityBand>(kEnchanterBedazzlingBands));

constexpr AbilityBand kEnchanterEmpoweringBands[] = {
    {2, 4, "Aura of Echoing(1)"},
    {5, 5, "Aura of Echoing(1), Lesser Effervescence(1)"},
    {6, 6, "Greater Aura of Echoing(2), Lesser Effervescence(1)"},
    {7, 8, "Greater Aura of Echoing(2), Lesser Effervescence(1), Disenchanting Emanation(1)"},
    {9, 10, "Aura of Reflection(3), Lesser Effervescence(1), Disenchanting Emanation(1)"},
    {11, 13, "Aura of Reflection(3), Lesser Effervescence(1), Disenchanting Emanation(2)"},
    {14, 14, "Greater Aura of Reflection(4), Lesser Effervescence(1), Disenchanting Emanation(2)"},
    {15, 19, "Greater Aura of Reflection(4), Effervescence(2), Disenchanting Discharge(3)"},
    {20, 21, "Greater Aura of Reflection(4), Effervescence(2), Disenchanting Discharge(4)"},
    {22, 24, "Aura of Resonation(5), Effervescence(2), Disenchanting Discharge(4)"},
    {25, 25, "Aura of Resonation(5), Greater Effervescence(3), Disenchanting Discharge(4)"},
    {26, 29, "Aura of Resonation(5), Greater Effervescence(3), Disenchanting Burst(5)"},
    {30, 31, "Greater Aura of Resonation(6), Greater Effervescence(3), Disenchanting Burst(5)"},
    {32, 34, "Greater Aura of Resonation(6), Greater Effervescence(3), Disenchanting Burst(6)"},
    {35, 38, "Greater Aura of Resonation(6), Superior Effervescence(4), Disenchanting Burst(6)"},
    {39, 39, "Greater Aura of Resonation(6), Superior Effervescence(4), Disenchanting Eruption(7)"},
    {40, 44, "Aura of Reverberation(7), Superior Effervescence(4), Disenchanting Eruption(7)"},
    {45, 47, "Aura of Reverberation(7), Maximum Effervescence(5), Disenchanting Eruption(7)"},
    {48, 49, "Aura of Reverberation(7), Maximum Effervescence(5), Disenchanting Eruption(8)"},
    {50, std::nullopt, "Greater Aura of Reverberation(8), Maximum Effervescence(5), Disenchanting Eruption(8)"},
};
static_assert(BandsAscending<AbilityBand>(kEnchanterEmpoweringBands));

constexpr AbilityBand kEnchanterEnchantmentBands[] = {
    {1, 2, "Craftiness(1)"},
    {3, 3, "Craftiness(1), Strength of the Underhill(1)"},
    {4, 4, "Craftiness(1), Strength of the Underhill(1), Twinkling Arms(1)"},
    {5, 6, "Subtlety(2), Strength of the Underhill(1), Twinkling Arms(1)"},
    {7, 7, "Subtlety(2), Vigor of the Underhill(2), Twinkling Arms(1)"},
    {8, 8, "Subtlety(2), Vigor of the Underhill(2), Glossed Arms(2)"},
    {9, 10, "Cunning(3), Vigor of the Underhill(2), Glossed Arms(2)"},
    {11, 11, "Cunning(3), Vigor of the Underhill(2), Shining Arms(3)"},
    {12, 12, "Cunning(3), Zest of the Underhill(3), Shining Arms(3)"},
    {13, 14, "Slyness(4), Zest of the Underhill(3), Shining Arms(3)"},
    {15, 17, "Slyness(4), Zest of the Underhill(3), Shimmering Arms(4)"},
    {18, 18, "Slyness(4), Power of the Underhill(4), Shimmering Arms(4)"},
    {19, 19, "Trickiness(5), Power of the Underhill(4), Shimmering Arms(4)"},
    {20, 23, "Trickiness(5), Power of the Underhill(4), Glowing Arms(5)"},
    {24, 24, "Trickiness(5), Vim of the Underhill(5), Glowing Arms(5)"},
    {25, 25, "Wiliness(6), Vim of the Underhill(5), Glowing Arms(5)"},
    {26, 31, "Wiliness(6), Vim of the Underhill(5), Glittering Arms(6)"},
    {32, 32, "Wiliness(6), Force of the Underhill(6), Glittering Arms(6)"},
    {33, 33, "Guile(7), Force of the Underhill(6), Glittering Arms(6)"},
    {34, 41, "Guile(7), Force of the Underhill(6), Brilliant Arms(7)"},
    {42, 42, "Guile(7), Fury of the Underhill(7), Brilliant Arms(7)"},
    {43, 43, "Subdolosity(8), Fury of the Underhill(7), Brilliant Arms(7)"},
    {44, std::nullopt, "Subdolosity(8), Fury of the Underhill(7), Splendorous Arms(8)"},
};
static_assert(BandsAscending<AbilityBand>(kEnchanterEnchantmentBands));

constexpr std::string_view kEnchanterBedazzlingBody[] = {
    "'Rapture' strSpells are direct damage",
    "'Scintillation' strSpells are attack speed debuffs",
};
constexpr DescriptionMessage kEnchanterBedazzling{"Enchanter - Bedazzling", kEnchanterBedazzlingBody};

constexpr std::string_view kEnchanterEmpoweringBody[] = {
    "'Aura' strSpells are pet-only damage shields",
    "'Effervescence' strSpells are running-speed buffs",
    "'Disenchanting' strSpells are point blank area effect strSpells",
};
constexpr DescriptionMessage kEnchanterEmpowering{"Enchanter - Empowering", kEnchanterEmpoweringBody};

constexpr std::string_view kEnchanterEnchantmentBody[] = {
    "'Craftiness/Slyness/Guile/etc' strSpells are pet-only dexterity buffs",
    "'Arms' strSpells are damage-add buffs",
    "'of the Underhill' buffs are pet-only strength buffs",
};
constexpr DescriptionMessage kEnchanterEnchantment{"Enchanter - Enchantment Mastery", kEnchanterEnchantmentBody};

constexpr AbilityBand kDruidRegrowthBands[] = {
    {5, 5, "Major Resurgance(1)"},
    {6, 6, "Major Resurgance(1), Cure Poison(1)"},
    {7, 7, "Major Resurgance(1), Cure Poison(1), Cure Disease(1)"},
    {8, 9, "Major Revival(2), Cure Poison(1), Cure Disease(1)"},
    {10, 10, "Major Revival(2), Cure Poison(1), Cure Disease(1), Greater Revival(1)"},
    {11, 11, "Major Regeneration(2), Cure Poison(1), Cure Disease(1), Greater Revival(1)"},
    {12, 13, "Major Regeneration(2), Cure Poison(1), Cure Disease(1), Greater Revival(1), Nature's Appreciation(1)"},
    {14, 14,
     "Major Regeneration(2), Cure Poison(1), Cure Disease(1), Greater Regeneration(2), Nature's Appreciation(1)"},
    {15, 15, "Major Regrowth(3), Cure Poison(1), Cure Disease(1), Greater Regeneration(2), Nature's Appreciation(1)"},
    {16, 18,
     "Major Regrowth(3), Cure Poison(1), Cure Disease(1), Greater Regeneration(2), Nature's Appreciation(1), Lesser Reconstitution(1)"},
    {19, 19,
     "Major Regrowth(3), Cure Poison(1), Cure Disease(1), Greater Regrowth(3), Nature's Appreciation(1), Lesser Reconstitution(1)"},
    {20, 20,
     "Major Restoration(4), Cure Poison(1), Cure Disease(1), Greater Regrowth(3), Nature's Appreciation(1), Lesser Reconstitution(1)"},
    {21, 22,
     "Major Restoration(4), Cure Poison(1), Cure Disease(1), Greater Regrowth(3), Nature's Blessing(2), Lesser Reconstitution(1)"},
    {23, 23,
     "Major Restoration(4), Cure Poison(1), Cure Disease(1), Greater Regrowth(3), Nature's Blessing(2), Lesser Reconstitution(1), Bith's Bension(1)"},
    {24, 24,
     "Major Restoration(4), Cure Poison(1), Cure Disease(1), Greater Regrowth(3), Nature's Blessing(2), Reconstitution(2), Bith's Bension(1)"},
    {25, 25,
     "Major Restoration(4), Cure Poison(1), Cure Disease(1), Greater Restoration(4), Nature's Blessing(2), Reconstitution(2), Bith's Bension(1)"},
    {26, 30,
     "Major Resuscitation(5), Cure Poison(1), Cure Disease(1), Greater Restoration(4), Nature's Blessing(2), Reconstitution(2), Bith's Bension(1)"},
    {31, 31,
     "Major Resuscitation(5), Cure Poison(1), Cure Disease(1), Greater Restoration(4), Nature's Esteem(3), Reconstitution(2), Bith's Bension(1)"},
    {32, 32,
     "Major Resuscitation(5), Cure Poison(1), Cure Disease(1), Greater Resuscitation(5), Nature's Esteem(3), Reconstitution(2), Bith's Bension(1)"},
    {33, 34,
     "Major Renascence(6), Cure Poison(1), Cure Disease(1), Greater Resuscitation(5), Nature's Esteem(3), Reconstitution(2), Bith's Bension(1)"},
    {35, 39,
     "Major Renascence(6), Cure Poison(1), Cure Disease(1), Greater Resuscitation(5), Nature's Esteem(3), Reconstitution(2), Bith's Acclaimation(2)"},
    {40, 40,
     "Major Renascence(6), Cure Poison(1), Cure Disease(1), Greater Resuscitation(5), Nature's Esteem(3), Greater Reconstitution(3), Bith's Acclaimation(2)"},
    {41, 41,
     "Major Renascence(6), Cure Poison(1), Cure Disease(1), Greater Renascence(6), Nature's Esteem(3), Greater Reconstitution(3), Bith's Acclaimation(2)"},
    {42, 42,
     "Major Apotheosis(7), Cure Poison(1), Cure Disease(1), Greater Renascence(6), Nature's Esteem(3), Greater Reconstitution(3), Bith's Acclaimation(2)"},
    {43, 44,
     "Major Apotheosis(7), Cure Poison(1), Cure Disease(1), Greater Renascence(6), Nature's Sanction(4), Greater Reconstitution(3), Bith's Acclaimation(2)"},
    {45, 49,
     "Major Apotheosis(7), Cure Poison(1), Cure Disease(1), Greater Renascence(6), Nature's Sanction(4), Greater Reconstitution(3), Bith's Benediction(3)"},
    {50, std::nullopt,
     "Major Apotheosis(7), Cure Poison(1), Cure Disease(1), Greater Apotheosis(6), Nature's Sanction(4), Greater Reconstitution(3)), Bith's Benediction(3)"},
};
static_assert(BandsAscending<AbilityBand>(kDruidRegrowthBands));

constexpr AbilityBand kDruidNurturingBands[] = {
    {2, 4, "Hunter's Attack(1)"},
    {5, 6, "Hunter's Attack(1), Strength of the Tree(1)"},
    {7, 8, "Hunter's Attack(1), Strength of the Tree(1), Breeze's Dance(1)"},
    {9, 9, "Hunter's Attack(1), Strength of the Thicket(2), Breeze's Dance(1)"},
    {10, 12, "Hunter's Blow(2), Strength of the Thicket(2), Breeze's Dance(1)"},
    {13, 13, "Hunter's Blow(2), Strength of the Grove(3), Breeze's Dance(1)"},
    {14, 17, "Hunter's Blow(2), Strength of the Grove(3), Gust's Dance(2)"},
    {18, 18, "Hunter's Blow(2), Strength of the Orchard(4), Gust's Dance(2)"},
    {19, 19, "Hunter's Blow(2), Strength of the Orchard(4), Squall's Dance(3)"},
    {20, 24, "Hunter's Offense(3), Strength of the Orchard(4), Squall's Dance(3)"},
    {25, 28, "Hunter's Offense(3), Strength of the Wood(5), Squall's Dance(3)"},
    {29, 29, "Hunter's Offense(3), Strength of the Wood(5), Storm's Dance(4)"},
    {30, 33, "Hunter's Press(4), Strength of the Wood(5), Storm's Dance(4)"},
    {34, 38, "Hunter's Press(4), Strength of the Forest(6), Storm's Dance(4)"},
    {39, 39, "Hunter's Press(4), Strength of the Forest(6), Tornado's Dance(5)"},
    {40, 43, "Hunter's Strike(5), Strength of the Forest(6), Tornado's Dance(5)"},
    {44, 48, "Hunter's Strike(5), Strength of the Timberland(7), Tornado's Dance(5)"},
    {49, 49, "Hunter's Strike(5), Strength of the Timberland(7), Zephyr's Dance(6)"},
    {50, std::nullopt, "Hunter's Assault(6), Strength of the Timberland(7), Zephyr's Dance(6)"},
};
static_assert(BandsAscending<AbilityBand>(kDruidNurturingBands));

constexpr AbilityBand kDruidNatureBands[] = {
    {1, 2, "Call Minor Nature Spirit(1)"},
    {3, 4, "Call Minor Nature Spirit(1), Briarsprout(1)"},
    {5, 5, "Call Minor Nature Spirit(1), Briarsprout(1), Contamination(1)"},
    {6, 6, "Call Minor Nature Spirit(1), Pricklesprout(2), Contamination(1)"},
    {7, 7, "Call Lesser Nature Spirit(2), Pricklesprout(2), Contamination(1)"},
    {8, 10, "Call Lesser Nature Spirit(2), Pricklesprout(2), Pollution(2)"},
    {11, 11, "Call Lesser Nature Spirit(2), Pricklesprout(2), Moldiness(3)"},
    {12, 12, "Call Nature Spirit(3), Pricklesprout(2), Moldiness(3)"},
    {13, 14, "Call Nature Spirit(3), Burrsprout(3), Moldiness(3)"},
    {15, 17, "Call Nature Spirit(3), Burrsprout(3), Wither(4)"},
    {18, 18, "Call Nature Spirit(3), Thornsprout(4), Wither(4)"},
    {19, 19, "Call Nature Spirit(3), Thornsprout(4), Corruption(5)"},
    {20, 23, "Call Major Nature Spirit(4), Thornsprout(4), Corruption(5)"},
    {24, 24, "Call Major Nature Spirit(4), Thornsprout(4), Blight(6)"},
    {25, 29, "Call Major Nature Spirit(4), Spursprout(5), Blight(6)"},
    {30, 31, "Call Major Nature Spirit(4), Spursprout(5), Dry Rot(7)"},
    {32, 33, "Call Greater Nature Spirit(5), Spursprout(5), Dry Rot(7)"},
    {34, 34, "Call Greater Nature Spirit(5), Thistlesprout(6), Dry Rot(7)"},
    {35, 40, "Call Greater Nature Spirit(5), Thistlesprout(6), Dilapidation(8)"},
    {41, 43, "Call Greater Nature Spirit(5), Thistlesprout(6), Degeneration(9)"},
    {44, 47, "Call Greater Nature Spirit(5), Spinesprout(7), Degeneration(9)"},
    {48, std::nullopt, "Call Greater Nature Spirit(5), Spinesprout(7), Defedation(10)"},
};
static_assert(BandsAscending<AbilityBand>(kDruidNatureBands));

constexpr std::string_view kDruidRegrowthBody[] = {
    "'Major' strSpells are large heals",
    "'Cure' strSpells remove poisons/diseases",
    "'Nature's' strSpells are instant free heals once every 15 min",
    "'Greater' strSpells are extra-large heals",
    "'Reconstitution' strSpells are dead-resurrection strSpells",
    "'Bith's' strSpells are instant free group heal every 20 min",
};
constexpr DescriptionMessage kDruidRegrowth{"Druid - Regrowth", kDruidRegrowthBody};

constexpr std::string_view kDruidNurturingBody[] = {
    "'Hunter's' strSpells are attack speed buffs",
    "'Strength of the' strSpells are strength/constitution buffs",
    "'Dance' strSpells are dexterity/quickness buffs",
};
constexpr DescriptionMessage kDruidNurturing{"Druid - Nurturing", kDruidNurturingBody};

constexpr std::string_view kDruidNatureBody[] = {
    "'Call Nature Spirit' strSpells summon pets",
    "'sprout' strSpells are self-only damage shields",
    "'Contamination/Wither/Dry Rot/etc' strSpells are damage-over-time",
};
constexpr DescriptionMessage kDruidNature{"Druid - Nature", kDruidNatureBody};

constexpr SpecLineDefinition kEnchanterLines[] = {
    SpellLine("Bedazzling", "Bedazzling", colour::kBlue, kEnchanterBedazzlingBands, kEnchanterBedazzling),
    SpellLine("Empowering", "Empowering", colour::kDarkGreen, kEnchanterEmpoweringBands, kEnchanterEmpowering),
    SpellLine("Enchantment", "Enchantment Mastery", colour::kPurple, kEnchanterEnchantmentBands, kEnchanterEnchantment),
};

constexpr SpecLineDefinition kDruidLines[] = {
    SpellLine("Regrowth", "Regrowth", colour::kBlue, kDruidRegrowthBands, kDruidRegrowth),
    SpellLine("Nurturing", "Nurturing", colour::kDarkGreen, kDruidNurturingBands, kDruidNurturing),
    SpellLine("Nature", "Nature Affinity", colour::kPurple, kDruidNatureBands, kDruidNature),
};

}  // namespace

constinit const ClassDefinition kEnchanter{.listName = "Enchanter",
                                           .realm = Realm::Hibernia,
                                           .titleCaption = "Enchanter",
                                           .pointsRule = {1.0},
                                           .pointsPerLevelCaption = "Points/Level:",
                                           .pointsPerLevelText = "1.0",
                                           .lines = kEnchanterLines};
constinit const ClassDefinition kDruid{.listName = "Druid",
                                       .realm = Realm::Hibernia,
                                       .titleCaption = "Druid",
                                       .pointsRule = {1.0},
                                       .pointsPerLevelCaption = "Points/Lvll:",
                                       .pointsPerLevelText = "1.0",
                                       .lines = kDruidLines};

}  // namespace vantrell::catalog::classes

// Two Hibernian casters on the generic planner: factor 1, no caps, every line explained.
#include "core/catalog/band_rules.h"
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_lines.h"

namespace vantrell::catalog::classes {
namespace {

constexpr AbilityBand kEldritchSunBands[] = {
    {2, 2, "Sunburst(1)"},
    {3, 3, "Sunburst(1), Negate Sight(1)"},
    {4, 4, "Sunburst(1), Negate Sight(1), Paralyzing Wind(1)"},
    {5, 5, "Sunblast(2), Negate Sight(1), Paralyzing Wind(1)"},
    {6, 7, "Sunblast(2), Nullify Sight(2), Paralyzing Wind(1)"},
    {8, 8, "Suncharge(3), Nullify Sight(2), Paralyzing Wind(1)"},
    {9, 11, "Suncharge(3), Obliviate Sight(3), Paralyzing Wind(1)"},
    {12, 12, "Sunshock(4), Obliviate Sight(3), Paralyzing Wind(1)"},
    {13, 14, "Sunshock(4), Destroy Sight(4), Paralyzing Wind(1)"},
    {15, 15, "Sunshock(4), Destroy Sight(4), Paralyzing Veil(2)"},
    {16, 17, "Sunsmash(5), Destroy Sight(4), Paralyzing Veil(2)"},
    {18, 21, "Sunsmash(5), Abrogate Sight(5), Paralyzing Veil(2)"},
    {22, 24, "Suncrash(6), Abrogate Sight(5), Paralyzing Veil(2)"},
    {25, 25, "Suncrash(6), Blank Sight(6), Paralyzing Veil(2)"},
    {26, 27, "Suncrash(6), Blank Sight(6), Paralyzing Cloak(3)"},
    {28, 34, "Sunforce(7), Blank Sight(6), Paralyzing Cloak(3)"},
    {35, 35, "Suncrush(8), Blank Sight(6), Paralyzing Cloak(3)"},
    {36, 36, "Suncrush(8), Obliterate Sight(7), Paralyzing Cloak(3)"},
    {37, 44, "Suncrush(8), Obliterate Sight(7), Paralyzing Sphere(4)"},
    {45, 45, "Sundoom(9), Obliterate Sight(7), Paralyzing Sphere(4)"},
    {46, 46, "Sundoom(9), Extinguish Sight(8), Paralyzing Sphere(4)"},
    {47, std::nullopt, "Sundoom(9), Extinguish Sight(8), Paralyzing Cloud(5)"},
};
static_assert(BandsAscending<AbilityBand>(kEldritchSunBands));

constexpr AbilityBand kEldritchMoonBands[] = {
    {1, 1, "Lesser Ensnaring Blast(1)"},
    {2, 2, "Lesser Ensnaring Blast(1), Lesser Mana Ripple(1)"},
    {3, 4, "Lesser Ensnaring Blast(1), Lesser Mana Ripple(1), Lesser Strength Dispersal(1)"},
    {5, 5, "Ensnaring Blast(2), Lesser Mana Ripple(1), Lesser Strength Dispersal(1)"},
    {6, 6, "Ensnaring Blast(2), Lesser Mana Ripple(1), Lesser Strength Dispersal(1), Entropic Affliction(1)"},
    {7, 7, "Ensnaring Blast(2), Mana Ripple(2), Lesser Strength Dispersal(1), Entropic Affliction(1)"},
    {8, 8, "Ensnaring Blast(2), Mana Ripple(2), Disperse Strength(2), Entropic Affliction(1)"},
    {9, 10, "Greater Ensnaring Blast(2), Mana Ripple(2), Disperse Strength(2), Entropic Affliction(1)"},
    {11, 11, "Greater Ensnaring Blast(2), Mana Eddy(3), Disperse Strength(2), Entropic Affliction(1)"},
    {12, 12, "Greater Ensnaring Blast(2), Mana Eddy(3), Lesser Vigor Dispersal(3), Entropic Affliction(1)"},
    {13, 14, "Entangling Blast(3), Mana Eddy(3), Lesser Vigor Dispersal(3), Entropic Affliction(1)"},
    {15, 15, "Entangling Blast(3), Mana Splash(4), Lesser Vigor Dispersal(3), Entropic Affliction(1)"},
    {16, 16, "Entangling Blast(3), Mana Splash(4), Lesser Vigor Dispersal(3), Entropic Sickness(2)"},
    {17, 17, "Greater Entangling Blast(4), Mana Splash(4), Lesser Vigor Dispersal(3), Entropic Sickness(2)"},
    {18, 19, "Greater Entangling Blast(4), Mana Splash(4), Disperse Vigor(4), Entropic Sickness(2)"},
    {20, 22, "Greater Entangling Blast(4), Mana Burst(5), Disperse Vigor(4), Entropic Sickness(2)"},
    {23, 25, "Webbing Blast(5), Mana Burst(5), Disperse Vigor(4), Entropic Sickness(2)"},
    {26, 26, "Webbing Blast(5), Mana Flux(6), Disperse Vigor(4), Entropic Sickness(2)"},
    {27, 27, "Webbing Blast(5), Mana Flux(6), Disperse Vigor(4), Entropic Illness(3)"},
    {28, 31, "Webbing Blast(5), Mana Flux(6), Lesser Health Dispersal(5), Entropic Illness(3)"},
    {32, 32, "Webbing Blast(5), Mana Billow(7), Lesser Health Dispersal(5), Entropic Illness(3)"},
    {33, 36, "Greater Webbing Blast(6), Mana Billow(7), Lesser Health Dispersal(5), Entropic Illness(3)"},
    {37, 37, "Greater Webbing Blast(6), Mana Billow(7), Lesser Health Dispersal(5), Entropic Disease(4)"},
    {38, 38, "Greater Webbing Blast(6), Mana Billow(7), Disperse Health(6), Entropic Disease(4)"},
    {39, 40, "Greater Webbing Blast(6), Mana Surge(8), Disperse Health(6), Entropic Disease(4)"},
    {41, 46, "Demobilizing Blast(7), Mana Surge(8), Disperse Health(6), Entropic Disease(4)"},
    {47, 47, "Demobilizing Blast(7), Mana Surge(8), Disperse Health(6), Entropic Pestilence(5)"},
    {48, 48, "Demobilizing Blast(7), Mana Flood(9), Disperse Health(6), Entropic Pestilence(5)"},
    {49, 49, "Demobilizing Blast(7), Mana Flood(9), Greater Vitality Dispersal(7), Entropic Pestilence(5)"},
    {50, std::nullopt,
     "Greater Demobilizing Blast(7), Mana Flood(9), Greater Vitality Dispersal(7), Entropic Pestilence(5)"},
};
static_assert(BandsAscending<AbilityBand>(kEldritchMoonBands));

constexpr AbilityBand kEldritchEclipseBands[] = {
    {2, 2, "Nil Bolt(1)"},
    {3, 3, "Nil Bolt(1), Lesser Null Squall(1)"},
    {4, 4, "Eclipse Bolt(2), Lesser Null Squall(1)"},
    {5, 6, "Eclipse Bolt(2), Null Squall(2)"},
    {7, 7, "Negative Bolt(3), Null Squall(2)"},
    {8, 11, "Negative Bolt(3), Lesser Null Storm(3)"},
    {12, 12, "Abrogation Bolt(4), Lesser Null Storm(3)"},
    {13, 16, "Abrogation Bolt(4), Null Storm(4)"},
    {17, 17, "Null Bolt(5), Null Storm(4)"},
    {18, 23, "Null Bolt(5), Lesser Null Ebullition(5)"},
    {24, 24, "Oblivion Bolt(6), Lesser Null Ebullition(5)"},
    {25, 30, "Oblivion Bolt(6), Null Ebullition(6)"},
    {31, 31, "Annihilation Bolt(7), Null Ebullition(6)"},
    {32, 37, "Annihilation Bolt(7), Lesser Null Tempest(7)"},
    {38, 43, "Obliteration Bolt(8), Lesser Null Tempest(7)"},
    {44, 45, "Obliteration Bolt(8), Null Tempest(8)"},
    {46, std::nullopt, "Bolt of Uncreation(9), Null Tempest(8)"},
};
static_assert(BandsAscending<AbilityBand>(kEldritchEclipseBands));

constexpr std::string_view kEldritchSunBody[] = {
    "'Sun' strSpells are direct damage",
    "'Sight' strSpells are dexterity/quickness debuffs",
    "'Paralyzing' strSpells are area effect stuns",
};
constexpr DescriptionMessage kEldritchSun{"Eldritch - Sun Control", kEldritchSunBody};

constexpr std::string_view kEldritchMoonBody[] = {
    "'Blast' strSpells are direct damage with speed reduction",
    "'Mana' strSpells are point blank area effect",
    "'Dispersal' strSpells are strength/constitution debuffs",
    "'Entropic' strSpells are disease strSpells",
};
constexpr DescriptionMessage kEldritchMoon{"Eldritch - Moonancy", kEldritchMoonBody};

constexpr std::string_view kEldritchEclipseBody[] = {
    "'Bolt' strSpells are bolt-style damage",
    "'Null' strSpells are area-effect direct damage",
};
constexpr DescriptionMessage kEldritchEclipse{"Eldritch - Eclipse Mastery", kEldritchEclipseBody};

constexpr AbilityBand kMentalistIllusionsBands[] = {
    {2, 3, "Twinkling Visions(1)"},
    {4, 4, "Twinkling Visions(1), Illusory Enemy(1)"},
    {5, 7, "Sparkling Visions(2), Illusory Enemy(1)"},
    {8, 9, "Shimmering Visions(3), Illusory Enemy(1)"},
    {10, 11, "Shimmering Visions(3), Fabricated Enemy(2)"},
    {12, 15, "Glimmering Visions(4), Fabricated Enemy(2)"},
    {16, 16, "Scintillating Visions(5), Fabricated Enemy(2)"},
    {17, 21, "Scintillating Visions(5), Imaginary Enemy(3)"},
    {22, 24, "Glittering Visions(6), Imaginary Enemy(3)"},
    {25, 27, "Glittering Visions(6), Phantom Enemy(4)"},
    {28, 32, "Radiant Visions(7), Phantom Enemy(4)"},
    {33, 34, "Radiant Visions(7), Ghostly Enemy(5)"},
    {35, 41, "Bedazzling Visions(8), Ghostly Enemy(5)"},
    {42, 44, "Bedazzling Visions(8), Dream Enemy(6)"},
    {45, std::nullopt, "Coruscating Visions(9), Dream Enemy(6)"},
};
static_assert(BandsAscending<AbilityBand>(kMentalistIllusionsBands));

constexpr AbilityBand kMentalistHolismBands[] = {
    {1, 3, "Lesser Mind Jolt(1)"},
    {4, 7, "Mind Jolt(2)"},
    {8, 9, "Lesser Mind Blast(3)"},
    {10, 11, "Lesser Mind Blast(3), Curative Trance(1)"},
    {12, 15, "Mind Blast(4), Curative Trance(1)"},
    {16, 20, "Lesser Mind Scream(5), Curative Trance(1)"},
    {21, 21, "Lesser Mind Scream(5), Restorative Trance(2)"},
    {22, 27, "Mind Scream(6), Restorative Trance(2)"},
    {28, 31, "Lesser Mind Shriek(7), Restorative Trance(2)"},
    {32, 34, "Lesser Mind Shriek(7), Healing Trance(3)"},
    {35, 42, "Mind Shriek(8), Healing Trance(3)"},
    {43, 44, "Mind Shriek(8), Sanative Trance(4)"},
    {45, std::nullopt, "Mind Flay(9), Sanative Trance(4)"},
};
static_assert(BandsAscending<AbilityBand>(kMentalistHolismBands));

constexpr AbilityBand kMentalistMindBands[] = {
    {1, 1, "Enfeeble Mind(1)"},
    {2, 2, "Enfeeble Mind(1), Major Somatic Renewal(1)"},
    {3, 3, "Enfeeble Mind(1), Major Somatic Renewal(1), Delusion(1)"},
    {4, 4, "Enfeeble Mind(1), Major Somatic Reparation(2), Delusion(1)"},
    {5, 5, "Cripple Mind(2), Major Somatic Reparation(2), Delusion(1)"},
    {6, 7, "Cripple Mind(2), Major Somatic Revigoration(3), Delusion(1)"},
    {8, 8, "Cripple Mind(2), Major Somatic Revigoration(3), Delirium(2)"},
    {9, 9, "Cripple Mind(2), Major Somatic Relief(4), Delirium(2)"},
    {10, 11, "Incapacitate Mind(3), Major Somatic Relief(4), Delirium(2)"},
    {12, 12, "Incapacitate Mind(3), Major Somatic Relief(4), Dementation(3)"},
    {13, 14, "Incapacitate Mind(3), Major Somatic Rejuvenation(5), Dementation(3)"},
    {15, 16, "Disable Mind(4), Major Somatic Rejuvenation(5), Dementation(3)"},
    {17, 17, "Disable Mind(4), Major Somatic Rejuvenation(5), Paranoia(4)"},
    {18, 22, "Disable Mind(4), Major Somatic Illusionseneration(6), Paranoia(4)"},
    {23, 23, "Paralyze Mind(5), Major Somatic Illusionseneration(6), Paranoia(4)"},
    {24, 24, "Paralyze Mind(5), Major Somatic Illusionseneration(6), Eccentricity(5)"},
    {25, 30, "Paralyze Mind(5), Major Somatic Rehabilitation(7), Eccentricity(5)"},
    {31, 31, "Lock Mind(6), Major Somatic Rehabilitation(7), Eccentricity(5)"},
    {32, 32, "Lock Mind(6), Major Somatic Rehabilitation(7), Madness(6)"},
    {33, 39, "Lock Mind(6), Major Somatic Revival(8), Madness(6)"},
    {40, 40, "Lock Mind(6), Major Somatic Revival(8), Derangment(7)"},
    {41, 41, "Petrify Mind(7), Major Somatic Revival(8), Derangment(7)"},
    {42, 48, "Petrify Mind(7), Major Somatic Resuscitation(9), Derangment(7)"},
    {49, 49, "Petrify Mind(7), Major Somatic Resuscitation(9), Insanity(8)"},
    {50, std::nullopt, "Unmake Mind(8), Major Somatic Resuscitation(9), Insanity(8)"},
};
static_assert(BandsAscending<AbilityBand>(kMentalistMindBands));

constexpr std::string_view kMentalistIllusionsBody[] = {
    "'Visions' strSpells are direct damage",
    "'Enemy' strSpells are charm humanoids strSpells",
};
constexpr DescriptionMessage kMentalistIllusions{"Mentalist - Illusions", kMentalistIllusionsBody};

constexpr std::string_view kMentalistHolismBody[] = {
    "'Mind' strSpells are direct damage",
    "'Trance' strSpells are short duration healing strSpells",
};
constexpr DescriptionMessage kMentalistHolism{"Mentalist - Holism", kMentalistHolismBody};

constexpr std::string_view kMentalistMindBody[] = {
    "'Mind' strSpells are paralyzing strSpells",
    "'Major Somatic' strSpells are healing strSpells",
    "'Delusion/Paranoia/Madness/etc' strSpells are confusion inducing strSpells",
};
constexpr DescriptionMessage kMentalistMind{"Mentalist - Mind Mastery", kMentalistMindBody};

constexpr SpecLineDefinition kEldritchLines[] = {
    SpellLine("Sun", "Way of the Sun", colour::kBlue, kEldritchSunBands, kEldritchSun),
    SpellLine("Moon", "Way of the Moon", colour::kDarkGreen, kEldritchMoonBands, kEldritchMoon),
    SpellLine("Eclipse", "Way of the Eclipse", colour::kPurple, kEldritchEclipseBands, kEldritchEclipse),
};

constexpr SpecLineDefinition kMentalistLines[] = {
    SpellLine("Illusions", "Illusions", colour::kBlue, kMentalistIllusionsBands, kMentalistIllusions),
    SpellLine("Holism", "Holism", colour::kDarkGreen, kMentalistHolismBands, kMentalistHolism),
    SpellLine("Mind", "Mind Mastery", colour::kPurple, kMentalistMindBands, kMentalistMind),
};

}  // namespace

constinit const ClassDefinition kEldritch{.listName = "Eldritch",
                                          .realm = Realm::Hibernia,
                                          .titleCaption = "Eldritch",
                                          .pointsRule = {1.0},
                                          .pointsPerLevelCaption = "Points/Level:",
                                          .pointsPerLevelText = "1.0",
                                          .lines = kEldritchLines};
constinit const ClassDefinition kMentalist{.listName = "Mentalist",
                                           .realm = Realm::Hibernia,
                                           .titleCaption = "Mentalist",
                                           .pointsRule = {1.0},
                                           .pointsPerLevelCaption = "Points Per Level:",
                                           .pointsPerLevelText = "1.0",
                                           .lines = kMentalistLines};

}  // namespace vantrell::catalog::classes

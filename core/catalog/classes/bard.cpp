// A song-and-heal hybrid: its weapon lines share the weapon style schedule, and every
// line is held to the character level.
#include "core/catalog/band_rules.h"
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_explanations.h"
#include "core/catalog/classes/shared_lines.h"

namespace vantrell::catalog::classes {
namespace {

constexpr AbilityBand kBardRegrowthBands[] = {
    {5, 5, "Major Resurgance(1)"},
    {6, 7, "Major Resurgance(1), Chant of Healing(1)"},
    {8, 10, "Major Revival(2), Chant of Healing(1)"},
    {11, 13, "Major Regeneration(3), Chant of Healing(1)"},
    {14, 14, "Major Regeneration(3), Song of Healing(2)"},
    {15, 15, "Major Regrowth(4), Song of Healing(2)"},
    {16, 16, "Major Regrowth(4), Song of Healing(2), Lesser Reconstitution(1)"},
    {17, 19, "Major Regrowth(4), Song of Healing(2), Lesser Reconstitution(1), Tones of Health(1)"},
    {20, 24, "Major Restoration(5), Song of Healing(2), Lesser Reconstitution(1), Tones of Health(1)"},
    {25, 25, "Major Restoration(5), Psalm of Healing(3), Lesser Reconstitution(1), Tones of Health(1)"},
    {26, 26, "Major Resuscitation(6), Psalm of Healing(3), Lesser Reconstitution(1), Tones of Health(1)"},
    {27, 32, "Major Resuscitation(6), Psalm of Healing(3), Lesser Reconstitution(1), Notes of Health(2)"},
    {33, 34, "Major Renascence(7), Psalm of Healing(3), Lesser Reconstitution(1), Notes of Health(2)"},
    {35, 36, "Major Renascence(7), Hymn of Healing(4), Lesser Reconstitution(1), Notes of Health(2)"},
    {37, 41, "Major Renascence(7), Hymn of Healing(4), Lesser Reconstitution(1), Tunes of Health(3)"},
    {42, 44, "Major Apotheosis(8), Hymn of Healing(4), Lesser Reconstitution(1), Tunes of Health(3)"},
    {45, 46, "Major Apotheosis(8), Euphony of Healing(5), Lesser Reconstitution(1), Tunes of Health(3)"},
    {47, std::nullopt, "Major Apotheosis(8), Euphony of Healing(5), Lesser Reconstitution(1), Chimes of Health(4)"},
};
static_assert(BandsAscending<AbilityBand>(kBardRegrowthBands));

constexpr AbilityBand kBardNurturingBands[] = {
    {2, 2, "Rhythm of Hibernia(1)"},
    {3, 9, "Rhythm of Hibernia(1), Clear Path(1)"},
    {10, 11, "Rhythm of Hibernia(1), Clear Path(1), Rhyme of Earth(1)"},
    {12, 12, "Rhythm of Earth(2), Clear Path(1), Rhyme of Earth(1)"},
    {13, 20, "Rhythm of Earth(2), Clear Trail(2), Rhyme of Earth(1)"},
    {21, 21, "Rhythm of Earth(2), Clear Trail(2), Rhyme of Nature(2)"},
    {22, 22, "Rhythm of Nature(3), Clear Trail(2), Rhyme of Nature(2)"},
    {23, 29, "Rhythm of Nature(3), Clear Road(3), Rhyme of Nature(2)"},
    {30, 31, "Rhythm of Nature(3), Clear Road(3), Rhyme of the World(3)"},
    {32, 32, "Rhythm of the World(4), Clear Road(3), Rhyme of the World(3)"},
    {33, 38, "Rhythm of the World(4), Clear Field(4), Rhyme of the World(3)"},
    {39, 41, "Rhythm of the World(4), Clear Field(4), Rhyme of the Cosmos(4)"},
    {42, 42, "Rhythm of the Cosmos(5), Clear Field(4), Rhyme of the Cosmos(4)"},
    {43, 49, "Rhythm of the Cosmos(5), Clear Horizon(5), Rhyme of the Cosmos(4)"},
    {50, std::nullopt, "Rhythm of the Cosmos(5), Clear Horizon(5), Rhyme of Creation(5)"},
};
static_assert(BandsAscending<AbilityBand>(kBardNurturingBands));

constexpr AbilityBand kBardMusicBands[] = {
    {1, 2, "Concussive Shout(1)"},
    {3, 3, "Concussive Shout(1), Confounding Cadence(1)"},
    {4, 6, "Concussive Bellow(2), Confounding Cadence(1)"},
    {7, 7, "Concussive Yell(3), Confounding Cadence(1)"},
    {8, 9, "Concussive Yell(3), Befuddling Cadence(2)"},
    {10, 11, "Concussive Yell(3), Befuddling Cadence(2), Captivate Audience(1)"},
    {12, 13, "Concussive Holler(4), Befuddling Cadence(2), Captivate Audience(1)"},
    {14, 15, "Concussive Holler(4), Confusing Cadence(3), Captivate Audience(1)"},
    {16, 17, "Concussive Holler(4), Confusing Cadence(3), Captivate Crowd(2)"},
    {18, 19, "Concussive Scream(5), Confusing Cadence(3), Captivate Crowd(2)"},
    {20, 20, "Concussive Scream(5), Mystifying Cadence(4), Captivate Crowd(2)"},
    {21, 24, "Concussive Scream(5), Mystifying Cadence(4), Captivate Swarms(3)"},
    {25, 25, "Concussive Whoop(6), Mystifying Cadence(4), Captivate Swarms(3)"},
    {26, 27, "Concussive Whoop(6), Confounding Ballad(5), Captivate Swarms(3)"},
    {28, 31, "Concussive Whoop(6), Confounding Ballad(5), Captivate Multitude(4)"},
    {32, 33, "Concussive Whoop(6), Befuddling Ballad(6), Captivate Multitude(4)"},
    {34, 35, "Concussive Shriek(7), Befuddling Ballad(6), Captivate Multitude(4)"},
    {36, 37, "Concussive Shriek(7), Befuddling Ballad(6), Captivate Army(5)"},
    {38, 42, "Concussive Shriek(7), Confusing Ballad(7), Captivate Army(5)"},
    {43, 43, "Concussive Shriek(7), Confusing Ballad(7), Captivate Legions(6)"},
    {44, 47, "Concussive Roar(8), Confusing Ballad(7), Captivate Legions(6)"},
    {48, std::nullopt, "Concussive Roar(8), Mystifying Ballad(8), Captivate Legions(6)"},
};
static_assert(BandsAscending<AbilityBand>(kBardMusicBands));

constexpr std::string_view kBardRegrowthBody[] = {
    "'Major' strSpells are heals",
    "'of Healing' songs are group regeneration",
    "'Reconsitution' strSpells are death-resurrecting strSpells",
    "'of Health' strSpells are group heals",
};
constexpr DescriptionMessage kBardRegrowth{"Bard - Regrowth", kBardRegrowthBody};

constexpr std::string_view kBardNurturingBody[] = {
    "'Rhythm' songs are fatigue regeneration",
    "'Clear' songs are running speed songs",
    "'Rhyme' songs are power regeneration",
};
constexpr DescriptionMessage kBardNurturing{"Bard - Nurturing", kBardNurturingBody};

constexpr std::string_view kBardMusicBody[] = {
    "'Concussive' strSpells are direct damage",
    "'Cadence/Ballad' strSpells are confusion inducers",
    "'Captivate' strSpells are area effect mesmerization",
};
constexpr DescriptionMessage kBardMusic{"Bard - Music", kBardMusicBody};
constexpr DescriptionMessage kBardBlades{"Bard - Blades", kBladesBody};
constexpr DescriptionMessage kBardBlunts{"Bard - Blunts", kBluntsBody};

constexpr SpecLineDefinition kBardLines[] = {
    SpellLine("Regrowth", "Regrowth", colour::kBlue, kBardRegrowthBands, kBardRegrowth, LineCap::CharacterLevel),
    SpellLine("Nurturing", "Nurturing", colour::kDarkGreen, kBardNurturingBands, kBardNurturing,
              LineCap::CharacterLevel),
    SpellLine("Music", "Music", colour::kPurple, kBardMusicBands, kBardMusic, LineCap::CharacterLevel),
    HybridWeaponLine("Blades", "Blades", colour::kMaroon, "Blades styles 1->", kBardBlades),
    HybridWeaponLine("Blunts", "Blunts", colour::kDarkRed, "Blunts styles 1->", kBardBlunts),
};

}  // namespace

constinit const ClassDefinition kBard{.listName = "Bard",
                                      .realm = Realm::Hibernia,
                                      .titleCaption = "Bard",
                                      .pointsRule = {1.5},
                                      .pointsPerLevelCaption = "Points/Level:",
                                      .pointsPerLevelText = "1.5",
                                      .lines = kBardLines};

}  // namespace vantrell::catalog::classes

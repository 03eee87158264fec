// The Champion: the Valor spell line and style lines, with Parry closed until level 10.
#include "core/catalog/classes/classes.h"
#include "core/catalog/classes/shared_explanations.h"
#include "core/catalog/classes/shared_lines.h"

#include "core/catalog/band_rules.h"

namespace vantrell::catalog::classes {
namespace {

constexpr AbilityBand kValorBands[] = {
    {1, 1, "Blast of Courage(1)"},
    {2, 2, "Blast of Courage(1), Debility(1)"},
    {3, 3, "Blast of Courage(1), Debility(1), Submission(1)"},
    {4, 4, "Blast of Courage(1), Debility(1), Submission(1), Minor Demoralization(1)"},
    {5, 5, "Blast of Bravery(2), Debility(1), Submission(1), Minor Demoralization(1)"},
    {6, 6, "Blast of Bravery(2), Greater Debility(2), Submission(1), Minor Demoralization(1)"},
    {7, 7, "Blast of Bravery(2), Greater Debility(2), Greater Submission(2), Minor Demoralization(1)"},
    {8, 8, "Blast of Bravery(2), Greater Debility(2), Greater Submission(2), Lesser Demoralization(2)"},
    {9, 9, "Blast of Boldness(3), Greater Debility(2), Greater Submission(2), Lesser Demoralization(2)"},
    {10, 10, "Blast of Boldness(3), Atony(3), Greater Submission(2), Lesser Demoralization(2)"},
    {11, 11, "Blast of Boldness(3), Atony(3), Surrender(3), Lesser Demoralization(2)"},
    {12, 12, "Blast of Boldness(3), Atony(3), Surrender(3), Lesser Demoralization(2), Slowness(1)"},
    {13, 13, "Blast of Boldness(3), Atony(3), Surrender(3), Demoralization(3), Slowness(1)"},
    {14, 14, "Blast of Galliance(4), Atony(3), Surrender(3), Demoralization(3), Slowness(1)"},
    {15, 15, "Blast of Galliance(4), Atony(3), Greater Surrender(4), Demoralization(3), Slowness(1)"},
    {16, 16, "Blast of Galliance(4), Greater Atony(4), Greater Surrender(4), Demoralization(3), Slowness(1)"},
    {17, 18, "Blast of Galliance(4), Greater Atony(4), Greater Surrender(4), Demoralization(3), Languor(2)"},
    {19, 19, "Blast of Galliance(4), Greater Atony(4), Greater Surrender(4), Major Demoralization(4), Languor(2)"},
    {20, 21, "Blast of Galliance(4), Greater Atony(4), Capitulation(5), Major Demoralization(4), Languor(2)"},
    {22, 22, "Blast of Galliance(4), Greater Atony(4), Capitulation(5), Major Demoralization(4), Lumber(3)"},
    {23, 23, "Blast of Defiance(5), Greater Atony(4), Capitulation(5), Major Demoralization(4), Lumber(3)"},
    {24, 26, "Blast of Defiance(5), Enervation(5), Capitulation(5), Major Demoralization(4), Lumber(3)"},
    {27, 27, "Blast of Defiance(5), Enervation(5), Capitulation(5), Greater Demoralization(5), Lumber(3)"},
    {28, 29, "Blast of Defiance(5), Enervation(5), Greater Capitulation(6), Greater Demoralization(5), Lumber(3)"},
    {30, 30, "Blast of Valiance(6), Enervation(5), Greater Capitulation(6), Greater Demoralization(5), Lumber(3)"},
    {31, 31,
     "Blast of Valiance(6), Greater Enervation(6), Greater Capitulation(6), Greater Demoralization(5), Lumber(3)"},
    {32, 35,
     "Blast of Valiance(6), Greater Enervation(6), Greater Capitulation(6), Greater Demoralization(5), Sluggishness(4)"},
    {36, 36,
     "Blast of Valiance(6), Greater Enervation(6), Greater Capitulation(6), Superior Demoralization(6), Sluggishness(4)"},
    {37, 38,
     "Blast of Valiance(6), Greater Enervation(6), Resignation(7), Superior Demoralization(6), Sluggishness(4)"},
    {39, 39, "Blast of Valiance(6), Infirmity(7), Resignation(7), Superior Demoralization(6), Sluggishness(4)"},
    {40, 41, "Blast of Heroism(7), Infirmity(7), Resignation(7), Superior Demoralization(6), Sluggishness(4)"},
    {42, 46, "Blast of Heroism(7), Infirmity(7), Resignation(7), Superior Demoralization(6), Crawl(5)"},
    {47, 47, "Blast of Heroism(7), Infirmity(7), Greater Resignation(8), Superior Demoralization(6), Crawl(5)"},
    {48, 48, "Blast of Heroism(7), Infirmity(7), Greater Resignation(8), Ultimate Demoralization(7), Crawl(5)"},
    {49, 49, "Blast of Heroism(7), Greater Infirmity(8), Greater Resignation(8), Ultimate Demoralization(7), Crawl(5)"},
    {50, std::nullopt,
     "Blast of Champion(8), Greater Infirmity(8), Greater Resignation(8), Ultimate Demoralization(7), Crawl(5)"},
};
static_assert(BandsAscending<AbilityBand>(kValorBands));

constexpr std::string_view kChampionValorBody[] = {
    "'Blast' strSpells are direct damage",
    "'Debility/Atony/Enervation/Infirmity' strSpells are strength/constitution debuffs",
    "'Submission/Surrender/Capitulation/Resignation' strSpells are dexterity/quickness debuffs",
    "'Demoralization' strSpells are attack speed debuffs",
    "'Slowness/Lumber/Crawl/etc' strSpells are snaring strSpells",
};
constexpr DescriptionMessage kChampionValor{"Champion - Valor", kChampionValorBody};
constexpr DescriptionMessage kChampionBlades{"Champion - Blades", kBladesBody};
constexpr DescriptionMessage kChampionBlunts{"Champion - Blunts", kBluntsBody};
constexpr DescriptionMessage kChampionPiercing{"Champion - Piercing", kPiercingBody};
constexpr DescriptionMessage kChampionLargeWeapons{"Champion - Large Weapons", kLargeWeaponsBody};
constexpr DescriptionMessage kChampionShield{"Champion - Shield", kShieldBody};

constexpr SpecLineDefinition kChampionLines[] = {
    {.stem = "Valor",
     .caption = "Valor",
     .captionColour = colour::kBlue,
     .abilitiesColour = std::nullopt,
     .abilitiesKind = AbilitiesKind::Skills,
     .bands = kValorBands,
     .description = &kChampionValor,
     .cap = LineCap::CharacterLevel},
    WeaponLine("Blades", "Blades", colour::kDarkGreen, "Blades styles 1->", &kChampionBlades),
    WeaponLine("Blunts", "Blunts", colour::kPurple, "Blunts styles 1->", &kChampionBlunts),
    WeaponLine("Pierce", "Piercing", colour::kMaroon, "Piercing styles 1->", &kChampionPiercing),
    WeaponLine("Large", "Large Weapons", colour::kDarkRed, "Large Weapons styles 1->", &kChampionLargeWeapons),
    ShieldLine(colour::kDarkGrey, &kChampionShield),
    ParryLine(10),
};

}  // namespace

constinit const ClassDefinition kChampion{.listName = "Champion",
                                          .realm = Realm::Hibernia,
                                          .titleCaption = "Champion",
                                          .pointsRule = {2.0},
                                          .pointsPerLevelCaption = "Points/Level:",
                                          .pointsPerLevelText = "2.0",
                                          .lines = kChampionLines};

}  // namespace vantrell::catalog::classes

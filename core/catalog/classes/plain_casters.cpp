// The nine three-line spell casters: factor 1, no caps, no tables, no explanations.
#include "core/catalog/classes/classes.h"

namespace vantrell::catalog::classes {
namespace {

constexpr SpecLineDefinition PlainLine(std::string_view stem, std::string_view caption, Rgb colour) {
    return {.stem = stem,
            .caption = caption,
            .captionColour = colour,
            .abilitiesColour = std::nullopt,
            .abilitiesKind = AbilitiesKind::Spells};
}

constexpr SpecLineDefinition First(std::string_view stem, std::string_view caption) {
    return PlainLine(stem, caption, colour::kBlue);
}
constexpr SpecLineDefinition Second(std::string_view stem, std::string_view caption) {
    return PlainLine(stem, caption, colour::kDarkGreen);
}
constexpr SpecLineDefinition Third(std::string_view stem, std::string_view caption) {
    return PlainLine(stem, caption, colour::kPurple);
}

constexpr ClassDefinition PlainCaster(std::string_view listName, Realm realm, std::string_view title,
                                      std::string_view pointsPerLevelCaption,
                                      std::span<const SpecLineDefinition> lines) {
    return {.listName = listName,
            .realm = realm,
            .titleCaption = title,
            .pointsRule = {1.0},
            .pointsPerLevelCaption = pointsPerLevelCaption,
            .pointsPerLevelText = "1.0",
            .lines = lines,
            .levelRefreshOrder = {},
            .maximaOrder = {},
            .statsFrameStartsDisabled = true};
}

constexpr std::string_view kPointsLvll = "Points/Lvll:";
constexpr std::string_view kPointsPerLevel = "Points Per Level:";

constexpr SpecLineDefinition kCabalistLines[] = {First("Matter", "Matter"), Second("Body", "Body Destruction"),
                                                 Third("Spirit", "Spirit Animation")};
constexpr SpecLineDefinition kClericLines[] = {First("Rejuvination", "Rejuvination"), Second("Enhance", "Enhance"),
                                               Third("Smiting", "Smiting")};
constexpr SpecLineDefinition kSorcerorLines[] = {First("Matter", "Matter"), Second("Body", "Body Destruction"),
                                                 Third("Mind", "Mind Twisting")};
constexpr SpecLineDefinition kTheurgistLines[] = {First("Earth", "Path of Earth"), Second("Ice", "Path of Ice"),
                                                  Third("Air", "Path of Air")};
constexpr SpecLineDefinition kWizardLines[] = {First("Earth", "Path of Earth"), Second("Ice", "Path of Ice"),
                                               Third("Fire", "Path of Fire")};
constexpr SpecLineDefinition kHealerLines[] = {First("Mending", "Mending"), Second("Augmentation", "Augmentation"),
                                               Third("Pacification", "Pacification")};
constexpr SpecLineDefinition kRunemasterLines[] = {First("Darkness", "Darkness"), Second("Supression", "Supression"),
                                                   Third("Runecarving", "Runecarving")};
constexpr SpecLineDefinition kShamanLines[] = {First("Mending", "Mending"), Second("Augmentation", "Augmentation"),
                                               Third("Subterranean", "Subterranean Incantations")};
constexpr SpecLineDefinition kSpiritmasterLines[] = {First("Darkness", "Darkness"), Second("Supression", "Supression"),
                                                     Third("Summoning", "Summoning")};

}  // namespace

constinit const ClassDefinition kCabalist =
    PlainCaster("Cabalist", Realm::Albion, "Cabalist", kPointsLvll, kCabalistLines);
constinit const ClassDefinition kCleric = PlainCaster("Cleric", Realm::Albion, "Cleric", kPointsLvll, kClericLines);
constinit const ClassDefinition kSorceror =
    PlainCaster("Sorceror", Realm::Albion, "Sorcerer", kPointsPerLevel, kSorcerorLines);
constinit const ClassDefinition kTheurgist =
    PlainCaster("Theurgist", Realm::Albion, "Theurgist", kPointsPerLevel, kTheurgistLines);
constinit const ClassDefinition kWizard = PlainCaster("Wizard", Realm::Albion, "Wizard", kPointsPerLevel, kWizardLines);
constinit const ClassDefinition kHealer = PlainCaster("Healer", Realm::Midgard, "Healer", kPointsLvll, kHealerLines);
constinit const ClassDefinition kRunemaster =
    PlainCaster("Runemaster", Realm::Midgard, "Runemaster", kPointsLvll, kRunemasterLines);
constinit const ClassDefinition kShaman = PlainCaster("Shaman", Realm::Midgard, "Shaman", kPointsLvll, kShamanLines);
constinit const ClassDefinition kSpiritmaster =
    PlainCaster("Spiritmaster", Realm::Midgard, "Spiritmaster", kPointsLvll, kSpiritmasterLines);

}  // namespace vantrell::catalog::classes

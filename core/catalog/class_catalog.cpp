#include "core/catalog/class_catalog.h"

#include "core/catalog/classes/classes.h"

namespace vantrell::catalog {
namespace {

using namespace classes;

constexpr const ClassDefinition* kAllClasses[] = {
    // Albion
    &kArmsman,
    &kCabalist,
    &kCleric,
    &kFriar,
    &kInfiltrator,
    &kMercenary,
    &kMinstrel,
    &kPaladin,
    &kScout,
    &kSorceror,
    &kTheurgist,
    &kWizard,
    // Hibernia
    &kBard,
    &kBlademaster,
    &kChampion,
    &kDruid,
    &kEldritch,
    &kEnchanter,
    &kHero,
    &kMentalist,
    &kNightshade,
    &kRanger,
    &kWarden,
    // Midgard
    &kBerserker,
    &kHealer,
    &kHunter,
    &kRunemaster,
    &kShadowblade,
    &kShaman,
    &kSkald,
    &kSpiritmaster,
    &kThane,
    &kWarrior,
};

constexpr std::size_t kAlbionCount = 12;
constexpr std::size_t kHiberniaCount = 11;
constexpr std::size_t kMidgardCount = 10;
static_assert(kAlbionCount + kHiberniaCount + kMidgardCount == std::size(kAllClasses));

}  // namespace

std::span<const ClassDefinition* const> ClassCatalog::AllClasses() { return kAllClasses; }

std::span<const ClassDefinition* const> ClassCatalog::ClassesOf(Realm realm) {
    const std::span<const ClassDefinition* const> all = kAllClasses;
    switch (realm) {
    case Realm::Albion: return all.subspan(0, kAlbionCount);
    case Realm::Hibernia: return all.subspan(kAlbionCount, kHiberniaCount);
    case Realm::Midgard: return all.subspan(kAlbionCount + kHiberniaCount, kMidgardCount);
    }
    return {};
}

const ClassDefinition* ClassCatalog::Find(Realm realm, std::string_view listName) {
    for (const ClassDefinition* definition : ClassesOf(realm)) {
        if (definition->listName == listName) return definition;
    }
    return nullptr;
}

const ClassDefinition* ClassCatalog::Find(std::string_view listName) {
    for (Realm realm : kRealms) {
        if (const ClassDefinition* definition = Find(realm, listName)) return definition;
    }
    return nullptr;
}

}  // namespace vantrell::catalog

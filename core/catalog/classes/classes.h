#pragma once

#include "core/catalog/records.h"

// Every class record, each defined in the source of its group.
namespace vantrell::catalog::classes {

extern const ClassDefinition kArmsman, kCabalist, kCleric, kFriar, kInfiltrator, kMercenary, kMinstrel, kPaladin,
    kScout, kSorceror, kTheurgist, kWizard;
extern const ClassDefinition kBard, kBlademaster, kChampion, kDruid, kEldritch, kEnchanter, kHero, kMentalist,
    kNightshade, kRanger, kWarden;
extern const ClassDefinition kBerserker, kHealer, kHunter, kRunemaster, kShadowblade, kShaman, kSkald, kSpiritmaster,
    kThane, kWarrior;

}  // namespace vantrell::catalog::classes

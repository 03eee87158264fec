#pragma once

#include "core/catalog/band_rules.h"
#include "core/catalog/records.h"

namespace vantrell::catalog {

inline constexpr StyleBand kWeaponStyleBands[] = {
    {2, 3},   {4, 5},   {6, 7},   {8, 9},   {10, 11}, {12, 14}, {15, 17},           {18, 20},
    {21, 24}, {25, 28}, {29, 33}, {34, 38}, {39, 43}, {44, 49}, {50, std::nullopt},
};

inline constexpr StyleBand kShieldStyleBands[] = {
    {3, 7}, {8, 12}, {13, 17}, {18, 22}, {23, 28}, {29, 34}, {35, 41}, {42, 49}, {50, std::nullopt},
};

inline constexpr StyleSchedule kWeaponStyleSchedule{"weapon style schedule", kWeaponStyleBands};
inline constexpr StyleSchedule kShieldStyleSchedule{"shield style schedule", kShieldStyleBands};

static_assert(BandsAscending<StyleBand>(kWeaponStyleBands));
static_assert(BandsAscending<StyleBand>(kShieldStyleBands));

constexpr StyleScheduleUse WeaponStyles(std::string_view styleText) { return {&kWeaponStyleSchedule, styleText}; }

constexpr StyleScheduleUse ShieldStyles(std::string_view styleText) { return {&kShieldStyleSchedule, styleText}; }

}  // namespace vantrell::catalog

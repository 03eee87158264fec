#pragma once

#include <span>

#include "core/catalog/records.h"

namespace vantrell::catalog {

// Bands of one table must be ascending and must not overlap; gaps are allowed.
// Only the last band may be open.
template <typename Band>
constexpr bool BandsAscending(std::span<const Band> bands) {
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const Band& band = bands[i];
        const bool last = i + 1 == bands.size();
        if (!band.highLevel) {
            if (!last) return false;
        } else if (*band.highLevel < band.lowLevel) {
            return false;
        }
        if (!last && band.highLevel && bands[i + 1].lowLevel <= *band.highLevel) return false;
    }
    return true;
}

}  // namespace vantrell::catalog

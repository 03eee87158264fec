#pragma once

#include <string>

#include "core/catalog/records.h"

namespace vantrell::catalog {

// The window's control names for one line, with the per-class exceptions applied.
struct LineControlNames {
    std::string slider;
    std::string level;
    std::string points;
    std::string percent;
    std::string abilities;  // empty for a line without an abilities label
};

LineControlNames ControlNamesOf(const SpecLineDefinition& line);

}  // namespace vantrell::catalog

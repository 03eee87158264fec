#pragma once

#include <cstdint>
#include <string>

#include "catalog/records.h"

namespace vantrell::catalog {

// The abilities text a line shows at a specialization level; empty where no
// band holds the level.
std::string AbilitiesTextFor(const SpecLineDefinition& line, std::int16_t level);

// An explanation's body as its message box shows it: lines joined by CR LF.
std::string ExplanationText(const DescriptionMessage& message);

}  // namespace vantrell::catalog

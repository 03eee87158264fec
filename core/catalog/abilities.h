#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/catalog/records.h"

namespace vantrell::catalog {

// The abilities text a line shows at a specialization level; empty where no
// band holds the level.
std::string AbilitiesTextFor(const SpecLineDefinition& line, std::int16_t level);

// An explanation's body as its message box shows it: lines joined by CR LF,
// or by `lineBreak` where a front end breaks lines otherwise.
std::string ExplanationText(const DescriptionMessage& message, std::string_view lineBreak = "\r\n");

}  // namespace vantrell::catalog

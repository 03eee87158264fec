#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/catalog/records.h"

namespace vantrell::planner {

struct NextUnlock {
    std::int16_t level = 0;
    std::string text;
    std::int16_t cost = 0;  // points from the line's current level
};

// Whether the line's abilities text changes with its level at all.
bool HasAbilityTable(const catalog::SpecLineDefinition& line);

// The next specialization level above `level` at which the line's text changes;
// nothing once every band is reached.
std::optional<NextUnlock> NextUnlockAfter(const catalog::SpecLineDefinition& line, std::int16_t level);

// What hovering a line's abilities text tells; empty for a line without a table.
std::string NextUnlockHint(const catalog::SpecLineDefinition& line, std::int16_t level);

// What a line not yet open says of itself: the character level that opens it.
std::string OpeningHint(const catalog::SpecLineDefinition& line);

// The abilities text's tooltip: the next-unlock hint, or for a line not yet
// open, the character level that opens it.
std::string AbilitiesTooltip(const catalog::SpecLineDefinition& line, std::int16_t level, bool lineOpen);

}  // namespace vantrell::planner

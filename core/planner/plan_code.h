#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/catalog/records.h"
#include "core/planner/planner.h"

namespace vantrell::planner {

// A plan in a short printable form: "VT1:Healer:50:10.1.1" holds the format's
// version, the class, the character level and each line's level in screen order.
struct PlanCode {
    const catalog::ClassDefinition* definition = nullptr;
    std::int16_t characterLevel = 0;
    std::vector<std::int16_t> lineLevels;
};

inline constexpr int kPlanCodeVersion = 1;

std::string EncodePlanCode(const Planner& planner);

// The decoded plan, or why the text is not one this version reads.
std::variant<PlanCode, std::string> DecodePlanCode(std::string_view text);

// What a user pasted, reduced to the text to decode: a link carries its plan
// after the first '#', anything else is taken as a code. A browser may have
// escaped the fragment ("%3A" for ':'); it is read as the address bar reads it.
std::string PlanCodeTextOf(std::string_view codeOrLink);

struct LoweredLine {
    std::string_view caption;
    std::int16_t requested = 0;
    std::int16_t applied = 0;
};

// Applies a plan of the planner's class as a user would: the level is picked
// first, every line goes back to 1, then each is moved to its level in screen
// order. Returns the lines the rules kept below their requested level.
std::vector<LoweredLine> ApplyPlanCode(Planner& planner, const PlanCode& code);

// What to tell the user about lines a pasted plan could not reach; empty when it fitted.
std::string DescribeLoweredLines(const std::vector<LoweredLine>& lowered);

}  // namespace vantrell::planner

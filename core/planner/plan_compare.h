#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/catalog/records.h"
#include "core/planner/plan_code.h"
#include "core/planner/planner.h"

namespace vantrell::planner {

// One plan's side of a comparison.
struct ComparedPlan {
    std::int16_t characterLevel = 0;
    long long totalPoints = 0;
    long long pointsLeft = 0;
    std::int16_t completeFrom = 0;  // see CompleteFrom

    bool operator==(const ComparedPlan&) const = default;
};

// One line's level, points and abilities text, as the planner shows them.
struct ComparedSide {
    std::int16_t level = 1;
    std::int16_t points = 0;
    std::string abilities;

    bool operator==(const ComparedSide&) const = default;
};

struct ComparedLine {
    std::string_view stem;
    std::string_view caption;
    ComparedSide a;
    ComparedSide b;
    bool differs = false;  // in level, points or abilities

    bool operator==(const ComparedLine&) const = default;
};

// Two plans of one class side by side, the lines in screen order.
struct PlanComparison {
    const catalog::ClassDefinition* definition = nullptr;
    ComparedPlan a;
    ComparedPlan b;
    std::vector<ComparedLine> lines;
    // The lines B's code asked for above what the rules kept.
    std::vector<LoweredLine> lowered;
    // Whether B's figures stand in the first columns, as Swapped leaves them;
    // the headings and the text still call each plan by its own letter.
    bool bFirst = false;
};

// Plan A is the planner's; plan B is applied to a fresh planner of the class
// exactly as Paste Plan Code applies it. Plans of two classes cannot be
// compared: the reason names both.
std::variant<PlanComparison, std::string> ComparePlans(const Planner& a, const PlanCode& b);
// B as a user gives it: a code or a link.
std::variant<PlanComparison, std::string> ComparePlans(const Planner& a, std::string_view codeOrLink);

// The same comparison with the sides exchanged, to show B first or, swapped
// again, A; `lowered` still names what the rules kept lower in B.
PlanComparison Swapped(PlanComparison comparison);

// The headings over the first side's level, points and abilities, then the second's.
std::array<std::string_view, 6> SideHeadings(const PlanComparison& comparison);

// The lowest character level, from 6 to the planner's, at which the plan's line
// levels can all be held: every line above 1 is open, none is above its cap,
// and the plan's cost fits the points.
std::int16_t CompleteFrom(const Planner& planner);

// The comparison as plain text for a monospaced post: one aligned row a line,
// a marker on the rows that differ, then the character level, points left and
// the level each plan is complete from.
std::string ComparisonAsText(const PlanComparison& comparison);

}  // namespace vantrell::planner

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/records.h"
#include "core/planner/plan_compare.h"
#include "core/planner/planner.h"
#include "core/planner/training_path_view.h"

namespace vantrell::planner {

// What a column holds, which says how each rendering sets it.
enum class ColumnKind {
    kName,    // the row's caption, in its catalog colour
    kNumber,  // right-aligned; a one-line copy names it beside its value
    kDetail,  // a number a one-line copy leaves out
    kText,    // free text, wrapped where it must be
};

// Numbers stand right-aligned in every rendering that aligns.
constexpr bool RightAligned(ColumnKind kind) { return kind == ColumnKind::kNumber || kind == ColumnKind::kDetail; }

struct TableColumn {
    std::string heading;
    ColumnKind kind = ColumnKind::kNumber;
};

struct TableCell {
    std::string text;
    std::optional<catalog::Rgb> colour;
};

// A plan as every copy of it shows it: a title, one row per line under the
// column headings, then the lines that follow and the plan's code.
struct TableDocument {
    std::string title;
    catalog::Rgb titleColour;
    std::vector<TableColumn> columns;
    std::vector<std::vector<TableCell>> rows;
    std::vector<std::string> after;
    std::string code;
    // The user's own words on a saved plan, line breaks and all; empty when there are none.
    std::string note;
};

// "Healer, Level 40": the title of every table of a plan.
std::string PlanTitle(const Planner& planner);
TableDocument PlanTable(const Planner& planner, std::string_view note = {});
// A training path: a row per character level, each line's level in it (after
// the rose marker where it rose), the points left and the abilities gained.
TableDocument PathTable(const Planner& planner, const TrainingPathView& view, std::string_view note = {});
// Two plans side by side, a line a row, the character level and points left after.
TableDocument ComparisonTable(const PlanComparison& comparison);

}  // namespace vantrell::planner

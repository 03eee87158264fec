// The tables of a training path and of a comparison; the plan's own is beside the document.
#include <string>

#include "core/planner/plain_decimal.h"
#include "core/planner/plan_code.h"
#include "core/planner/table_document.h"
#include "core/texts/captions.h"

namespace vantrell::planner {
namespace {

namespace captions = texts::captions;

std::string Joined(const std::vector<NewAbilityView>& abilities) {
    std::string text;
    for (const NewAbilityView& ability : abilities) text.append(text.empty() ? "" : "; ").append(ability.text);
    return text;
}

}  // namespace

TableDocument PathTable(const Planner& planner, const TrainingPathView& view, std::string_view note) {
    const catalog::ClassDefinition& definition = planner.definition();
    TableDocument table{.title = PlanTitle(planner),
                        .titleColour = catalog::colour::kBlue,
                        .columns = {{std::string(captions::kPathLevel), ColumnKind::kName}},
                        .rows = {},
                        .after = {view.intro},
                        .code = EncodePlanCode(planner),
                        .note = std::string(note)};
    for (const catalog::SpecLineDefinition& line : definition.lines) table.columns.push_back({std::string(line.caption)});
    table.columns.push_back({std::string(captions::kPathPointsLeft)});
    table.columns.push_back({std::string(captions::kNewAbilities), ColumnKind::kText});
    for (const PathRowView& row : view.rows) {
        std::vector<TableCell> cells{{PlainDecimal(row.characterLevel), std::nullopt}};
        for (const PathCellView& cell : row.cells) cells.push_back({cell.text, std::nullopt});
        cells.push_back({row.pointsLeft, std::nullopt});
        cells.push_back({Joined(row.newAbilities), std::nullopt});
        table.rows.push_back(std::move(cells));
    }
    return table;
}

TableDocument ComparisonTable(const PlanComparison& comparison) {
    const auto number = [](long long value) { return PlainDecimal(static_cast<double>(value)); };
    const auto& headings = SideHeadings(comparison);
    TableDocument table{.title = std::string(comparison.definition->titleCaption),
                        .titleColour = catalog::colour::kBlue,
                        .columns = {{std::string(captions::kComparedLine), ColumnKind::kName}},
                        .rows = {},
                        .after = {},
                        .code = {},
                        .note = {}};
    for (std::size_t side = 0; side < headings.size(); ++side) {
        table.columns.push_back({std::string(headings[side]), side % 3 == 2 ? ColumnKind::kText : ColumnKind::kNumber});
    }
    for (const ComparedLine& line : comparison.lines) {
        std::string caption(line.caption);
        if (line.differs) caption.append(" ").append(captions::kComparedDiffersMarker);
        table.rows.push_back({{caption, std::nullopt},
                              {number(line.a.level), std::nullopt},
                              {number(line.a.points), std::nullopt},
                              {line.a.abilities, std::nullopt},
                              {number(line.b.level), std::nullopt},
                              {number(line.b.points), std::nullopt},
                              {line.b.abilities, std::nullopt}});
    }
    for (const auto& [caption, a, b] : {std::tuple{captions::kComparedCharacterLevel, number(comparison.a.characterLevel),
                                                   number(comparison.b.characterLevel)},
                                        std::tuple{captions::kPathPointsLeft, number(comparison.a.pointsLeft),
                                                   number(comparison.b.pointsLeft)},
                                        std::tuple{captions::kComparedCompleteFrom, number(comparison.a.completeFrom),
                                                   number(comparison.b.completeFrom)}}) {
        table.after.push_back(std::string(caption).append(": ").append(a).append(" / ").append(b));
    }
    return table;
}

}  // namespace vantrell::planner

#include "tools/scenario/training_path_json.h"

#include "tools/scenario/json_text.h"

namespace vantrell::scenario {
namespace {

Json RowJson(const planner::PathRowView& row, double pointsLeft) {
    Json levels = Json::array();
    for (const planner::PathCellView& cell : row.cells) levels.push_back(cell.level);
    Json changed = Json::array();
    for (const planner::NewAbilityView& ability : row.newAbilities) {
        changed.push_back({{"stem", ability.stem}, {"abilities", ability.abilities}});
    }
    // Points left always hold a whole number, which the line writes without a decimal point.
    return {{"level", row.characterLevel},
            {"lines", std::move(levels)},
            {"left", static_cast<long long>(pointsLeft)},
            {"changed", std::move(changed)}};
}

}  // namespace

std::string TrainingPathJson(const planner::TrainingPathView& view, std::span<const planner::TrainingStep> path) {
    Json rows = Json::array();
    for (std::size_t index = 0; index < view.rows.size(); ++index) {
        rows.push_back(RowJson(view.rows[index], path[index].pointsLeft));
    }
    return JsonLine({{"path", std::move(rows)}});
}

}  // namespace vantrell::scenario

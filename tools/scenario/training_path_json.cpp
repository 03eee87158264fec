#include "tools/scenario/training_path_json.h"

#include "core/planner/record_json.h"
#include "tools/scenario/json_text.h"

namespace vantrell::scenario {

std::string TrainingPathJson(const planner::TrainingPathView& view) {
    Json rows = Json::array();
    for (const planner::PathRowView& row : view.rows) rows.push_back(planner::records::JsonOf(row));
    return JsonLine({{"path", std::move(rows)}});
}

}  // namespace vantrell::scenario

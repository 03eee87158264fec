#include "tools/scenario/training_path_json.h"

#include "tools/scenario/json_text.h"

namespace vantrell::scenario {
namespace {

std::string RowJson(const planner::PathRowView& row) {
    std::string json = "{\"level\":" + std::to_string(row.characterLevel) + ",\"lines\":[";
    for (std::size_t line = 0; line < row.cells.size(); ++line) {
        if (line > 0) json += ',';
        json += std::to_string(row.cells[line].level);
    }
    json += "],\"left\":" + row.pointsLeft + ",\"changed\":[";
    for (std::size_t index = 0; index < row.newAbilities.size(); ++index) {
        if (index > 0) json += ',';
        json += "{\"stem\":" + JsonString(row.newAbilities[index].stem) +
                ",\"abilities\":" + JsonString(row.newAbilities[index].abilities) + '}';
    }
    return json + "]}";
}

}  // namespace

std::string TrainingPathJson(const planner::TrainingPathView& path) {
    std::string json = "{\"path\":[";
    for (std::size_t index = 0; index < path.rows.size(); ++index) {
        if (index > 0) json += ',';
        json += RowJson(path.rows[index]);
    }
    return json + "]}";
}

}  // namespace vantrell::scenario

#include "tools/scenario/training_path_json.h"

#include "core/catalog/abilities.h"
#include "core/planner/plain_decimal.h"
#include "tools/scenario/json_text.h"

namespace vantrell::scenario {
namespace {

std::string StepJson(const catalog::ClassDefinition& definition, const planner::TrainingStep& step) {
    std::string json = "{\"level\":" + std::to_string(step.characterLevel) + ",\"lines\":[";
    for (std::size_t line = 0; line < step.lineLevels.size(); ++line) {
        if (line > 0) json += ',';
        json += std::to_string(step.lineLevels[line]);
    }
    json += "],\"left\":" + planner::PlainDecimal(step.pointsLeft) + ",\"changed\":[";
    for (std::size_t index = 0; index < step.changedLines.size(); ++index) {
        const std::size_t line = step.changedLines[index];
        if (index > 0) json += ',';
        json += "{\"stem\":" + JsonString(definition.lines[line].stem) + ",\"abilities\":" +
                JsonString(catalog::AbilitiesTextFor(definition.lines[line], step.lineLevels[line])) + '}';
    }
    return json + "]}";
}

}  // namespace

std::string TrainingPathJson(const catalog::ClassDefinition& definition, std::span<const planner::TrainingStep> path) {
    std::string json = "{\"path\":[";
    for (std::size_t index = 0; index < path.size(); ++index) {
        if (index > 0) json += ',';
        json += StepJson(definition, path[index]);
    }
    return json + "]}";
}

}  // namespace vantrell::scenario

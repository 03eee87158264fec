#include "tools/scenario/planner_json.h"

#include "core/catalog/abilities.h"
#include "tools/scenario/json_text.h"

namespace vantrell::scenario {
namespace {

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string LineJson(const planner::Planner& planner, std::size_t index) {
    const catalog::SpecLineDefinition& line = planner.definition().lines[index];
    const planner::LinePlan& plan = planner.state().lines[index];
    const planner::LineDisplay& shown = planner.display().lines[index];
    std::string json = "{\"stem\":" + JsonString(line.stem);
    json += ",\"value\":" + std::to_string(shown.sliderValue);
    json += ",\"min\":" + std::to_string(planner::kSliderMinimum);
    json += ",\"max\":" + std::to_string(plan.sliderMaximum);
    json += ",\"enabled\":" + Bool(planner.SliderEnabled(index));
    json += ",\"level\":" + JsonString(shown.level);
    json += ",\"points\":" + JsonString(shown.points);
    json += ",\"percent\":" + JsonString(shown.percent);
    json += ",\"abilities\":" + JsonString(shown.abilities);
    json += '}';
    return json;
}

}  // namespace

std::string PlannerJson(const planner::Planner& planner) {
    const catalog::ClassDefinition& definition = planner.definition();
    std::string json = "{\"class\":" + JsonString(definition.listName);
    json += ",\"title\":" + JsonString(definition.titleCaption);
    json += ",\"level\":" + std::to_string(planner.state().characterLevel);
    json += ",\"total\":" + JsonString(planner.display().totalPoints);
    json += ",\"left\":" + JsonString(planner.display().pointsLeft);
    json += ",\"lines\":[";
    for (std::size_t index = 0; index < definition.lines.size(); ++index) {
        if (index > 0) json += ',';
        json += LineJson(planner, index);
    }
    json += "]}";
    return json;
}

std::string MessageJson(const catalog::DescriptionMessage* message) {
    if (message == nullptr) return "{\"message\":null}";
    return "{\"message\":{\"title\":" + JsonString(message->title) +
           ",\"text\":" + JsonString(catalog::ExplanationText(*message)) + "}}";
}

}  // namespace vantrell::scenario

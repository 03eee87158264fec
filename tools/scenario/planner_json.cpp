#include "tools/scenario/planner_json.h"

#include "core/catalog/abilities.h"
#include "core/planner/planner_view.h"
#include "tools/scenario/json_text.h"

namespace vantrell::scenario {
namespace {

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string LineJson(const catalog::SpecLineDefinition& line, const planner::LineView& shown) {
    std::string json = "{\"stem\":" + JsonString(line.stem);
    json += ",\"value\":" + std::to_string(shown.sliderValue);
    json += ",\"min\":" + std::to_string(shown.sliderMinimum);
    json += ",\"max\":" + std::to_string(shown.sliderMaximum);
    json += ",\"enabled\":" + Bool(shown.sliderEnabled);
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
    const planner::PlannerView view = planner::ViewOf(planner);
    std::string json = "{\"class\":" + JsonString(definition.listName);
    json += ",\"title\":" + JsonString(definition.titleCaption);
    json += ",\"level\":" + std::to_string(view.characterLevel);
    json += ",\"total\":" + JsonString(view.totalPoints);
    json += ",\"left\":" + JsonString(view.pointsLeft);
    json += ",\"lines\":[";
    for (std::size_t index = 0; index < view.lines.size(); ++index) {
        if (index > 0) json += ',';
        json += LineJson(definition.lines[index], view.lines[index]);
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

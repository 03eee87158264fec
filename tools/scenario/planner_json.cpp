#include "tools/scenario/planner_json.h"

#include "core/catalog/abilities.h"
#include "core/planner/planner_view.h"
#include "tools/scenario/json_text.h"

namespace vantrell::scenario {
namespace {

Json LineJson(const catalog::SpecLineDefinition& line, const planner::LineView& shown) {
    return {{"stem", line.stem},          {"value", shown.sliderValue},     {"min", shown.sliderMinimum},
            {"max", shown.sliderMaximum}, {"enabled", shown.sliderEnabled}, {"level", shown.level},
            {"points", shown.points},     {"percent", shown.percent},       {"abilities", shown.abilities}};
}

}  // namespace

std::string PlannerJson(const planner::Planner& planner) {
    const catalog::ClassDefinition& definition = planner.definition();
    const planner::PlannerView view = planner::ViewOf(planner);
    Json lines = Json::array();
    for (std::size_t index = 0; index < view.lines.size(); ++index) {
        lines.push_back(LineJson(definition.lines[index], view.lines[index]));
    }
    return JsonLine({{"class", definition.listName},
                     {"title", definition.titleCaption},
                     {"level", view.characterLevel},
                     {"total", view.totalPoints},
                     {"left", view.pointsLeft},
                     {"lines", std::move(lines)}});
}

std::string MessageJson(const catalog::DescriptionMessage* message) {
    if (message == nullptr) return JsonLine({{"message", nullptr}});
    return JsonLine({{"message", {{"title", message->title}, {"text", catalog::ExplanationText(*message)}}}});
}

}  // namespace vantrell::scenario

#include "tools/scenario/planner_json.h"

#include "core/catalog/abilities.h"
#include "core/planner/record_json.h"
#include "tools/scenario/json_text.h"

namespace vantrell::scenario {

std::string PlannerJson(const planner::Planner& planner) { return planner::records::ShowLine(planner); }

std::string MessageJson(const catalog::DescriptionMessage* message) {
    if (message == nullptr) return JsonLine({{"message", nullptr}});
    return JsonLine({{"message", {{"title", message->title}, {"text", catalog::ExplanationText(*message)}}}});
}

}  // namespace vantrell::scenario

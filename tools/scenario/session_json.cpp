#include "tools/scenario/session_json.h"

#include "core/planner/record_json.h"
#include "tools/scenario/json_text.h"

namespace vantrell::scenario {
namespace {

Json LoweredJson(const std::vector<planner::LoweredLine>& lowered) {
    Json lines = Json::array();
    for (const planner::LoweredLine& line : lowered) {
        lines.push_back({{"caption", line.caption}, {"requested", line.requested}, {"applied", line.applied}});
    }
    return lines;
}

Json SideJson(const planner::ComparedPlan& plan) {
    return {{"level", plan.characterLevel}, {"total", plan.totalPoints}, {"left", plan.pointsLeft}};
}

Json LineSideJson(const planner::ComparedSide& side) {
    return {{"level", side.level}, {"points", side.points}, {"abilities", side.abilities}};
}

}  // namespace

std::string ComparisonJson(const planner::PlanComparison& comparison) {
    Json lines = Json::array();
    for (const planner::ComparedLine& line : comparison.lines) {
        lines.push_back(
            {{"stem", line.stem}, {"a", LineSideJson(line.a)}, {"b", LineSideJson(line.b)}, {"differs", line.differs}});
    }
    return JsonLine({{"compare",
                      {{"class", comparison.definition->listName},
                       {"a", SideJson(comparison.a)},
                       {"b", SideJson(comparison.b)},
                       {"lines", std::move(lines)},
                       {"lowered", LoweredJson(comparison.lowered)}}}});
}

std::string AppliedJson(std::string_view listName, const std::vector<planner::LoweredLine>& lowered) {
    return JsonLine({{"applied", listName}, {"lowered", LoweredJson(lowered)}});
}

std::string LoadedJson(std::string_view name, std::string_view listName,
                       const std::vector<planner::LoweredLine>& lowered) {
    return JsonLine({{"loaded", name}, {"class", listName}, {"lowered", LoweredJson(lowered)}});
}

std::string PlansJson(const planner::PlanLibrary& library) {
    return JsonLine({{"plans", planner::records::JsonOf(library)}});
}

std::string ImportedJson(std::size_t plans, std::size_t unusable) {
    return JsonLine({{"imported", plans}, {"unusable", unusable}});
}

std::string FieldJson(std::string_view key, std::string_view text) { return JsonLine({{std::string(key), text}}); }
std::string FieldJson(std::string_view key, std::size_t number) { return JsonLine({{std::string(key), number}}); }

std::string ErrorJson(std::string_view reason) { return JsonLine({{"error", reason}}); }

std::string HistoryJson(std::size_t undo, std::size_t redo) { return JsonLine({{"undo", undo}, {"redo", redo}}); }

}  // namespace vantrell::scenario

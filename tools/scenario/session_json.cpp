#include "tools/scenario/session_json.h"

#include "core/planner/record_json.h"
#include "tools/scenario/json_text.h"

namespace vantrell::scenario {
namespace {

// A line that names what was done, followed by the record's own fields.
std::string Headed(Json head, const Json& record) {
    head.update(record);
    return JsonLine(head);
}

}  // namespace

std::string ComparisonJson(const planner::PlanComparison& comparison) { return planner::records::CompareLine(comparison); }

std::string AppliedJson(std::string_view listName, const planner::Session::Applied& applied) {
    return Headed({{"applied", listName}}, planner::records::JsonOf(applied));
}

std::string LoadedJson(std::string_view name, std::string_view listName, const planner::Session::Applied& applied) {
    return Headed({{"loaded", name}, {"class", listName}}, planner::records::JsonOf(applied));
}

std::string PlansJson(const planner::PlanLibrary& library) {
    return JsonLine({{"plans", planner::records::JsonOf(library)}});
}

std::string ImportedJson(std::size_t plans, std::size_t unusable) {
    return JsonLine({{"imported", plans}, {"unusable", unusable}});
}

std::string FieldJson(std::string_view key, std::string_view text) { return JsonLine({{std::string(key), text}}); }
std::string FieldJson(std::string_view key, std::size_t number) { return JsonLine({{std::string(key), number}}); }

std::string FormatJson(std::string_view format, std::string_view text) {
    return JsonLine({{"format", format}, {"text", text}});
}

std::string ErrorJson(std::string_view reason) { return JsonLine({{"error", reason}}); }

std::string HistoryJson(std::size_t undo, std::size_t redo) { return JsonLine({{"undo", undo}, {"redo", redo}}); }

}  // namespace vantrell::scenario

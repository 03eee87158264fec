#include "tools/cli/cli_commands.h"

#include <variant>

#include "core/planner/plan_compare.h"
#include "core/planner/plan_formats.h"
#include "core/planner/record_json.h"
#include "core/planner/session.h"
#include "core/planner/training_path.h"
#include "core/planner/training_path_view.h"
#include "core/texts/driver_texts.h"

namespace vantrell::cli {
namespace {

// The text a format names, or why there is none: the same checks whatever the command.
Outcome Written(std::optional<std::string> text, std::string_view format) {
    if (!text) return {.text = {}, .fault = texts::driver::UnknownFormat(format)};
    return {.text = std::move(*text), .fault = {}};
}

// A session with the code applied as the driver's `apply` applies it.
struct Applied {
    planner::Session session;
    planner::Planner* planner = nullptr;
    std::string fault;
};

std::unique_ptr<Applied> ApplyCode(std::string_view codeOrLink) {
    auto applied = std::make_unique<Applied>();
    const planner::Session::Applied result = applied->session.ApplyPasted(codeOrLink);
    applied->planner = result.planner;
    applied->fault = result.fault;
    return applied;
}

}  // namespace

Outcome Show(std::string_view codeOrLink, std::string_view format) {
    const auto applied = ApplyCode(codeOrLink);
    if (applied->planner == nullptr) return {.text = {}, .fault = applied->fault};
    if (format == "json") return {.text = planner::records::ShowLine(*applied->planner) + "\n", .fault = {}};
    return Written(planner::PlanInFormat(*applied->planner, format), format);
}

Outcome Path(std::string_view codeOrLink, const std::vector<std::string>& priority, std::string_view format) {
    const auto applied = ApplyCode(codeOrLink);
    if (applied->planner == nullptr) return {.text = {}, .fault = applied->fault};
    const catalog::ClassDefinition& definition = applied->planner->definition();
    if (!priority.empty()) {
        const std::vector<std::string_view> stems(priority.begin(), priority.end());
        if (std::string fault = applied->session.SetPriority(definition, stems); !fault.empty()) {
            return {.text = {}, .fault = std::move(fault)};
        }
    }
    const planner::TrainingPriority order = applied->session.PriorityOf(definition);
    if (format == "json") {
        const auto path = planner::TrainingPath(*applied->planner, order);
        return {.text = planner::records::PathLine(planner::ViewOf(*applied->planner, path)) + "\n", .fault = {}};
    }
    return Written(planner::PathInFormat(*applied->planner, order, format), format);
}

Outcome Compare(std::string_view codeA, std::string_view codeB, std::string_view format) {
    const auto applied = ApplyCode(codeA);
    if (applied->planner == nullptr) return {.text = {}, .fault = applied->fault};
    const auto compared = planner::ComparePlans(*applied->planner, codeB);
    if (const auto* fault = std::get_if<std::string>(&compared)) return {.text = {}, .fault = *fault};
    const auto& comparison = std::get<planner::PlanComparison>(compared);
    if (format == "json") return {.text = planner::records::CompareLine(comparison) + "\n", .fault = {}};
    return Written(planner::ComparisonInFormat(comparison, format), format);
}

}  // namespace vantrell::cli

#include "core/planner/plan_formats.h"

#include "core/planner/plan_text.h"
#include "core/planner/table_rendering.h"
#include "core/planner/training_path.h"
#include "core/planner/training_path_text.h"
#include "core/planner/training_path_view.h"

namespace vantrell::planner {
namespace {

// The aligned text when that is asked for, else the table a rendering needs, made only then.
template <typename Text, typename Table>
std::optional<std::string> InFormat(std::string_view format, Text text, Table table) {
    if (format == "text") return text();
    const auto rendering = TableFormatNamed(format);
    if (!rendering) return std::nullopt;
    return Rendered(table(), *rendering);
}

}  // namespace

std::optional<std::string> PlanInFormat(const Planner& planner, std::string_view format) {
    return InFormat(format, [&] { return PlanAsText(planner); }, [&] { return PlanTable(planner); });
}

std::optional<std::string> PathInFormat(const Planner& planner, std::span<const std::size_t> priority,
                                        std::string_view format) {
    const auto path = TrainingPath(planner, priority);
    return InFormat(
        format, [&] { return TrainingPathAsText(planner, priority, path); },
        [&] { return PathTable(planner, ViewOf(planner, path)); });
}

std::optional<std::string> ComparisonInFormat(const PlanComparison& comparison, std::string_view format) {
    return InFormat(format, [&] { return ComparisonAsText(comparison); }, [&] { return ComparisonTable(comparison); });
}

}  // namespace vantrell::planner

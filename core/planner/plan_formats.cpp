#include "core/planner/plan_formats.h"

#include "core/planner/plan_text.h"
#include "core/planner/table_rendering.h"
#include "core/planner/training_path.h"
#include "core/planner/training_path_text.h"
#include "core/planner/training_path_view.h"

namespace vantrell::planner {
namespace {

// The aligned text when that is asked for, else the table a rendering needs, made only then.
// The aligned text, with the note after a blank line.
std::string WithNote(std::string text, std::string_view note) {
    if (note.empty()) return text;
    text.append("\n").append(note);
    if (!note.ends_with('\n')) text.append("\n");
    return text;
}

template <typename Text, typename Table>
std::optional<std::string> InFormat(std::string_view format, Text text, Table table) {
    if (format == "text") return text();
    const auto rendering = TableFormatNamed(format);
    if (!rendering) return std::nullopt;
    return Rendered(table(), *rendering);
}

}  // namespace

std::optional<std::string> PlanInFormat(const Planner& planner, std::string_view format, std::string_view note) {
    return InFormat(format, [&] { return WithNote(PlanAsText(planner), note); }, [&] { return PlanTable(planner, note); });
}

std::optional<std::string> PathInFormat(const Planner& planner, std::span<const std::size_t> priority,
                                        std::string_view format, std::string_view note) {
    const auto path = TrainingPath(planner, priority);
    return InFormat(
        format, [&] { return WithNote(TrainingPathAsText(planner, priority, path), note); },
        [&] { return PathTable(planner, ViewOf(planner, path), note); });
}

std::optional<std::string> ComparisonInFormat(const PlanComparison& comparison, std::string_view format) {
    return InFormat(format, [&] { return ComparisonAsText(comparison); }, [&] { return ComparisonTable(comparison); });
}

}  // namespace vantrell::planner

#include "core/planner/plan_formats.h"

#include "core/planner/plan_text.h"
#include "core/planner/table_rendering.h"

namespace vantrell::planner {

std::optional<std::string> PlanInFormat(const Planner& planner, std::string_view format) {
    if (format == "text") return PlanAsText(planner);
    const auto rendering = TableFormatNamed(format);
    if (!rendering) return std::nullopt;
    return Rendered(PlanTable(planner), *rendering);
}

}  // namespace vantrell::planner

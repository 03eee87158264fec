#include "core/planner/plan_text.h"

#include <algorithm>

#include "core/planner/plain_decimal.h"
#include "core/planner/text_columns.h"
#include "core/texts/planner_texts.h"

namespace vantrell::planner {

std::string PlanAsText(const Planner& planner) {
    const catalog::ClassDefinition& definition = planner.definition();
    const PlannerDisplay& shown = planner.display();
    std::string text;
    namespace plain = texts::planner::plain;
    // Appended piece by piece: GCC 12 at -O3 takes a literal before a string for an overlapping copy.
    text.append(plain::kRealmLead).append(catalog::RealmName(definition.realm)).append("\n");
    text.append(plain::kClassLead).append(definition.titleCaption).append("\n");
    text.append(plain::kLevelLead).append(PlainDecimal(planner.state().characterLevel)).append("\n");
    text.append(plain::kPointsLeftLead).append(shown.pointsLeft).append(" / ").append(shown.totalPoints).append("\n\n");

    std::size_t captionWidth = ColumnWidth(plain::kLine);
    for (const catalog::SpecLineDefinition& line : definition.lines)
        captionWidth = std::max(captionWidth, ColumnWidth(line.caption));
    text += TrimmedRow(PadRight(plain::kLine, captionWidth).append(plain::kPlanColumns));
    for (std::size_t index = 0; index < definition.lines.size(); ++index) {
        const LineDisplay& line = shown.lines[index];
        text += TrimmedRow(PadRight(definition.lines[index].caption, captionWidth) + "  " + PadLeft(line.level, 5) +
                           "  " + PadLeft(line.points, 6) + "  " + PadLeft(line.percent, 3) + "  " + line.abilities);
    }
    return text;
}

}  // namespace vantrell::planner

#include "core/planner/plan_text.h"

#include <algorithm>

#include "core/planner/plain_decimal.h"
#include "core/planner/text_columns.h"

namespace vantrell::planner {

std::string PlanAsText(const Planner& planner) {
    const catalog::ClassDefinition& definition = planner.definition();
    const PlannerDisplay& shown = planner.display();
    std::string text;
    text += "Realm:       " + std::string(catalog::RealmName(definition.realm)) + '\n';
    text += "Class:       " + std::string(definition.titleCaption) + '\n';
    text += "Level:       " + PlainDecimal(planner.state().characterLevel) + '\n';
    text += "Points left: " + shown.pointsLeft + " / " + shown.totalPoints + "\n\n";

    std::size_t captionWidth = std::string_view("Line").size();
    for (const catalog::SpecLineDefinition& line : definition.lines)
        captionWidth = std::max(captionWidth, line.caption.size());
    text += TrimmedRow(PadRight("Line", captionWidth) + "  Level  Points    %  Abilities");
    for (std::size_t index = 0; index < definition.lines.size(); ++index) {
        const LineDisplay& line = shown.lines[index];
        text += TrimmedRow(PadRight(definition.lines[index].caption, captionWidth) + "  " + PadLeft(line.level, 5) +
                           "  " + PadLeft(line.points, 6) + "  " + PadLeft(line.percent, 3) + "  " + line.abilities);
    }
    return text;
}

}  // namespace vantrell::planner

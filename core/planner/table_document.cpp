#include "core/planner/table_document.h"

#include "core/planner/plain_decimal.h"
#include "core/planner/plan_code.h"
#include "core/texts/sharing_texts.h"

namespace vantrell::planner {

namespace sharing = texts::sharing;

std::string PlanTitle(const Planner& planner) {
    return std::string(planner.definition().titleCaption)
        .append(sharing::kTitleLevel)
        .append(PlainDecimal(planner.state().characterLevel));
}

TableDocument PlanTable(const Planner& planner, std::string_view note) {
    const catalog::ClassDefinition& definition = planner.definition();
    const PlannerDisplay& shown = planner.display();
    TableDocument table{
        .title = PlanTitle(planner),
        .titleColour = catalog::colour::kBlue,
        .columns = {{std::string(sharing::kLineHeading), ColumnKind::kName},
                    {std::string(sharing::kLevelHeading), ColumnKind::kNumber},
                    {std::string(sharing::kPointsHeading), ColumnKind::kNumber},
                    {std::string(sharing::kPercentHeading), ColumnKind::kDetail},
                    {std::string(sharing::kAbilitiesHeading), ColumnKind::kText}},
        .rows = {},
        .after = {std::string(sharing::kPointsLeftLead).append(shown.pointsLeft).append(" / ").append(shown.totalPoints)},
        .code = EncodePlanCode(planner),
        .note = std::string(note),
    };
    for (std::size_t index = 0; index < definition.lines.size(); ++index) {
        const catalog::SpecLineDefinition& line = definition.lines[index];
        const LineDisplay& figures = shown.lines[index];
        table.rows.push_back({{std::string(line.caption), line.captionColour},
                              {figures.level, std::nullopt},
                              {figures.points, std::nullopt},
                              {figures.percent, std::nullopt},
                              {figures.abilities, line.abilitiesColour.value_or(line.captionColour)}});
    }
    return table;
}

}  // namespace vantrell::planner

#include "core/planner/training_path_text.h"

#include <algorithm>

#include "core/catalog/abilities.h"
#include "core/planner/plain_decimal.h"
#include "core/planner/points.h"
#include "core/planner/text_columns.h"
#include "core/texts/captions.h"
#include "core/texts/planner_texts.h"

namespace vantrell::planner {
namespace {

const texts::Text& kLevelHeading = texts::captions::kPathLevel;
const texts::Text& kPointsHeading = texts::captions::kPathPointsLeft;
const texts::Text& kAbilitiesHeading = texts::captions::kNewAbilities;
constexpr char kColumnGap[] = "  ";

// A level cell keeps one place after the number for the marker, so marked and
// unmarked numbers stay aligned.
std::string LevelCell(std::int16_t level, bool rose) {
    return PlainDecimal(level) + (rose ? texts::captions::kPlainRoseMarker : ' ');
}

std::size_t LineColumnWidth(const catalog::SpecLineDefinition& line, std::span<const TrainingStep> path,
                            std::size_t index) {
    std::size_t width = ColumnWidth(line.caption);
    for (const TrainingStep& step : path) width = std::max(width, ColumnWidth(LevelCell(step.lineLevels[index], true)));
    return width;
}

std::string Heading(const Planner& planner, std::span<const std::size_t> priority) {
    const catalog::ClassDefinition& definition = planner.definition();
    std::string order;
    for (std::size_t line : priority)
        order += (order.empty() ? "" : ", ") + std::string(definition.lines[line].caption);
    std::string text;
    namespace plain = texts::planner::plain;
    // Appended piece by piece: GCC 12 at -O3 takes a literal before a string for an overlapping copy.
    text.append(plain::kPathClassLead).append(definition.titleCaption).append("\n");
    text.append(plain::kPathLevelLead).append(PlainDecimal(planner.state().characterLevel)).append("\n");
    text.append(plain::kPathPriorityLead).append(order).append("\n");
    text.append(1, texts::captions::kPlainRoseMarker).append(plain::kPathRoseLegend);
    return text;
}

}  // namespace

std::string NewAbilityText(const catalog::SpecLineDefinition& line, std::string_view abilities) {
    std::string text(line.caption);
    text += ": ";
    text += abilities;
    return text;
}

std::vector<std::string> NewAbilities(const catalog::ClassDefinition& definition, const TrainingStep& step) {
    std::vector<std::string> abilities;
    for (std::size_t line : step.changedLines) {
        const catalog::SpecLineDefinition& changed = definition.lines[line];
        abilities.push_back(NewAbilityText(changed, catalog::AbilitiesTextFor(changed, step.lineLevels[line])));
    }
    return abilities;
}

std::string TrainingPathNote() {
    return texts::planner::TrainingPathNote(kLowestCharacterLevel);
}

std::string TrainingPathIntro(std::int16_t characterLevel) {
    return texts::planner::TrainingPathIntro(kLowestCharacterLevel, characterLevel, texts::captions::kRoseMarker);
}

std::string TrainingPathAsText(const Planner& planner, std::span<const std::size_t> priority,
                               std::span<const TrainingStep> path) {
    const catalog::ClassDefinition& definition = planner.definition();
    std::vector<std::size_t> widths;
    std::string header = std::string(kLevelHeading);
    for (std::size_t line = 0; line < definition.lines.size(); ++line) {
        widths.push_back(LineColumnWidth(definition.lines[line], path, line));
        header += kColumnGap + PadLeft(definition.lines[line].caption, widths.back());
    }
    header += kColumnGap + std::string(kPointsHeading) + kColumnGap;
    // Further abilities of a level go on rows of their own, under the first.
    const std::string continuation(ColumnWidth(header), ' ');
    std::string text = Heading(planner, priority) + TrimmedRow(header + std::string(kAbilitiesHeading));

    for (std::size_t index = 0; index < path.size(); ++index) {
        const TrainingStep& step = path[index];
        std::string row = PadLeft(PlainDecimal(step.characterLevel), ColumnWidth(kLevelHeading));
        for (std::size_t line = 0; line < widths.size(); ++line) {
            row += kColumnGap + PadLeft(LevelCell(step.lineLevels[line], RoseAt(path, index, line)), widths[line]);
        }
        row += kColumnGap + PadLeft(PlainDecimal(step.pointsLeft), ColumnWidth(kPointsHeading)) + kColumnGap;
        const std::vector<std::string> abilities = NewAbilities(definition, step);
        text += TrimmedRow(row + (abilities.empty() ? std::string() : abilities.front()));
        for (std::size_t more = 1; more < abilities.size(); ++more) text += TrimmedRow(continuation + abilities[more]);
    }
    return text;
}

}  // namespace vantrell::planner

#include "core/planner/training_path_view.h"

#include "core/catalog/abilities.h"
#include "core/planner/next_unlock.h"
#include "core/planner/plain_decimal.h"
#include "core/planner/training_path_text.h"
#include "core/texts/captions.h"

namespace vantrell::planner {
namespace {

const std::string kMarkerAndSpace = std::string(texts::captions::kRoseMarker) + ' ';

PathCellView CellOf(const catalog::SpecLineDefinition& line, std::span<const TrainingStep> path, std::size_t step,
                    std::size_t index) {
    PathCellView cell;
    cell.level = path[step].lineLevels[index];
    cell.rose = RoseAt(path, step, index);
    cell.open = path[step].characterLevel >= line.availableFromLevel;
    cell.text = PlainDecimal(cell.level);
    if (cell.rose) cell.text.insert(0, kMarkerAndSpace);
    return cell;
}

PathRowView RowOf(const catalog::ClassDefinition& definition, std::span<const TrainingStep> path, std::size_t step) {
    const TrainingStep& shown = path[step];
    PathRowView row;
    row.characterLevel = shown.characterLevel;
    row.pointsLeft = PlainDecimal(shown.pointsLeft);
    row.wholePointsLeft = static_cast<long long>(shown.pointsLeft);
    row.cells.reserve(definition.lines.size());
    for (std::size_t line = 0; line < definition.lines.size(); ++line) {
        row.cells.push_back(CellOf(definition.lines[line], path, step, line));
    }
    const std::vector<std::string> texts = NewAbilities(definition, shown);
    for (std::size_t index = 0; index < shown.changedLines.size(); ++index) {
        const catalog::SpecLineDefinition& line = definition.lines[shown.changedLines[index]];
        row.newAbilities.push_back(
            {line.stem, catalog::AbilitiesTextFor(line, shown.lineLevels[shown.changedLines[index]]), texts[index]});
    }
    return row;
}

}  // namespace

std::string PathCellTooltip(const catalog::ClassDefinition& definition, std::span<const TrainingStep> path,
                            std::size_t step, std::size_t line) {
    const catalog::SpecLineDefinition& shown = definition.lines[line];
    if (RoseAt(path, step, line)) {
        return std::string(shown.caption) + " rises from " + PlainDecimal(LevelBefore(path, step, line)) + " to " +
               PlainDecimal(path[step].lineLevels[line]);
    }
    return path[step].characterLevel < shown.availableFromLevel ? OpeningHint(shown) : std::string();
}

TrainingPathView ViewOf(const Planner& planner, std::span<const TrainingStep> path) {
    TrainingPathView view{.intro = TrainingPathIntro(planner.state().characterLevel), .rows = {}};
    view.rows.reserve(path.size());
    for (std::size_t step = 0; step < path.size(); ++step) view.rows.push_back(RowOf(planner.definition(), path, step));
    return view;
}

}  // namespace vantrell::planner

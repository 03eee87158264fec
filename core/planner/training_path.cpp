#include "core/planner/training_path.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "core/catalog/abilities.h"
#include "core/planner/checked.h"
#include "core/planner/points.h"
#include "core/planner/quoted.h"
#include "core/texts/planner_texts.h"

namespace vantrell::planner {
namespace {

using catalog::SpecLineDefinition;

// What a training step compares: a line with a fixed text never changes it.
std::string ShownTextAt(const SpecLineDefinition& line, std::int16_t level) {
    return line.availableText ? std::string() : catalog::AbilitiesTextFor(line, level);
}

class PathWalker {
public:
    explicit PathWalker(const Planner& planner)
        : definition_(planner.definition()), levels_(definition_.lines.size(), 1) {
        for (const LinePlan& line : planner.state().lines) planned_.push_back(line.level);
        for (const SpecLineDefinition& line : definition_.lines) texts_.push_back(ShownTextAt(line, 1));
    }

    TrainingStep StepAt(std::int16_t characterLevel, std::span<const std::size_t> priority) {
        const double total = TotalPointsAtLevel(definition_.pointsRule, characterLevel);
        for (std::size_t line : priority) Raise(line, characterLevel, total);
        return {characterLevel, levels_, total - spent_, TakeChangedTexts()};
    }

private:
    void Raise(std::size_t line, std::int16_t characterLevel, double total) {
        const SpecLineDefinition& definition = definition_.lines[line];
        if (characterLevel < definition.availableFromLevel) return;
        const std::int16_t ceiling =
            std::min(planned_[line], CappedMaximum(definition.cap, characterLevel, kHighestLineLevel));
        std::int16_t& level = levels_[line];
        while (level < ceiling && static_cast<double>(spent_ + level + 1) <= total) {
            level = CheckedAdd(level, 1);
            spent_ += level;
        }
    }

    std::vector<std::size_t> TakeChangedTexts() {
        std::vector<std::size_t> changed;
        for (std::size_t line = 0; line < levels_.size(); ++line) {
            std::string text = ShownTextAt(definition_.lines[line], levels_[line]);
            if (text == texts_[line]) continue;
            texts_[line] = std::move(text);
            changed.push_back(line);
        }
        return changed;
    }

    const catalog::ClassDefinition& definition_;
    std::vector<std::int16_t> planned_;
    std::vector<std::int16_t> levels_;
    std::vector<std::string> texts_;
    long spent_ = 0;
};

}  // namespace

TrainingPriority ScreenOrderPriority(const catalog::ClassDefinition& definition) {
    TrainingPriority order(definition.lines.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    return order;
}

TrainingPriority TrainingPriorities::Of(const catalog::ClassDefinition& definition) const {
    const auto chosen = chosen_.find(&definition);
    return chosen != chosen_.end() ? chosen->second : ScreenOrderPriority(definition);
}

void TrainingPriorities::Set(const catalog::ClassDefinition& definition, TrainingPriority priority) {
    chosen_[&definition] = std::move(priority);
}

std::string PriorityFault(const catalog::ClassDefinition& definition, std::span<const std::size_t> priority) {
    const auto lines = definition.lines;
    std::vector<bool> named(lines.size(), false);
    for (std::size_t line : priority) {
        if (line >= lines.size()) return texts::planner::NoSuchLine(line, definition.listName);
        // Named as the screen shows the line: a stem is the catalog's, not the player's.
        if (named[line]) return texts::planner::LineNamedTwice(lines[line].caption);
        named[line] = true;
    }
    std::string missing;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        if (named[line]) continue;
        missing += (missing.empty() ? "" : ", ") + Quoted(lines[line].caption);
    }
    return missing.empty() ? std::string() : texts::planner::PriorityLeavesOut(missing);
}

std::variant<TrainingPriority, std::string> PriorityFromStems(const catalog::ClassDefinition& definition,
                                                              std::span<const std::string_view> stems) {
    TrainingPriority priority;
    priority.reserve(stems.size());
    for (std::string_view stem : stems) {
        const auto line = catalog::LineIndexOf(definition, stem);
        if (!line) return texts::planner::UnknownStem(stem, definition.listName);
        priority.push_back(*line);
    }
    if (std::string fault = PriorityFault(definition, priority); !fault.empty()) return fault;
    return priority;
}

std::vector<TrainingStep> TrainingPath(const Planner& planner, std::span<const std::size_t> priority) {
    if (std::string fault = PriorityFault(planner.definition(), priority); !fault.empty()) {
        throw std::invalid_argument(fault);
    }
    PathWalker walker(planner);
    std::vector<TrainingStep> path;
    for (std::int16_t level = kLowestCharacterLevel; level <= planner.state().characterLevel; ++level) {
        path.push_back(walker.StepAt(level, priority));
    }
    return path;
}

std::int16_t LevelBefore(std::span<const TrainingStep> path, std::size_t step, std::size_t line) {
    return step == 0 ? std::int16_t{1} : path[step - 1].lineLevels[line];
}

bool RoseAt(std::span<const TrainingStep> path, std::size_t step, std::size_t line) {
    return path[step].lineLevels[line] != LevelBefore(path, step, line);
}

}  // namespace vantrell::planner

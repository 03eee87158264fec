#include "core/planner/next_unlock.h"

#include "core/catalog/abilities.h"
#include "core/planner/points.h"

namespace vantrell::planner {

bool HasAbilityTable(const catalog::SpecLineDefinition& line) {
    return !line.availableText && (!line.bands.empty() || line.styles.schedule != nullptr);
}

std::optional<NextUnlock> NextUnlockAfter(const catalog::SpecLineDefinition& line, std::int16_t level) {
    if (!HasAbilityTable(line)) return std::nullopt;
    const std::string current = catalog::AbilitiesTextFor(line, level);
    for (std::int16_t next = level + 1; next <= kHighestLineLevel; ++next) {
        std::string text = catalog::AbilitiesTextFor(line, next);
        if (text != current) {
            return NextUnlock{next, std::move(text), static_cast<std::int16_t>(LineCost(next) - LineCost(level))};
        }
    }
    return std::nullopt;
}

std::string NextUnlockHint(const catalog::SpecLineDefinition& line, std::int16_t level) {
    if (!HasAbilityTable(line)) return {};
    const auto next = NextUnlockAfter(line, level);
    if (!next) return "All abilities of this line are reached.";
    const std::string what = next->text.empty() ? "no abilities listed" : next->text;
    return "Next at level " + std::to_string(next->level) + " (" + std::to_string(next->cost) + " more points):\n" +
           what;
}

std::string AbilitiesTooltip(const catalog::SpecLineDefinition& line, std::int16_t level, bool lineOpen) {
    return lineOpen ? NextUnlockHint(line, level) : OpeningHint(line);
}

std::string OpeningHint(const catalog::SpecLineDefinition& line) {
    return "Opens at character level " + std::to_string(line.availableFromLevel) + ".";
}

}  // namespace vantrell::planner

#include "core/planner/next_unlock.h"

#include "core/catalog/abilities.h"
#include "core/planner/points.h"
#include "core/texts/planner_texts.h"

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
    if (!next) return std::string(texts::planner::kAllAbilitiesReached);
    return texts::planner::NextUnlockHint(next->level, next->cost,
                                          next->text.empty() ? std::string_view(texts::planner::kNoAbilitiesListed) : next->text);
}

std::string AbilitiesTooltip(const catalog::SpecLineDefinition& line, std::int16_t level, bool lineOpen) {
    return lineOpen ? NextUnlockHint(line, level) : OpeningHint(line);
}

std::string OpeningHint(const catalog::SpecLineDefinition& line) {
    return texts::planner::OpensAtLevel(line.availableFromLevel);
}

}  // namespace vantrell::planner

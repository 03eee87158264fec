#include "core/planner/plan_code.h"

#include <algorithm>
#include <stdexcept>

#include "core/catalog/class_catalog.h"
#include "core/planner/points.h"
#include "core/planner/whole_number.h"
#include "core/texts/planner_texts.h"

namespace vantrell::planner {
namespace {

constexpr std::string_view kPrefix = "VT";

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

// Numbers in a code are at most four characters long.
std::optional<int> Number(std::string_view text) {
    if (text.size() > 4) return std::nullopt;
    return ParseWholeNumber(text);
}

// Whether `text` is written as a whole number at all, in the ASCII digits a code is written in, whatever its size.
bool WrittenAsNumber(std::string_view text) {
    if (text.starts_with('-')) text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::string EncodePlanCode(const Planner& planner) {
    std::string code = std::string(kPrefix) + std::to_string(kPlanCodeVersion) + ':' +
                       std::string(planner.definition().listName) + ':' +
                       std::to_string(planner.state().characterLevel) + ':';
    for (std::size_t line = 0; line < planner.state().lines.size(); ++line) {
        if (line > 0) code += '.';
        code += std::to_string(planner.state().lines[line].level);
    }
    return code;
}

std::variant<PlanCode, std::string> DecodePlanCode(std::string_view text) {
    const std::string_view code = Trimmed(text);
    const auto parts = Split(code, ':');
    if (parts.size() != 4 || !parts[0].starts_with(kPrefix)) return std::string(texts::planner::kNotAPlanCode);
    const auto version = Number(parts[0].substr(kPrefix.size()));
    if (!version) return std::string(texts::planner::kNotAPlanCode);
    if (*version != kPlanCodeVersion) {
        return texts::planner::CodeOfOtherFormat(*version, kPlanCodeVersion);
    }
    PlanCode plan;
    plan.definition = catalog::ClassCatalog::Find(parts[1]);
    if (plan.definition == nullptr) return texts::planner::CodeOfUnknownClass(parts[1]);
    if (!WrittenAsNumber(parts[2])) return texts::planner::CodeLevelNotANumber(parts[2]);
    const auto level = Number(parts[2]);
    if (!level || *level < kLowestCharacterLevel || *level > kHighestCharacterLevel) {
        return texts::planner::CodeLevelOutOfRange(parts[2], kLowestCharacterLevel, kHighestCharacterLevel);
    }
    plan.characterLevel = static_cast<std::int16_t>(*level);
    const auto levels = Split(parts[3], '.');
    if (levels.size() != plan.definition->lines.size()) {
        return texts::planner::CodeLineCountMismatch(levels.size(), plan.definition->titleCaption,
                                                     plan.definition->lines.size());
    }
    for (std::string_view part : levels) {
        if (!WrittenAsNumber(part)) return texts::planner::CodeLineLevelNotANumber(part);
        const auto lineLevel = Number(part);
        if (!lineLevel || *lineLevel < 1 || *lineLevel > kHighestLineLevel) {
            return texts::planner::CodeLineLevelOutOfRange(part, kHighestLineLevel);
        }
        plan.lineLevels.push_back(static_cast<std::int16_t>(*lineLevel));
    }
    return plan;
}

std::string_view PlanCodeTextOf(std::string_view codeOrLink) {
    const std::string_view text = Trimmed(codeOrLink);
    const auto fragment = text.find('#');
    return fragment == std::string_view::npos ? text : text.substr(fragment + 1);
}

std::vector<LoweredLine> ApplyPlanCode(Planner& planner, const PlanCode& code) {
    if (code.definition != &planner.definition()) throw std::invalid_argument("plan code of another class");
    const std::size_t count = planner.state().lines.size();
    planner.ApplyLevelChange(code.characterLevel);
    for (std::size_t line = 0; line < count; ++line) planner.MoveSlider(line, kSliderMinimum);
    for (std::size_t line = 0; line < count; ++line) planner.MoveSlider(line, code.lineLevels.at(line));

    std::vector<LoweredLine> lowered;
    for (std::size_t line = 0; line < count; ++line) {
        const std::int16_t applied = planner.state().lines[line].level;
        if (applied < code.lineLevels[line]) {
            lowered.push_back({planner.definition().lines[line].caption, code.lineLevels[line], applied});
        }
    }
    return lowered;
}

std::string DescribeLoweredLines(const std::vector<LoweredLine>& lowered) {
    if (lowered.empty()) return {};
    std::string text(texts::planner::kLoweredLead);
    for (const LoweredLine& line : lowered) {
        text.append("\n").append(texts::planner::LoweredLine(line.caption, line.requested, line.applied));
    }
    return text;
}

}  // namespace vantrell::planner

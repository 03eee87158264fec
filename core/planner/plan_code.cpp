#include "core/planner/plan_code.h"

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>

#include "core/catalog/class_catalog.h"
#include "core/planner/blanks.h"
#include "core/planner/points.h"
#include "core/planner/whole_number.h"
#include "core/texts/planner_texts.h"
#include "core/texts/unicode.h"

namespace vantrell::planner {
namespace {

constexpr std::string_view kPrefix = "VT";

// The parts of `text` between `separator`s, when there are exactly `count` of them.
template <std::size_t count>
std::optional<std::array<std::string_view, count>> Parts(std::string_view text, char separator) {
    std::array<std::string_view, count> parts;
    for (std::size_t index = 0; index < count; ++index) {
        const auto at = text.find(separator);
        parts[index] = text.substr(0, at);
        if (at == std::string_view::npos) return index + 1 == count ? std::optional(parts) : std::nullopt;
        text.remove_prefix(at + 1);
    }
    return std::nullopt;
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

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// `text` with its %XX escapes undone; as it is when one is malformed or the result is no UTF-8,
// as a browser's address bar leaves what it cannot decode.
std::string PercentDecoded(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '%') {
            decoded += text[at];
            continue;
        }
        const int high = at + 2 < text.size() ? HexValue(text[at + 1]) : -1;
        const int low = at + 2 < text.size() ? HexValue(text[at + 2]) : -1;
        if (high < 0 || low < 0) return std::string(text);
        decoded += static_cast<char>(high * 16 + low);
        at += 2;
    }
    return texts::IsUtf8(decoded) ? decoded : std::string(text);
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
    const std::string_view code = WithoutBlanks(text);
    const auto split = Parts<4>(code, ':');
    if (!split || !(*split)[0].starts_with(kPrefix)) return std::string(texts::planner::kNotAPlanCode);
    const auto& parts = *split;
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
    const std::size_t levels = static_cast<std::size_t>(std::count(parts[3].begin(), parts[3].end(), '.')) + 1;
    if (levels != plan.definition->lines.size()) {
        return texts::planner::CodeLineCountMismatch(levels, plan.definition->titleCaption, plan.definition->lines.size());
    }
    plan.lineLevels.reserve(levels);
    std::string_view rest = parts[3];
    for (std::size_t line = 0; line < levels; ++line) {
        const std::string_view part = rest.substr(0, rest.find('.'));
        rest.remove_prefix(std::min(rest.size(), part.size() + 1));
        if (!WrittenAsNumber(part)) return texts::planner::CodeLineLevelNotANumber(part);
        const auto lineLevel = Number(part);
        if (!lineLevel || *lineLevel < 1 || *lineLevel > kHighestLineLevel) {
            return texts::planner::CodeLineLevelOutOfRange(part, kHighestLineLevel);
        }
        plan.lineLevels.push_back(static_cast<std::int16_t>(*lineLevel));
    }
    return plan;
}

std::string PlanCodeTextOf(std::string_view codeOrLink) {
    const std::string_view text = WithoutBlanks(codeOrLink);
    const auto fragment = text.find('#');
    return PercentDecoded(fragment == std::string_view::npos ? text : text.substr(fragment + 1));
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

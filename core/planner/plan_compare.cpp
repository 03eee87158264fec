#include "core/planner/plan_compare.h"

#include <algorithm>
#include <utility>

#include "core/catalog/records.h"
#include "core/planner/plain_decimal.h"
#include "core/planner/points.h"
#include "core/planner/text_columns.h"
#include "core/texts/captions.h"
#include "core/texts/planner_texts.h"

namespace vantrell::planner {
namespace {

// The highest level a line may hold at a character level; nothing for an uncapped line.
std::optional<int> CapAt(catalog::LineCap cap, int characterLevel) {
    switch (cap) {
    case catalog::LineCap::CharacterLevel: return characterLevel;
    case catalog::LineCap::HalfCharacterLevel: return characterLevel / 2;
    case catalog::LineCap::None: break;
    }
    return std::nullopt;
}

bool HoldsAt(const Planner& planner, int characterLevel) {
    const catalog::ClassDefinition& definition = planner.definition();
    long long cost = 0;
    for (std::size_t index = 0; index < definition.lines.size(); ++index) {
        const catalog::SpecLineDefinition& line = definition.lines[index];
        const int level = planner.state().lines[index].level;
        if (level > 1 && line.availableFromLevel > characterLevel) return false;
        if (const auto cap = CapAt(line.cap, characterLevel); cap && level > *cap) return false;
        cost += LineCost(static_cast<std::int16_t>(level));
    }
    return static_cast<double>(cost) <=
           TotalPointsAtLevel(definition.pointsRule, static_cast<std::int16_t>(characterLevel));
}

ComparedPlan PlanOf(const Planner& planner) {
    return {.characterLevel = planner.state().characterLevel,
            .totalPoints = static_cast<long long>(planner.state().totalPoints),
            .pointsLeft = static_cast<long long>(planner.state().pointsLeft),
            .completeFrom = CompleteFrom(planner)};
}

ComparedSide SideOf(const Planner& planner, std::size_t line) {
    return {.level = planner.state().lines[line].level,
            .points = planner.state().lines[line].pointsSpent,
            .abilities = planner.display().lines[line].abilities};
}

std::string Marked(bool differs) { return differs ? "* " : "  "; }

}  // namespace

std::int16_t CompleteFrom(const Planner& planner) {
    const int highest = planner.state().characterLevel;
    for (int level = kLowestCharacterLevel; level < highest; ++level) {
        if (HoldsAt(planner, level)) return static_cast<std::int16_t>(level);
    }
    return static_cast<std::int16_t>(highest);
}

std::variant<PlanComparison, std::string> ComparePlans(const Planner& a, const PlanCode& b) {
    const catalog::ClassDefinition& definition = a.definition();
    if (b.definition != &definition) {
        return texts::planner::ClassesDiffer(definition.titleCaption, b.definition->titleCaption);
    }
    Planner fresh(definition);
    PlanComparison comparison{.definition = &definition, .a = PlanOf(a), .b = {}, .lines = {}, .lowered = {}};
    comparison.lowered = ApplyPlanCode(fresh, b);
    comparison.b = PlanOf(fresh);
    for (std::size_t line = 0; line < definition.lines.size(); ++line) {
        ComparedLine row{.stem = definition.lines[line].stem,
                         .caption = definition.lines[line].caption,
                         .a = SideOf(a, line),
                         .b = SideOf(fresh, line),
                         .differs = false};
        row.differs = row.a.level != row.b.level || row.a.points != row.b.points || row.a.abilities != row.b.abilities;
        comparison.lines.push_back(std::move(row));
    }
    return comparison;
}

std::variant<PlanComparison, std::string> ComparePlans(const Planner& a, std::string_view codeOrLink) {
    auto decoded = DecodePlanCode(PlanCodeTextOf(codeOrLink));
    if (auto* reason = std::get_if<std::string>(&decoded)) return std::move(*reason);
    return ComparePlans(a, std::get<PlanCode>(decoded));
}

PlanComparison Swapped(PlanComparison comparison) {
    std::swap(comparison.a, comparison.b);
    for (ComparedLine& line : comparison.lines) std::swap(line.a, line.b);
    comparison.bFirst = !comparison.bFirst;
    return comparison;
}

std::array<std::string_view, 6> SideHeadings(const PlanComparison& comparison) {
    namespace captions = texts::captions;
    const std::array<std::string_view, 3> a = {captions::kPlanALevel, captions::kPlanAPoints,
                                               captions::kPlanAAbilities};
    const std::array<std::string_view, 3> b = {captions::kPlanBLevel, captions::kPlanBPoints,
                                               captions::kPlanBAbilities};
    const auto& first = comparison.bFirst ? b : a;
    const auto& second = comparison.bFirst ? a : b;
    return {first[0], first[1], first[2], second[0], second[1], second[2]};
}

std::string ComparisonAsText(const PlanComparison& comparison) {
    const auto number = [](long long value) { return PlainDecimal(static_cast<double>(value)); };
    namespace plain = texts::planner::plain;
    namespace captions = texts::captions;
    std::size_t captionWidth = ColumnWidth(captions::kComparedCompleteFrom);
    for (const ComparedLine& line : comparison.lines) captionWidth = std::max(captionWidth, ColumnWidth(line.caption));
    const auto row = [&](std::string_view marker, std::string_view caption, const std::string& a,
                         const std::string& aPoints, const std::string& b, const std::string& bPoints) {
        return TrimmedRow(std::string(marker) + PadRight(caption, captionWidth) + "  " + PadLeft(a, 7) + "  " +
                          PadLeft(aPoints, 6) + "  " + PadLeft(b, 7) + "  " + PadLeft(bPoints, 6));
    };
    std::string text(plain::kCompareClassLead);
    text.append(comparison.definition->titleCaption).append("\n");
    text += plain::kCompareLegend;
    // Each plan keeps its letter whichever side it stands on.
    const std::string first = comparison.bFirst ? "B" : "A";
    const std::string second = comparison.bFirst ? "A" : "B";
    const auto heading = [](const std::string& letter, std::string_view suffix) {
        std::string text = letter;
        return text.append(suffix);
    };
    text += row("  ", plain::kLine, heading(first, plain::kLevelSuffix), heading(first, plain::kPointsSuffix),
                heading(second, plain::kLevelSuffix), heading(second, plain::kPointsSuffix));
    const auto abilitiesOf = [&text](const std::string& letters, const std::string& abilities) {
        if (abilities.empty()) return;
        text += "      ";
        text += letters;
        text += ": ";
        text += abilities;
        text += '\n';
    };
    for (const ComparedLine& line : comparison.lines) {
        text += row(Marked(line.differs), line.caption, PlainDecimal(line.a.level), PlainDecimal(line.a.points),
                    PlainDecimal(line.b.level), PlainDecimal(line.b.points));
        if (line.a.abilities == line.b.abilities) {
            abilitiesOf(first + ", " + second, line.a.abilities);
            continue;
        }
        abilitiesOf(first, line.a.abilities);
        abilitiesOf(second, line.b.abilities);
    }
    text += '\n';
    const ComparedPlan& a = comparison.a;
    const ComparedPlan& b = comparison.b;
    text += row(Marked(a.characterLevel != b.characterLevel), captions::kComparedCharacterLevel, PlainDecimal(a.characterLevel), "",
                PlainDecimal(b.characterLevel), "");
    text +=
        row(Marked(a.pointsLeft != b.pointsLeft), plain::kPointsLeft, number(a.pointsLeft), "", number(b.pointsLeft), "");
    text += row(Marked(a.completeFrom != b.completeFrom), captions::kComparedCompleteFrom, PlainDecimal(a.completeFrom), "",
                PlainDecimal(b.completeFrom), "");
    return text;
}

}  // namespace vantrell::planner

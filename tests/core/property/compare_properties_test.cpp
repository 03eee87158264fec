#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <string>
#include <variant>

#include "core/catalog/class_catalog.h"
#include "core/planner/plan_code.h"
#include "core/planner/plan_compare.h"
#include "tests/core/property/plan_actions.h"

namespace vantrell::property {
namespace {

// Whether the rules take the plan whole at a character level: applied there as
// Paste applies it, no line is kept below what it asks.
bool TakenWholeAt(const planner::Planner& plan, int characterLevel) {
    auto code = std::get<planner::PlanCode>(planner::DecodePlanCode(planner::EncodePlanCode(plan)));
    code.characterLevel = static_cast<std::int16_t>(characterLevel);
    planner::Planner fresh(plan.definition());
    return planner::ApplyPlanCode(fresh, code).empty();
}

class CompareProperties : public ::testing::TestWithParam<std::string_view> {};

// For random plans: the plan is taken whole at its complete-from level, and at
// no lower one.
TEST_P(CompareProperties, APlanIsCompleteFromTheLowestLevelThatHoldsIt) {
    const catalog::ClassDefinition& definition = *catalog::ClassCatalog::Find(GetParam());
    rc::detail::checkGTest([&definition] {
        PlanSession session(definition);
        for (const Action& action : *ActionsFor(definition)) session.Run(session.Resolve(action));
        const planner::Planner& plan = session.planner();
        const int from = planner::CompleteFrom(plan);
        RC_ASSERT(from >= planner::kLowestCharacterLevel);
        RC_ASSERT(from <= plan.state().characterLevel);
        RC_ASSERT(TakenWholeAt(plan, from));
        if (from > planner::kLowestCharacterLevel) RC_ASSERT(!TakenWholeAt(plan, from - 1));
    });
}

// A plan compared with its own code differs nowhere.
TEST_P(CompareProperties, APlanAgainstItselfDiffersNowhere) {
    const catalog::ClassDefinition& definition = *catalog::ClassCatalog::Find(GetParam());
    rc::detail::checkGTest([&definition] {
        PlanSession session(definition);
        for (const Action& action : *ActionsFor(definition)) session.Run(session.Resolve(action));
        const auto compared = planner::ComparePlans(session.planner(), planner::EncodePlanCode(session.planner()));
        const auto& comparison = std::get<planner::PlanComparison>(compared);
        RC_ASSERT(comparison.lowered.empty());
        for (const planner::ComparedLine& line : comparison.lines) RC_ASSERT(!line.differs);
        RC_ASSERT(comparison.a.pointsLeft == comparison.b.pointsLeft);
        RC_ASSERT(comparison.a.completeFrom == comparison.b.completeFrom);
    });
}

// For two random plans, A beside B swapped is B beside A: every figure and mark.
TEST_P(CompareProperties, SwappingIsComparingTheOtherWayRound) {
    const catalog::ClassDefinition& definition = *catalog::ClassCatalog::Find(GetParam());
    rc::detail::checkGTest([&definition] {
        PlanSession first(definition);
        for (const Action& action : *ActionsFor(definition)) first.Run(first.Resolve(action));
        PlanSession second(definition);
        for (const Action& action : *ActionsFor(definition)) second.Run(second.Resolve(action));
        const auto comparedOf = [](const PlanSession& a, const PlanSession& b) {
            return std::get<planner::PlanComparison>(
                planner::ComparePlans(a.planner(), planner::EncodePlanCode(b.planner())));
        };
        const planner::PlanComparison swapped = planner::Swapped(comparedOf(first, second));
        const planner::PlanComparison reversed = comparedOf(second, first);
        RC_ASSERT(swapped.a == reversed.a);
        RC_ASSERT(swapped.b == reversed.b);
        RC_ASSERT(swapped.lines == reversed.lines);
        // Swapped back, it is the comparison it was, headings and text too.
        const planner::PlanComparison back = planner::Swapped(swapped);
        RC_ASSERT(planner::SideHeadings(back) == planner::SideHeadings(comparedOf(first, second)));
        RC_ASSERT(planner::ComparisonAsText(back) == planner::ComparisonAsText(comparedOf(first, second)));
    });
}

INSTANTIATE_TEST_SUITE_P(EveryClass, CompareProperties, ::testing::ValuesIn(EveryClassName()),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace vantrell::property

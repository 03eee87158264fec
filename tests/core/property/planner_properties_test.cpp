#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include "core/catalog/class_catalog.h"
#include "tests/core/property/plan_actions.h"
#include "tests/core/property/plan_checks.h"

namespace vantrell::property {
namespace {

std::string Report(const PlanSession& session, std::string_view after, const std::vector<std::string>& broken) {
    std::string report = "after " + std::string(after) + ":\n";
    for (const std::string& rule : broken) report += "  - " + rule + '\n';
    report += "replay with vantrell-scenario (add 'show'):\n" + session.script();
    return report;
}

class PlannerProperties : public ::testing::TestWithParam<std::string_view> {};

// Random sequences of level picks and slider moves: after each one the plan
// must be sound, and the action must have changed only what it may change.
TEST_P(PlannerProperties, EveryActionKeepsThePlanWithinItsRules) {
    const catalog::ClassDefinition& definition = *catalog::ClassCatalog::Find(GetParam());
    rc::detail::checkGTest([&definition] {
        const std::vector<Action> actions = *ActionsFor(definition);
        PlanSession session(definition);
        if (const auto broken = BrokenInvariants(session.planner(), 50); !broken.empty()) {
            RC_FAIL(Report(session, "opening", broken));
        }
        for (const Action& action : actions) {
            const PlanSnapshot before = SnapshotOf(session.planner());
            const Command command = session.Resolve(action);
            session.Run(command);
            std::vector<std::string> broken = BrokenInvariants(session.planner(), session.pickedLevel());
            const std::vector<std::string> change =
                command.pickLevel ? BrokenLevelPick(session.planner(), before)
                                  : BrokenSliderMove(session.planner(), before, command.line, command.value);
            broken.insert(broken.end(), change.begin(), change.end());
            if (!broken.empty()) RC_FAIL(Report(session, command.text, broken));
        }
    });
}

INSTANTIATE_TEST_SUITE_P(EveryClass, PlannerProperties, ::testing::ValuesIn(EveryClassName()),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace vantrell::property

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <numeric>
#include <sstream>

#include "core/catalog/abilities.h"
#include "core/catalog/class_catalog.h"
#include "core/planner/training_path.h"
#include "core/planner/training_path_view.h"
#include "core/texts/captions.h"
#include "tests/core/property/plan_actions.h"
#include "tests/core/property/plan_checks.h"

namespace vantrell::property {
namespace {

rc::Gen<planner::TrainingPriority> PriorityFor(const catalog::ClassDefinition& definition) {
    planner::TrainingPriority order(definition.lines.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    return rc::gen::map(rc::gen::container<std::vector<std::size_t>>(order.size(), rc::gen::arbitrary<std::size_t>()),
                        [order](const std::vector<std::size_t>& keys) {
                            planner::TrainingPriority sorted = order;
                            std::stable_sort(sorted.begin(), sorted.end(),
                                             [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
                            return sorted;
                        });
}

// What one step must be: nothing untrained, each line within its opening, plan
// and cap, the points counted right, no line left short that one more level
// would have fitted, and the changed lines exactly those whose shown text moved.
std::vector<std::string> BrokenStep(const planner::Planner& planner, const planner::TrainingStep& step,
                                    const std::vector<std::int16_t>& before) {
    std::vector<std::string> broken;
    const auto add = [&broken](std::string_view stem, const std::string& what) {
        broken.push_back(std::string(stem) + ' ' + what);
    };
    const int level = step.characterLevel;
    long spent = 0;
    std::vector<std::size_t> changed;
    for (std::size_t index = 0; index < before.size(); ++index) {
        const catalog::SpecLineDefinition& line = planner.definition().lines[index];
        const int now = step.lineLevels[index];
        const int ceiling =
            ClosedAt(line, level) ? 1 : std::min<int>(planner.state().lines[index].level, CapOf(line, level));
        spent += CostOf(now);
        if (now < before[index]) add(line.stem, "was untrained to " + std::to_string(now));
        if (now > ceiling) add(line.stem, "at " + std::to_string(now) + " is above " + std::to_string(ceiling));
        if (now < ceiling && step.pointsLeft >= now + 1) add(line.stem, "stopped although one more level fitted");
        if (!line.availableText && catalog::AbilitiesTextFor(line, static_cast<std::int16_t>(now)) !=
                                       catalog::AbilitiesTextFor(line, before[index])) {
            changed.push_back(index);
        }
    }
    const long left = TotalAt(planner.definition().pointsRule, level) - spent;
    if (step.pointsLeft != static_cast<double>(left) || left < 0) {
        broken.push_back("points left " + std::to_string(step.pointsLeft) + " instead of " + std::to_string(left));
    }
    if (step.changedLines != changed) broken.push_back("the changed lines are not those whose text moved");
    return broken;
}

class TrainingPathProperties : public ::testing::TestWithParam<std::string_view> {};

// For random plans and priorities: one step per level from 6, every step
// sound, and the last step is the plan itself.
TEST_P(TrainingPathProperties, EveryStepIsSoundAndTheLastIsThePlan) {
    const catalog::ClassDefinition& definition = *catalog::ClassCatalog::Find(GetParam());
    rc::detail::checkGTest([&definition] {
        PlanSession session(definition);
        for (const Action& action : *ActionsFor(definition)) session.Run(session.Resolve(action));
        const planner::TrainingPriority priority = *PriorityFor(definition);
        const planner::Planner& planner = session.planner();
        const auto path = planner::TrainingPath(planner, priority);

        RC_ASSERT(path.size() == static_cast<std::size_t>(planner.state().characterLevel - 5));
        std::vector<std::int16_t> before(definition.lines.size(), 1);
        for (const planner::TrainingStep& step : path) {
            const std::vector<std::string> broken = BrokenStep(planner, step, before);
            if (!broken.empty()) {
                std::ostringstream report;
                report << "at character level " << step.characterLevel << ":\n";
                for (const std::string& rule : broken) report << "  - " << rule << '\n';
                RC_FAIL(report.str() + "replay with vantrell-scenario:\n" + session.script());
            }
            before = step.lineLevels;
        }
        for (std::size_t index = 0; index < before.size(); ++index) {
            RC_ASSERT(before[index] == planner.state().lines[index].level);
        }
        RC_ASSERT(path.back().pointsLeft == planner.state().pointsLeft);
    });
}

// What every front end shows of a path says what the steps say: a cell is
// marked exactly where its line rose, and explains itself where it rose or is
// not open yet.
TEST_P(TrainingPathProperties, TheViewMarksExactlyTheLinesThatRose) {
    const catalog::ClassDefinition& definition = *catalog::ClassCatalog::Find(GetParam());
    const std::string marker(texts::captions::kRoseMarker);
    rc::detail::checkGTest([&] {
        PlanSession session(definition);
        for (const Action& action : *ActionsFor(definition)) session.Run(session.Resolve(action));
        const auto path = planner::TrainingPath(session.planner(), *PriorityFor(definition));
        const planner::TrainingPathView view = planner::ViewOf(session.planner(), path);

        RC_ASSERT(view.rows.size() == path.size());
        std::vector<std::int16_t> before(definition.lines.size(), 1);
        for (std::size_t step = 0; step < path.size(); ++step) {
            const planner::PathRowView& row = view.rows[step];
            RC_ASSERT(row.characterLevel == path[step].characterLevel);
            RC_ASSERT(row.newAbilities.size() == path[step].changedLines.size());
            for (std::size_t line = 0; line < row.cells.size(); ++line) {
                const planner::PathCellView& cell = row.cells[line];
                const std::int16_t level = path[step].lineLevels[line];
                const bool rose = level > before[line];
                RC_ASSERT(cell.rose == rose);
                RC_ASSERT(cell.text == (rose ? marker + ' ' : std::string()) + std::to_string(level));
                const bool explained = !planner::PathCellTooltip(definition, path, step, line).empty();
                RC_ASSERT(explained == (rose || !cell.open));
            }
            before = path[step].lineLevels;
        }
    });
}

INSTANTIATE_TEST_SUITE_P(EveryClass, TrainingPathProperties, ::testing::ValuesIn(EveryClassName()),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace vantrell::property

#include "tests/core/property/plan_checks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <sstream>

#include "core/catalog/abilities.h"
#include "core/planner/points.h"

namespace vantrell::property {
namespace {

using catalog::SpecLineDefinition;

constexpr int kUncapped = std::numeric_limits<int>::max();

class Findings {
public:
    explicit Findings(std::vector<std::string>& out) : out_(out) {}

    template <typename... Parts>
    void Add(const Parts&... parts) {
        std::ostringstream text;
        (text << ... << parts);
        out_.push_back(text.str());
    }

private:
    std::vector<std::string>& out_;
};

std::string Quoted(std::string_view text) { return '"' + std::string(text) + '"'; }

// A label that shows a number must read exactly as the integer's decimal text:
// no decimal point, no exponent, no "-0", no padding.
void ExpectNumberText(Findings& findings, std::string_view what, const std::string& shown, long value) {
    if (shown != std::to_string(value)) findings.Add(what, " shows ", Quoted(shown), " instead of ", value);
}

bool Whole(double value) { return std::isfinite(value) && std::trunc(value) == value; }

std::vector<std::size_t> RefreshOrderOf(const planner::Planner& planner) {
    const catalog::ClassDefinition& definition = planner.definition();
    std::vector<std::size_t> order;
    for (std::string_view stem : definition.levelRefreshOrder) {
        if (const auto index = planner.LineIndexOf(stem)) order.push_back(*index);
    }
    if (definition.levelRefreshOrder.empty()) {
        order.resize(definition.lines.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
    }
    return order;
}

void CheckLine(Findings& findings, const planner::Planner& planner, std::size_t index, long total, long pointsLeft) {
    const SpecLineDefinition& line = planner.definition().lines[index];
    const planner::LinePlan& plan = planner.state().lines[index];
    const planner::LineDisplay& shown = planner.display().lines[index];
    const int characterLevel = planner.state().characterLevel;
    const std::string name(line.stem);

    if (plan.level < 1) findings.Add(name, " is at level ", plan.level, ", below 1");
    if (shown.sliderValue != plan.level) {
        findings.Add(name, "'s slider stands at ", shown.sliderValue, " but the line is at level ", plan.level);
    }
    const long cost = CostOf(plan.level);
    if (plan.pointsSpent != cost) {
        findings.Add(name, " at level ", plan.level, " counts ", plan.pointsSpent, " points instead of ", cost);
    }

    const bool closed = ClosedAt(line, characterLevel);
    const bool enabled = planner.SliderEnabled(index);
    if (enabled == closed) {
        findings.Add(name, " is ", enabled ? "enabled" : "disabled", " at character level ", characterLevel,
                     " although it opens at ", line.availableFromLevel);
    }
    if (closed) {
        if (plan.level != 1 || plan.pointsSpent != 0) {
            findings.Add(name, " is closed but holds level ", plan.level, " and ", plan.pointsSpent, " points");
        }
    } else {
        const int maximum = plan.sliderMaximum;
        if (plan.level > maximum) findings.Add(name, " is at level ", plan.level, " above its maximum ", maximum);
        const int cap = CapOf(line, characterLevel);
        if (maximum > cap) findings.Add(name, "'s maximum ", maximum, " exceeds its cap ", cap);
        const int affordable = HighestAffordable(plan.level, pointsLeft);
        if (maximum > affordable + 1) {
            findings.Add(name, "'s maximum ", maximum, " is more than one above the affordable ", affordable,
                         " (level ", plan.level, ", ", pointsLeft, " points left)");
        }
        if (maximum < std::min(cap, affordable)) {
            findings.Add(name, "'s maximum ", maximum, " keeps the affordable level ", std::min(cap, affordable),
                         " out of reach");
        }
        if (const int counted = std::min(cap, plan.level + CountedSteps(plan.level, pointsLeft)); maximum != counted) {
            findings.Add(name, "'s maximum is ", maximum, " where the step count gives ", counted, " (level ",
                         plan.level, ", ", pointsLeft, " points left)");
        }
    }

    ExpectNumberText(findings, name + "'s level label", shown.level, plan.level);
    ExpectNumberText(findings, name + "'s points label", shown.points, cost);
    ExpectNumberText(findings, name + "'s percent label", shown.percent, total > 0 ? 100 * cost / total : -1);

    std::string abilities;
    if (!closed) {
        if (line.availableText) {
            abilities = *line.availableText;
        } else if (line.abilitiesKind) {
            abilities = catalog::AbilitiesTextFor(line, plan.level);
        }
    }
    if (shown.abilities != abilities) {
        findings.Add(name, " at level ", plan.level, " shows the abilities ", Quoted(shown.abilities), " instead of ",
                     Quoted(abilities));
    }
}

}  // namespace

long CostOf(int level) { return static_cast<long>(level) * (level + 1) / 2 - 1; }

long TotalAt(catalog::PointsRule rule, int characterLevel) {
    // Every factor is a whole number of halves, so floor(factor * level) is an integer division.
    const long halves = std::lround(rule.multiplier * 2);
    long total = 14;
    for (long level = 6; level <= characterLevel; ++level) total += halves * level / 2;
    return total;
}

int HighestAffordable(int level, long pointsLeft) {
    int highest = level;
    while (CostOf(highest + 1) - CostOf(level) <= pointsLeft) ++highest;
    return highest;
}

int CountedSteps(int level, long pointsLeft) {
    // The k-th step is charged level + (k - 1), one less than it really costs,
    // and the count never runs past level 100.
    int steps = 0;
    for (long k = 1; level + k - 1 <= 100; ++k) {
        if (k * level + k * (k - 1) / 2 < pointsLeft) steps = static_cast<int>(k);
    }
    return steps;
}

int CapOf(const SpecLineDefinition& line, int characterLevel) {
    switch (line.cap) {
    case catalog::LineCap::None: return kUncapped;
    case catalog::LineCap::CharacterLevel: return characterLevel;
    case catalog::LineCap::HalfCharacterLevel: return characterLevel / 2;
    }
    return kUncapped;
}

bool ClosedAt(const SpecLineDefinition& line, int characterLevel) { return characterLevel < line.availableFromLevel; }

PlanSnapshot SnapshotOf(const planner::Planner& planner) {
    PlanSnapshot snapshot;
    snapshot.characterLevel = planner.state().characterLevel;
    snapshot.pointsLeft = std::lround(planner.state().pointsLeft);
    for (std::size_t index = 0; index < planner.state().lines.size(); ++index) {
        const planner::LinePlan& plan = planner.state().lines[index];
        snapshot.lines.push_back({plan.level, plan.sliderMaximum, planner.SliderEnabled(index)});
    }
    return snapshot;
}

std::vector<std::string> BrokenInvariants(const planner::Planner& planner, int characterLevel) {
    std::vector<std::string> broken;
    Findings findings(broken);
    const planner::PlannerState& state = planner.state();
    const planner::PlannerDisplay& display = planner.display();
    const catalog::ClassDefinition& definition = planner.definition();

    if (state.characterLevel != characterLevel) {
        findings.Add("the plan is for level ", state.characterLevel, " after level ", characterLevel, " was picked");
    }
    if (!display.statsFrameEnabled) findings.Add("the stats frame is disabled after a level was picked");

    const long total = TotalAt(definition.pointsRule, characterLevel);
    if (!Whole(state.totalPoints) || state.totalPoints != static_cast<double>(total)) {
        findings.Add("the total is ", state.totalPoints, " instead of ", total);
    }
    const double modelTotal =
        planner::TotalPointsAtLevel(definition.pointsRule, static_cast<std::int16_t>(characterLevel));
    if (modelTotal != static_cast<double>(total)) {
        findings.Add("TotalPointsAtLevel gives ", modelTotal, " instead of ", total);
    }
    ExpectNumberText(findings, "the total label", display.totalPoints, total);

    long spent = 0;
    for (const planner::LinePlan& plan : state.lines) spent += CostOf(plan.level);
    const long pointsLeft = total - spent;
    if (pointsLeft < 0) findings.Add("the plan is over budget: ", pointsLeft, " points left");
    if (!Whole(state.pointsLeft) || state.pointsLeft != static_cast<double>(pointsLeft)) {
        findings.Add("the points left are ", state.pointsLeft, " instead of ", pointsLeft);
    }
    ExpectNumberText(findings, "the points-left label", display.pointsLeft, pointsLeft);

    for (std::size_t index = 0; index < definition.lines.size(); ++index) {
        CheckLine(findings, planner, index, total, pointsLeft);
    }
    return broken;
}

std::vector<std::string> BrokenSliderMove(const planner::Planner& planner, const PlanSnapshot& before, std::size_t line,
                                          int value) {
    std::vector<std::string> broken;
    Findings findings(broken);
    const PlanSnapshot after = SnapshotOf(planner);
    const auto lines = planner.definition().lines;

    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (index != line && after.lines[index].level != before.lines[index].level) {
            findings.Add("moving ", lines[line].stem, " moved ", lines[index].stem, " from ", before.lines[index].level,
                         " to ", after.lines[index].level);
        }
    }
    const LineSnapshot& was = before.lines[line];
    const int now = after.lines[line].level;
    if (!was.enabled) {
        if (now != was.level) findings.Add("the disabled ", lines[line].stem, " moved to ", now);
        return broken;
    }
    const int target = std::clamp(value, 1, std::max(was.maximum, 1));
    int expected = target;
    if (target > was.level && CostOf(target) - CostOf(was.level) > before.pointsLeft) expected = target - 1;
    if (now != expected) {
        findings.Add(lines[line].stem, " moved from ", was.level, " towards ", target, " (maximum ", was.maximum, ", ",
                     before.pointsLeft, " points left) ended at ", now, " instead of ", expected);
    }
    return broken;
}

std::vector<std::string> BrokenLevelPick(const planner::Planner& planner, const PlanSnapshot& before) {
    std::vector<std::string> broken;
    Findings findings(broken);
    const PlanSnapshot after = SnapshotOf(planner);
    const auto lines = planner.definition().lines;

    bool onlyBudgetMatters = true;
    long spentBefore = 0;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const int was = before.lines[index].level;
        if (after.lines[index].level > was) {
            findings.Add("picking level ", after.characterLevel, " raised ", lines[index].stem, " from ", was, " to ",
                         after.lines[index].level);
        }
        spentBefore += CostOf(was);
        const bool squeezed =
            ClosedAt(lines[index], after.characterLevel) || was > CapOf(lines[index], after.characterLevel);
        if (was > 1 && squeezed) onlyBudgetMatters = false;
    }
    if (!onlyBudgetMatters) return broken;

    const long total = TotalAt(planner.definition().pointsRule, after.characterLevel);
    if (spentBefore <= total) {
        for (std::size_t index = 0; index < lines.size(); ++index) {
            if (after.lines[index].level != before.lines[index].level) {
                findings.Add("level ", after.characterLevel, " holds the whole plan, yet ", lines[index].stem,
                             " dropped from ", before.lines[index].level, " to ", after.lines[index].level);
            }
        }
        return broken;
    }

    // Over budget: a prefix of the refresh order is given up entirely, the
    // next line only as far as needed, and the rest keep their levels.
    const std::vector<std::size_t> order = RefreshOrderOf(planner);
    std::size_t lastChanged = order.size();
    for (std::size_t position = 0; position < order.size(); ++position) {
        const std::size_t index = order[position];
        if (after.lines[index].level != before.lines[index].level) lastChanged = position;
    }
    if (lastChanged == order.size()) {
        findings.Add("level ", after.characterLevel, " cannot hold the plan, yet no line gave up a level");
        return broken;
    }
    for (std::size_t position = 0; position < lastChanged; ++position) {
        const std::size_t index = order[position];
        if (after.lines[index].level != 1) {
            findings.Add(lines[index].stem, " kept level ", after.lines[index].level, " while ",
                         lines[order[lastChanged]].stem, ", later in the refresh order, gave up levels");
        }
    }
    const std::size_t last = order[lastChanged];
    if (after.pointsLeft >= after.lines[last].level + 1) {
        findings.Add(lines[last].stem, " gave up more than needed: level ", after.lines[last].level + 1,
                     " would still fit with ", after.pointsLeft, " points left");
    }
    return broken;
}

}  // namespace vantrell::property

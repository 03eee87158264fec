#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <rapidcheck.h>

#include "core/catalog/records.h"
#include "core/planner/planner.h"

namespace vantrell::property {

// One user action, described by intent; the position it asks for depends on
// the plan at the moment it runs ("to the maximum", "one past it").
struct Action {
    enum class Kind {
        PickLevel,          // `value` is the character level
        PickPreviousLevel,  // back to the level picked before the last one
        SlideToMaximum,
        SlidePastMaximum,
        SlideToOne,
        SlideTo,  // `value` is the position asked for, possibly out of range
        StepUp,
        StepDown,
        RepeatLastSlide,
    };
    Kind kind = Kind::PickLevel;
    std::size_t line = 0;
    std::string_view stem;
    int value = 0;
};

std::ostream& operator<<(std::ostream& out, const Action& action);

// The list name of every class in the catalog, in selector order.
std::vector<std::string_view> EveryClassName();

// Level picks favour the edges and the levels at which the class's lines open
// (and the level just below), where most of the planner's rules meet.
rc::Gen<int> CharacterLevelFor(const catalog::ClassDefinition& definition);
rc::Gen<Action> ActionFor(const catalog::ClassDefinition& definition);
rc::Gen<std::vector<Action>> ActionsFor(const catalog::ClassDefinition& definition);

// An action made concrete against the current plan, as the scenario driver
// would read it ("level 23", "slide Two 12").
struct Command {
    bool pickLevel = false;
    std::size_t line = 0;
    int value = 0;
    std::string text;
};

// Runs actions on one headless planner and keeps the script that replays them.
class PlanSession {
public:
    explicit PlanSession(const catalog::ClassDefinition& definition);

    const planner::Planner& planner() const { return planner_; }
    int pickedLevel() const { return pickedLevel_; }
    const std::string& script() const { return script_; }

    Command Resolve(const Action& action) const;
    void Run(const Command& command);

private:
    planner::Planner planner_;
    int pickedLevel_ = 50;
    int previousLevel_ = 50;
    std::optional<Command> lastSlide_;
    std::string script_;
};

}  // namespace vantrell::property

#include "tests/core/property/plan_actions.h"

#include <ostream>

#include "core/catalog/class_catalog.h"

namespace vantrell::property {

std::ostream& operator<<(std::ostream& out, const Action& action) {
    switch (action.kind) {
    case Action::Kind::PickLevel: return out << "level " << action.value;
    case Action::Kind::PickPreviousLevel: return out << "level <previous>";
    case Action::Kind::SlideToMaximum: return out << "slide " << action.stem << " <maximum>";
    case Action::Kind::SlidePastMaximum: return out << "slide " << action.stem << " <maximum+1>";
    case Action::Kind::SlideToOne: return out << "slide " << action.stem << " 1";
    case Action::Kind::SlideTo: return out << "slide " << action.stem << ' ' << action.value;
    case Action::Kind::StepUp: return out << "slide " << action.stem << " <value+1>";
    case Action::Kind::StepDown: return out << "slide " << action.stem << " <value-1>";
    case Action::Kind::RepeatLastSlide: return out << "<repeat the last slide>";
    }
    return out;
}

std::vector<std::string_view> EveryClassName() {
    std::vector<std::string_view> names;
    for (const catalog::ClassDefinition* definition : catalog::ClassCatalog::AllClasses()) {
        names.push_back(definition->listName);
    }
    return names;
}

rc::Gen<int> CharacterLevelFor(const catalog::ClassDefinition& definition) {
    std::vector<int> edges{6, 7, 49, 50};
    for (const catalog::SpecLineDefinition& line : definition.lines) {
        if (line.availableFromLevel > 1) {
            edges.push_back(line.availableFromLevel);
            edges.push_back(line.availableFromLevel - 1);
        }
    }
    return rc::gen::weightedOneOf<int>({{3, rc::gen::inRange(6, 51)}, {2, rc::gen::elementOf(edges)}});
}

rc::Gen<Action> ActionFor(const catalog::ClassDefinition& definition) {
    using Kind = Action::Kind;
    const auto lines = definition.lines;
    const auto kind = rc::gen::weightedElement<Kind>({
        {4, Kind::PickLevel},
        {1, Kind::PickPreviousLevel},
        {4, Kind::SlideToMaximum},
        {3, Kind::SlidePastMaximum},
        {2, Kind::SlideToOne},
        {4, Kind::SlideTo},
        {2, Kind::StepUp},
        {2, Kind::StepDown},
        {1, Kind::RepeatLastSlide},
    });
    // Mostly positions a slider can take, sometimes ones it must refuse.
    const auto position = rc::gen::weightedOneOf<int>({
        {6, rc::gen::inRange(1, 72)},
        {1, rc::gen::element(0, -1, 102, 150, 32767, -32768)},
    });
    return rc::gen::apply(
        [lines](Kind kind, std::size_t line, int level, int value) {
            Action action{.kind = kind, .line = line, .stem = lines[line].stem, .value = value};
            if (kind == Kind::PickLevel) action.value = level;
            return action;
        },
        kind, rc::gen::inRange<std::size_t>(0, lines.size()), CharacterLevelFor(definition), position);
}

rc::Gen<std::vector<Action>> ActionsFor(const catalog::ClassDefinition& definition) {
    return rc::gen::container<std::vector<Action>>(ActionFor(definition));
}

PlanSession::PlanSession(const catalog::ClassDefinition& definition)
    : planner_(definition), script_("open " + std::string(definition.listName) + "\n") {}

Command PlanSession::Resolve(const Action& action) const {
    using Kind = Action::Kind;
    const auto slide = [&](int value) {
        return Command{.pickLevel = false,
                       .line = action.line,
                       .value = value,
                       .text = "slide " + std::string(action.stem) + ' ' + std::to_string(value)};
    };
    const int maximum = planner_.state().lines[action.line].sliderMaximum;
    const int value = planner_.display().lines[action.line].sliderValue;
    switch (action.kind) {
    case Kind::PickLevel:
    case Kind::PickPreviousLevel: {
        const int level = action.kind == Kind::PickLevel ? action.value : previousLevel_;
        return Command{.pickLevel = true, .line = 0, .value = level, .text = "level " + std::to_string(level)};
    }
    case Kind::SlideToMaximum: return slide(maximum);
    case Kind::SlidePastMaximum: return slide(maximum + 1);
    case Kind::SlideToOne: return slide(1);
    case Kind::SlideTo: return slide(action.value);
    case Kind::StepUp: return slide(value + 1);
    case Kind::StepDown: return slide(value - 1);
    case Kind::RepeatLastSlide: return lastSlide_ ? *lastSlide_ : slide(value);
    }
    return slide(value);
}

void PlanSession::Run(const Command& command) {
    script_ += command.text + '\n';
    if (command.pickLevel) {
        previousLevel_ = pickedLevel_;
        pickedLevel_ = command.value;
        planner_.ApplyLevelChange(static_cast<std::int16_t>(command.value));
    } else {
        lastSlide_ = command;
        planner_.MoveSlider(command.line, command.value);
    }
}

}  // namespace vantrell::property

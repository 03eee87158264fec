#include "tools/scenario/scenario_runner.h"

#include <istream>
#include <ostream>
#include <vector>

#include "core/planner/points.h"
#include "core/planner/quoted.h"
#include "core/planner/training_path_view.h"
#include "core/planner/whole_number.h"
#include "tools/scenario/planner_json.h"
#include "tools/scenario/session_json.h"
#include "tools/scenario/training_path_json.h"

namespace vantrell::scenario {
namespace {

using planner::Quoted;

constexpr std::string_view kBlanks = " \t\r";

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    while (true) {
        const auto start = line.find_first_not_of(kBlanks);
        if (start == std::string_view::npos) return words;
        line.remove_prefix(start);
        const auto end = std::min(line.find_first_of(kBlanks), line.size());
        words.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
}

}  // namespace

ScenarioRunner::ScenarioRunner(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

int ScenarioRunner::Run(std::istream& script) {
    std::string line;
    for (long number = 1; std::getline(script, line); ++number) {
        std::string reason;
        try {
            reason = RunCommand(line);
        } catch (const std::exception& fault) {
            reason = std::string("planner fault: ") + fault.what();
        }
        if (!reason.empty()) {
            out_.flush();
            err_ << "error: line " << number << ": " << reason << '\n';
            return kScenarioBadInput;
        }
    }
    out_.flush();
    return kScenarioOk;
}

std::string ScenarioRunner::RunCommand(std::string_view line) {
    const auto words = Words(line);
    if (words.empty() || words.front().starts_with('#')) return {};
    const std::string_view command = words.front();
    const auto expect = [&](std::size_t arguments) -> std::string {
        if (words.size() == arguments + 1) return {};
        return Quoted(command) + " takes " + std::to_string(arguments) + " argument(s)";
    };
    const auto needPlanner = [&]() -> std::string {
        return session_.current() == nullptr ? Quoted(command) + " before any 'open'" : std::string{};
    };

    if (command == "open") {
        if (auto bad = expect(1); !bad.empty()) return bad;
        return Open(words[1]);
    }
    if (command == "apply") {
        if (auto bad = expect(1); !bad.empty()) return bad;
        Apply(words[1]);
        return {};
    }
    if (command == "undo" || command == "redo" || command == "history") {
        if (auto bad = expect(0); !bad.empty()) return bad;
        if (auto bad = needPlanner(); !bad.empty()) return bad;
        planner::Planner& current = *session_.current();
        if (command == "undo") session_.Undo(current);
        if (command == "redo") session_.Redo(current);
        if (command == "history") {
            const planner::PlanHistory& history = session_.HistoryOf(current);
            out_ << HistoryJson(history.undoCount(), history.redoCount()) << '\n';
        }
        return {};
    }
    if (command == "level" || command == "slide" || command == "click" || command == "show" || command == "path") {
        const std::size_t arguments = command == "slide" ? 2 : command == "show" || command == "path" ? 0 : 1;
        if (auto bad = expect(arguments); !bad.empty()) return bad;
        if (auto bad = needPlanner(); !bad.empty()) return bad;
    }
    if (command == "priority") {
        if (auto bad = needPlanner(); !bad.empty()) return bad;
        return SetPriority(std::span(words).subspan(1));
    }
    if (command == "path") {
        PrintPath();
        return {};
    }
    if (command == "level") return PickLevel(words[1]);
    if (command == "slide") return Slide(words[1], words[2]);
    if (command == "click") return Click(words[1]);
    if (command == "show") {
        out_ << PlannerJson(*session_.current()) << '\n';
        return {};
    }
    return "unknown command " + Quoted(command);
}

std::string ScenarioRunner::Open(std::string_view listName) {
    if (session_.Open(listName) == nullptr) return "unknown class " + Quoted(listName);
    return {};
}

void ScenarioRunner::Apply(std::string_view codeOrLink) {
    const planner::Session::Applied applied = session_.ApplyPasted(codeOrLink);
    if (applied.planner == nullptr) {
        out_ << ErrorJson(applied.fault) << '\n';
        return;
    }
    out_ << AppliedJson(applied.planner->definition().listName, applied.lowered) << '\n';
}

std::string ScenarioRunner::PickLevel(std::string_view number) {
    const auto level = planner::ParseWholeNumber(number);
    if (!level) return "not a number: " + Quoted(number);
    if (*level < planner::kLowestCharacterLevel || *level > planner::kHighestCharacterLevel) {
        return "level " + std::to_string(*level) + " is outside " + std::to_string(planner::kLowestCharacterLevel) +
               " to " + std::to_string(planner::kHighestCharacterLevel);
    }
    session_.PickLevel(*session_.current(), static_cast<std::int16_t>(*level));
    return {};
}

std::string ScenarioRunner::Slide(std::string_view stem, std::string_view number) {
    planner::Planner& current = *session_.current();
    const auto line = current.LineIndexOf(stem);
    if (!line) return "unknown stem " + Quoted(stem) + " for " + std::string(current.definition().listName);
    const auto value = planner::ParseWholeNumber(number);
    if (!value) return "not a number: " + Quoted(number);
    session_.MoveSlider(current, *line, *value);
    return {};
}

std::string ScenarioRunner::Click(std::string_view stem) {
    const planner::Planner& current = *session_.current();
    const auto line = current.LineIndexOf(stem);
    if (!line) return "unknown stem " + Quoted(stem) + " for " + std::string(current.definition().listName);
    out_ << MessageJson(current.ExplanationFor(*line)) << '\n';
    return {};
}

std::string ScenarioRunner::SetPriority(std::span<const std::string_view> stems) {
    return session_.SetPriority(session_.current()->definition(), stems);
}

void ScenarioRunner::PrintPath() {
    const planner::Planner& current = *session_.current();
    const auto path = planner::TrainingPath(current, session_.PriorityOf(current.definition()));
    out_ << TrainingPathJson(planner::ViewOf(current, path)) << '\n';
}

}  // namespace vantrell::scenario

#include "tools/scenario/scenario_runner.h"

#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include "core/planner/blanks.h"
#include "core/planner/plan_formats.h"
#include "core/planner/points.h"
#include "core/planner/record_json.h"
#include "core/planner/training_path_view.h"
#include "core/planner/whole_number.h"
#include "core/texts/composed.h"
#include "core/texts/driver_texts.h"
#include "tools/scenario/planner_json.h"
#include "tools/scenario/session_json.h"

namespace vantrell::scenario {
namespace {

constexpr std::string_view kBlanks = " \t\r";

// What follows the command on its line, without the blanks around it.
std::string_view RestOf(std::string_view line, std::string_view command) {
    line.remove_prefix(line.find(command) + command.size());
    const auto first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
}

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
            reason = texts::driver::PlannerFault(fault.what());
        }
        if (!reason.empty()) {
            out_.flush();
            err_ << texts::driver::ScriptError(number, reason) << '\n';
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
        return texts::driver::TakesArguments(command, arguments);
    };
    const auto needPlanner = [&]() -> std::string {
        return session_.current() == nullptr ? texts::driver::BeforeAnyOpen(command) : std::string{};
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
    if (command == "save" || command == "load" || command == "delete" || command == "rename" || command == "export" ||
        command == "import" || command == "note") {
        const std::string_view rest = RestOf(line, command);
        if (command == "save") {
            if (auto bad = needPlanner(); !bad.empty()) return bad;
            Save(rest);
        }
        if (command == "load") Load(rest);
        if (command == "delete") Delete(rest);
        if (command == "rename") Rename(rest);
        if (command == "note") Note(rest);
        if (command == "export") Export(rest);
        if (command == "import") Import(rest);
        return {};
    }
    if (command == "compare" || command == "compare-saved") {
        if (auto bad = needPlanner(); !bad.empty()) return bad;
        Compare(RestOf(line, command), command == "compare-saved");
        return {};
    }
    if (command == "complete") {
        if (auto bad = expect(0); !bad.empty()) return bad;
        if (auto bad = needPlanner(); !bad.empty()) return bad;
        out_ << FieldJson("completeFrom", static_cast<std::size_t>(planner::CompleteFrom(*session_.current()))) << '\n';
        return {};
    }
    if (command == "plans") {
        if (auto bad = expect(0); !bad.empty()) return bad;
        out_ << PlansJson(session_.library()) << '\n';
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
    if (command == "level" || command == "slide" || command == "click" || command == "show" || command == "path" ||
        command == "format") {
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
    if (command == "format") return PrintFormat(words[1]);
    if (command == "level") return PickLevel(words[1]);
    if (command == "slide") return Slide(words[1], words[2]);
    if (command == "click") return Click(words[1]);
    if (command == "show") {
        out_ << PlannerJson(*session_.current()) << '\n';
        return {};
    }
    return texts::driver::UnknownCommand(command);
}

std::string ScenarioRunner::Open(std::string_view listName) {
    if (session_.Open(listName) == nullptr) return texts::driver::UnknownClass(listName);
    return {};
}

void ScenarioRunner::Apply(std::string_view codeOrLink) {
    const planner::Session::Applied applied = session_.ApplyPasted(codeOrLink);
    if (applied.planner == nullptr) {
        out_ << ErrorJson(applied.fault) << '\n';
        return;
    }
    out_ << AppliedJson(applied.planner->definition().listName, applied) << '\n';
}

void ScenarioRunner::Compare(std::string_view other, bool saved) {
    std::string code(other);
    if (saved) {
        const planner::SavedPlan* plan = session_.library().Find(other);
        if (plan == nullptr || !plan->usable()) {
            out_ << ErrorJson(plan == nullptr ? NoPlanNamed(other) : plan->fault) << '\n';
            return;
        }
        code = plan->code;
    }
    const auto comparison = planner::ComparePlans(*session_.current(), code);
    if (const auto* reason = std::get_if<std::string>(&comparison)) {
        out_ << ErrorJson(*reason) << '\n';
        return;
    }
    out_ << ComparisonJson(std::get<planner::PlanComparison>(comparison)) << '\n';
}

std::string ScenarioRunner::PickLevel(std::string_view number) {
    const auto level = planner::ParseWholeNumber(number);
    if (!level) return texts::driver::NotANumber(number);
    if (*level < planner::kLowestCharacterLevel || *level > planner::kHighestCharacterLevel) {
        return texts::driver::LevelOutside(*level, planner::kLowestCharacterLevel, planner::kHighestCharacterLevel);
    }
    session_.PickLevel(*session_.current(), static_cast<std::int16_t>(*level));
    return {};
}

std::string ScenarioRunner::Slide(std::string_view stem, std::string_view number) {
    planner::Planner& current = *session_.current();
    const auto line = current.LineIndexOf(stem);
    if (!line) return texts::driver::UnknownStem(stem, current.definition().listName);
    const auto value = planner::ParseWholeNumber(number);
    if (!value) return texts::driver::NotANumber(number);
    session_.MoveSlider(current, *line, *value);
    return {};
}

std::string ScenarioRunner::Click(std::string_view stem) {
    const planner::Planner& current = *session_.current();
    const auto line = current.LineIndexOf(stem);
    if (!line) return texts::driver::UnknownStem(stem, current.definition().listName);
    out_ << MessageJson(current.ExplanationFor(*line)) << '\n';
    return {};
}

std::string ScenarioRunner::SetPriority(std::span<const std::string_view> stems) {
    return session_.SetPriority(session_.current()->definition(), stems);
}

std::string ScenarioRunner::PrintFormat(std::string_view format) {
    const auto text = planner::PlanInFormat(*session_.current(), format, session_.NoteOf(*session_.current()));
    if (!text) return texts::driver::UnknownFormat(format);
    out_ << FormatJson(format, *text) << '\n';
    return {};
}

void ScenarioRunner::PrintPath() {
    const planner::Planner& current = *session_.current();
    const auto path = planner::TrainingPath(current, session_.PriorityOf(current.definition()));
    out_ << planner::records::PathLine(planner::ViewOf(current, path)) << '\n';
}

}  // namespace vantrell::scenario

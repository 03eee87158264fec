#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "core/planner/session.h"

namespace vantrell::scenario {

inline constexpr int kScenarioOk = 0;
inline constexpr int kScenarioBadInput = 2;

// Drives a session of headless planners from a script, one command a line, and
// prints what `show`, `click`, `path`, `apply` and `history` ask for. Bad input
// ends the run with one error line.
class ScenarioRunner {
public:
    ScenarioRunner(std::ostream& out, std::ostream& err);

    // Returns the exit status: kScenarioOk, or kScenarioBadInput after the first bad line.
    int Run(std::istream& script);

private:
    // Runs one command; returns an error reason, empty when it succeeded.
    std::string RunCommand(std::string_view line);
    std::string Open(std::string_view listName);
    // A code the user pastes; one that cannot be read is the user's mistake, not the script's.
    void Apply(std::string_view codeOrLink);
    // The saved plans; a bad name, an unknown plan or an unreadable file is the user's mistake too.
    void Save(std::string_view name);
    void Load(std::string_view name);
    void Delete(std::string_view name);
    void Rename(std::string_view names);
    // Gives a saved plan a note, written as a JSON string so that it may hold line breaks.
    void Note(std::string_view nameAndNote);
    // Why no saved plan answers to the name given.
    static std::string NoPlanNamed(std::string_view name);
    void Export(std::string_view path);
    // The current plan against a code or link, or against a saved plan.
    void Compare(std::string_view other, bool saved);
    void Import(std::string_view path);
    std::string PickLevel(std::string_view number);
    std::string Slide(std::string_view stem, std::string_view number);
    std::string Click(std::string_view stem);
    std::string SetPriority(std::span<const std::string_view> stems);
    void PrintPath();
    // The current plan in a form it can be copied in.
    std::string PrintFormat(std::string_view format);

    std::ostream& out_;
    std::ostream& err_;
    planner::Session session_;
};

}  // namespace vantrell::scenario

#pragma once

#include <iosfwd>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "core/planner/planner.h"
#include "core/planner/training_path.h"

namespace vantrell::scenario {

inline constexpr int kScenarioOk = 0;
inline constexpr int kScenarioBadInput = 2;

// Drives headless planners from a script, one command a line, and prints what
// `show`, `click` and `path` ask for. Bad input ends the run with one error line.
class ScenarioRunner {
public:
    ScenarioRunner(std::ostream& out, std::ostream& err);

    // Returns the exit status: kScenarioOk, or kScenarioBadInput after the first bad line.
    int Run(std::istream& script);

private:
    // Runs one command; returns an error reason, empty when it succeeded.
    std::string RunCommand(std::string_view line);
    std::string Open(std::string_view listName);
    std::string PickLevel(std::string_view number);
    std::string Slide(std::string_view stem, std::string_view number);
    std::string Click(std::string_view stem);
    std::string SetPriority(std::span<const std::string_view> stems);
    void PrintPath();

    std::ostream& out_;
    std::ostream& err_;
    std::map<std::string, std::unique_ptr<planner::Planner>, std::less<>> planners_;
    planner::Planner* current_ = nullptr;
    // Each planner's training priority; screen order until a `priority` sets one.
    planner::TrainingPriorities priorities_;
};

}  // namespace vantrell::scenario

// The headless planner's costs, which bound how quickly a planner window can
// answer the user: a slider move, the worst level change and a window's load.
#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "bench/run_benchmarks.h"
#include "core/catalog/class_catalog.h"
#include "core/planner/plan_code.h"
#include "core/planner/plan_formats.h"
#include "core/planner/plan_compare.h"
#include "core/planner/plan_library.h"
#include "core/planner/planner.h"
#include "core/planner/session.h"

namespace {

using vantrell::catalog::ClassCatalog;
using vantrell::catalog::ClassDefinition;
using vantrell::planner::Planner;

constexpr std::int16_t kLowestLevel = 6;
constexpr std::int16_t kHighestLevel = 50;

std::string Name(const ClassDefinition& definition) { return std::string(definition.listName); }

// Every move re-runs the maxima of all lines, so the class with the most lines
// is the dearest to move a slider in.
const ClassDefinition* WidestClass() {
    const ClassDefinition* widest = nullptr;
    for (const ClassDefinition* definition : ClassCatalog::AllClasses()) {
        if (widest == nullptr || definition->lines.size() > widest->lines.size()) widest = definition;
    }
    return widest;
}

void SliderMove(benchmark::State& state, const ClassDefinition* definition) {
    if (definition == nullptr || definition->lines.size() != 8) {
        state.SkipWithError("no class with eight lines in the catalog");
        return;
    }
    Planner planner(*definition);
    constexpr int kPlannedLevel = 10;
    for (std::size_t line = 0; line < definition->lines.size(); ++line) planner.MoveSlider(line, kPlannedLevel);
    // One arrow click up, one down: the plan stays the same from one pair to the next.
    const std::size_t moved = 0;
    const int low = planner.display().lines[moved].sliderValue;
    const int high = low + 1;
    if (low < 2 || planner.state().lines[moved].sliderMaximum < high) {
        state.SkipWithError("the moved line cannot go one step either way");
        return;
    }
    bool up = true;
    for (auto _ : state) {
        if (!planner.MoveSlider(moved, up ? high : low)) {
            state.SkipWithError("the slider move ran no handling");
            break;
        }
        up = !up;
        benchmark::DoNotOptimize(planner.display());
    }
    state.SetLabel(Name(*definition) + ", line " + std::string(definition->lines[moved].stem));
}

// A plan that spends every point, each line in refresh order taking all it can.
// A drop to the lowest level then gives the first of them up one level at a time,
// each step nested inside the last: for the plain casters, whose first line is
// uncapped, that nests deeper than for any other class.
Planner FullPlan(const ClassDefinition& definition) {
    Planner planner(definition);
    for (std::size_t step = 0; step < definition.lines.size(); ++step) {
        std::size_t line = step;
        if (!definition.levelRefreshOrder.empty()) line = *planner.LineIndexOf(definition.levelRefreshOrder[step]);
        planner.MoveSlider(line, kHighestLevel * 10);
    }
    return planner;
}

void WorstLevelChange(benchmark::State& state, const ClassDefinition* definition) {
    const Planner full = FullPlan(*definition);
    int levelsGivenUp = 0;
    for (auto _ : state) {
        Planner planner = full;
        const auto start = std::chrono::steady_clock::now();
        planner.ApplyLevelChange(kLowestLevel);
        const auto stop = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(planner.display());
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (planner.state().pointsLeft < 0) {
            state.SkipWithError("the level change left the plan over budget");
            break;
        }
        levelsGivenUp = 0;
        for (std::size_t line = 0; line < full.state().lines.size(); ++line) {
            levelsGivenUp += full.state().lines[line].level - planner.state().lines[line].level;
        }
    }
    state.counters["levels_given_up"] = levelsGivenUp;
    state.counters["points_at_50"] = full.state().totalPoints - full.state().pointsLeft;
}

// Undoing a drop from 50 to 6 with a full plan, then redoing it: the dearest step to take back.
void UndoRedoLevelChange(benchmark::State& state, const ClassDefinition* definition) {
    vantrell::planner::Session session;
    Planner& planner = session.Open(*definition);
    const Planner full = FullPlan(*definition);
    session.Apply(std::get<vantrell::planner::PlanCode>(
        vantrell::planner::DecodePlanCode(vantrell::planner::EncodePlanCode(full))));
    session.PickLevel(planner, kLowestLevel);
    bool undo = true;
    for (auto _ : state) {
        if (!(undo ? session.Undo(planner) : session.Redo(planner))) {
            state.SkipWithError("nothing to undo or redo");
            break;
        }
        undo = !undo;
        benchmark::DoNotOptimize(planner.display());
    }
}

// Saving one more plan into a library of a thousand and writing the document, as
// every change to the saved plans does.
void SaveIntoLibrary(benchmark::State& state) {
    const ClassDefinition& healer = *ClassCatalog::Find("Healer");
    const std::vector<std::string> priority = {"Mending", "Augmentation", "Pacification"};
    vantrell::planner::PlanLibrary library;
    for (int plan = 0; plan < 1000; ++plan)
        library.Save("Plan " + std::to_string(plan), "VT1:Healer:50:10.1.1", priority);
    const std::string code = vantrell::planner::EncodePlanCode(Planner(healer));
    for (auto _ : state) {
        if (!library.Save("Plan 500", code, priority).empty()) {
            state.SkipWithError("the plan was not saved");
            break;
        }
        benchmark::DoNotOptimize(library.Write());
    }
}

// A document of a hundred thousand plans that share one name.
std::string HundredThousandOfOneName() {
    std::string document = R"({"format":"vantrell-plans","version":1,"plans":[)";
    for (int plan = 0; plan < 100'000; ++plan) {
        document += plan == 0 ? "" : ",";
        document += R"({"name":"Solo","code":"VT1:Healer:50:10.1.1","priority":["Mending","Augmentation","Pacification"]})";
    }
    return document + "]}";
}

// Reading such a document and importing it into a library that already holds
// it: every name must be made unique. Beside it, the floor: the JSON parse alone.
void ImportHundredThousand(benchmark::State& state) {
    const std::string document = HundredThousandOfOneName();
    auto first = vantrell::planner::PlanLibrary::Read(document);
    const auto& held = std::get<vantrell::planner::PlanLibrary>(first);
    for (auto _ : state) {
        state.PauseTiming();
        auto library = std::make_unique<vantrell::planner::PlanLibrary>(held);
        state.ResumeTiming();
        auto read = vantrell::planner::PlanLibrary::Read(document);
        library->Import(std::get<vantrell::planner::PlanLibrary>(std::move(read)));
        benchmark::DoNotOptimize(library->plans().size());
        state.PauseTiming();
        library.reset();
        state.ResumeTiming();
    }
}

// A full eight-line plan in one of the forms it is copied in; beside them, the aligned text it always had.
void CopyInFormat(benchmark::State& state, std::string_view format) {
    const Planner full = FullPlan(*WidestClass());
    for (auto _ : state) benchmark::DoNotOptimize(vantrell::planner::PlanInFormat(full, format));
}

void ParseHundredThousand(benchmark::State& state) {
    const std::string document = HundredThousandOfOneName();
    for (auto _ : state) benchmark::DoNotOptimize(nlohmann::json::parse(document).size());
}

// A full plan against the same class's plan at the lowest level, as the Compare views ask for it.
void ComparePlans(benchmark::State& state, const ClassDefinition* definition) {
    const Planner full = FullPlan(*definition);
    Planner low(*definition);
    low.ApplyLevelChange(kLowestLevel);
    const std::string code = vantrell::planner::EncodePlanCode(low);
    for (auto _ : state) {
        auto comparison = vantrell::planner::ComparePlans(full, code);
        if (!std::holds_alternative<vantrell::planner::PlanComparison>(comparison)) {
            state.SkipWithError("the plans could not be compared");
            break;
        }
        benchmark::DoNotOptimize(comparison);
    }
}

void CompleteFrom(benchmark::State& state, const ClassDefinition* definition) {
    const Planner full = FullPlan(*definition);
    for (auto _ : state) benchmark::DoNotOptimize(vantrell::planner::CompleteFrom(full));
}

void Load(benchmark::State& state, const ClassDefinition* definition) {
    for (auto _ : state) {
        Planner planner(*definition);
        benchmark::DoNotOptimize(planner.display());
    }
}

void RegisterAll() {
    for (const char* listName : {"Cabalist", "Infiltrator"}) {
        benchmark::RegisterBenchmark((std::string("UndoRedoLevelChange50To6/") + listName).c_str(), UndoRedoLevelChange,
                                     ClassCatalog::Find(listName))
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.2)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true);
    }
    const ClassDefinition* widest = WidestClass();
    benchmark::RegisterBenchmark("ComparePlans/eight_lines", ComparePlans, widest)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("CompleteFrom/eight_lines", CompleteFrom, widest)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("SaveIntoLibraryOf1000", SaveIntoLibrary)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("ImportHundredThousand/parse_alone", ParseHundredThousand)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("ImportHundredThousand/read_and_import", ImportHundredThousand)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    for (const std::string_view format : vantrell::planner::kFormatNames) {
        benchmark::RegisterBenchmark(("CopyInFormat/" + std::string(format)).c_str(), CopyInFormat, format)
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true);
    }
    benchmark::RegisterBenchmark("SliderMove/eight_lines", SliderMove, WidestClass())
        ->MinTime(0.2)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
    for (const ClassDefinition* definition : ClassCatalog::AllClasses()) {
        benchmark::RegisterBenchmark(("LevelChange50To6/" + Name(*definition)).c_str(), WorstLevelChange, definition)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.2)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    }
    for (const ClassDefinition* definition : ClassCatalog::AllClasses()) {
        benchmark::RegisterBenchmark(("Load/" + Name(*definition)).c_str(), Load, definition)
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.2)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    }
}

}  // namespace

int main(int argc, char** argv) {
    RegisterAll();
    return vantrell::bench::RunBenchmarks(argc, argv);
}

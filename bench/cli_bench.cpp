// vantrell-cli from start to exit, side by side with a program that does
// nothing (/bin/true), alternated in one run: the ratio and the difference are
// the figures that count, as the absolute ones move with the machine's load.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "bench/run_benchmarks.h"

extern char** environ;

namespace {

// Seconds from spawning `arguments` to its exit, its output thrown away; negative when it failed.
double RunSeconds(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void CliShowSideBySide(benchmark::State& state) {
    double cli = 0;
    double bare = 0;
    for (auto _ : state) {
        const double shown = RunSeconds({VANTRELL_CLI, "show", "VT1:Healer:40:12.5.1", "--format", "markdown"});
        const double nothing = RunSeconds({"/bin/true"});
        if (shown < 0 || nothing < 0) {
            state.SkipWithError("a program did not run to a clean exit");
            return;
        }
        state.SetIterationTime(shown);
        cli += shown;
        bare += nothing;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["cli_ms"] = 1000 * cli / runs;
    state.counters["bare_ms"] = 1000 * bare / runs;
    state.counters["ratio"] = cli / bare;
}

}  // namespace

BENCHMARK(CliShowSideBySide)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(3);

int main(int argc, char** argv) { return vantrell::bench::RunBenchmarks(argc, argv); }

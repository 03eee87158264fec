// Start-up time and peak memory of the program, side by side with a bare Qt
// program that shows one empty main window. Both run offscreen, started and
// killed from here, with the same probe preloaded to say when the first frame
// is painted; the figures that count are the ratios, because the absolute ones
// move with the machine's load.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench/run_benchmarks.h"
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

struct StartUp {
    double seconds = 0;
    double peakMiB = 0;
};

constexpr int kFirstFrameTimeoutMs = 30'000;
constexpr std::string_view kProbeVariable = "VANTRELL_FIRST_FRAME_FD";

// The caller's environment, with the platform, the probe and its descriptor set for the
// child, and the system's language when one is given.
std::vector<std::string> ChildEnvironment(int descriptor, const char* language) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view variable(*entry);
        const auto overridden = [&](std::string_view name) {
            return variable.size() > name.size() && variable.substr(0, name.size()) == name &&
                   variable[name.size()] == '=';
        };
        if (overridden("QT_QPA_PLATFORM") || overridden("LD_PRELOAD") || overridden(kProbeVariable)) continue;
        const bool languageVariable =
            overridden("LANGUAGE") || overridden("LC_ALL") || overridden("LC_MESSAGES") || overridden("LANG");
        if (language != nullptr && languageVariable) continue;
        variables.emplace_back(variable);
    }
    if (language != nullptr) {
        variables.emplace_back(std::string("LANGUAGE=") + language);
        variables.emplace_back(std::string("LANG=") + language + ".UTF-8");
    }
    variables.emplace_back("QT_QPA_PLATFORM=offscreen");
    variables.emplace_back(std::string("LD_PRELOAD=") + FIRST_FRAME_PROBE);
    variables.emplace_back(std::string(kProbeVariable) + "=" + std::to_string(descriptor));
    return variables;
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Close(); }
    int get() const { return fd_; }
    void Close() {
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

struct Program {
    const char* path;
    const char* argument;           // or nullptr
    const char* language = nullptr;  // the system's language, or the caller's
};

constexpr Program kBare{BARE_QT_PROGRAM, nullptr};
constexpr Program kBareWithText{BARE_QT_PROGRAM, "--one-label"};
constexpr Program kVantrell{VANTRELL_PROGRAM, nullptr};
// In German the program parses a catalog and loads Qt's as it starts; a language chosen in it before wins.
constexpr Program kVantrellInGerman{VANTRELL_PROGRAM, nullptr, "de_DE"};

// Starts the program, waits for its first frame, kills it and reads its peak
// resident size. Any failure is described in `error`.
std::optional<StartUp> StartUntilFirstFrame(const Program& started, std::string& error) {
    const char* program = started.path;
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return std::nullopt;
    }
    Descriptor reading(ends[0]);
    Descriptor writing(ends[1]);
    // dup2 onto another number clears close-on-exec for the child's copy only.
    const int childDescriptor = writing.get() == 3 ? 4 : 3;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, writing.get(), childDescriptor);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<std::string> variables = ChildEnvironment(childDescriptor, started.language);
    std::vector<char*> environment;
    for (std::string& variable : variables) environment.push_back(variable.data());
    environment.push_back(nullptr);
    std::string name(program);
    std::string argument(started.argument == nullptr ? "" : started.argument);
    char* arguments[] = {name.data(), started.argument == nullptr ? nullptr : argument.data(), nullptr};

    pid_t child = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&child, program, &actions, nullptr, arguments, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        error = std::string("cannot start ") + program + ": " + std::strerror(spawned);
        return std::nullopt;
    }
    writing.Close();

    pollfd ready{reading.get(), POLLIN, 0};
    int polled = 0;
    do polled = poll(&ready, 1, kFirstFrameTimeoutMs);
    while (polled < 0 && errno == EINTR);
    char shown = 0;
    const bool painted = polled == 1 && read(reading.get(), &shown, 1) == 1;
    const auto stop = std::chrono::steady_clock::now();

    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    if (!painted) {
        error = std::string(program) + (polled == 0 ? " showed no window in time" : " ended before its first frame");
        return std::nullopt;
    }
    // ru_maxrss is in KiB on Linux.
    return StartUp{std::chrono::duration<double>(stop - start).count(), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Samples {
    std::vector<double> seconds;
    std::vector<double> peakMiB;
};

void StartUpSideBySide(benchmark::State& state) {
    // The bare window with one label is no target, only a measure of what the first text costs any Qt program.
    enum : std::size_t { kBareRun, kVantrellRun, kOneLabelRun, kGermanRun, kPrograms };
    const Program programs[kPrograms] = {kBare, kVantrell, kBareWithText, kVantrellInGerman};
    std::string error;
    // The first starts fill the page cache and the font cache; no program should pay for that here.
    for (const Program& program : programs) {
        if (!StartUntilFirstFrame(program, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
    }
    Samples samples[kPrograms];
    std::size_t first = 0;
    for (auto _ : state) {
        // Rotating which goes first keeps any drift in the machine's load from favouring one.
        for (std::size_t turn = 0; turn < kPrograms; ++turn) {
            const std::size_t which = (first + turn) % kPrograms;
            const std::optional<StartUp> run = StartUntilFirstFrame(programs[which], error);
            if (!run) {
                state.SkipWithError(error.c_str());
                return;
            }
            samples[which].seconds.push_back(run->seconds);
            samples[which].peakMiB.push_back(run->peakMiB);
            if (which == kVantrellRun) state.SetIterationTime(run->seconds);
        }
        first = (first + 1) % kPrograms;
    }
    const double bareTime = Median(samples[kBareRun].seconds);
    const double vantrellTime = Median(samples[kVantrellRun].seconds);
    const double bareMemory = Median(samples[kBareRun].peakMiB);
    const double vantrellMemory = Median(samples[kVantrellRun].peakMiB);
    state.counters["bare_ms"] = bareTime * 1e3;
    state.counters["vantrell_ms"] = vantrellTime * 1e3;
    state.counters["time_ratio"] = vantrellTime / bareTime;
    state.counters["bare_peak_MiB"] = bareMemory;
    state.counters["vantrell_peak_MiB"] = vantrellMemory;
    state.counters["peak_ratio"] = vantrellMemory / bareMemory;
    state.counters["one_label_ms"] = Median(samples[kOneLabelRun].seconds) * 1e3;
    state.counters["one_label_peak_MiB"] = Median(samples[kOneLabelRun].peakMiB);
    const double germanTime = Median(samples[kGermanRun].seconds);
    state.counters["german_ms"] = germanTime * 1e3;
    state.counters["german_ratio"] = germanTime / vantrellTime;
    state.SetLabel("medians of the runs; time column: vantrell");
}

BENCHMARK(StartUpSideBySide)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15)->Repetitions(3);

}  // namespace

int main(int argc, char** argv) { return vantrell::bench::RunBenchmarks(argc, argv); }

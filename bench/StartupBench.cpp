// Process start to the launcher's first paint and exit, offscreen, beside the same for a
// minimal Qt program with one empty dialog; and the peak resident memory of each run.
// Each iteration is one whole process, timed from spawn to its reaping.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/Settings.h"
#include "storage/TreeNode.h"

extern char** environ;

namespace {

std::string g_launcherWidth = "480";
std::string g_launcherHeight = "315";

struct RunResult
{
    bool ok = false;
    double seconds = 0;
    long maxRssKiB = 0;
};

RunResult RunOnce(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The probe prints the launcher's size, and Qt a notice about XDG_RUNTIME_DIR on every
    // start; neither belongs in the results.
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    RunResult result;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        struct rusage usage
        {
        };
        // wait4 gives this child's own peak, not the largest of all children so far.
        if (wait4(pid, &status, 0, &usage) == pid) {
            result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            result.maxRssKiB = usage.ru_maxrss;
            result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return result;
}

void MeasureStartup(benchmark::State& state, const std::vector<std::string>& command)
{
    double rssKiB = 0;
    for (auto _ : state) {
        const RunResult run = RunOnce(command);
        if (!run.ok) {
            state.SkipWithError(("failed: " + command[0]).c_str());
            break;
        }
        state.SetIterationTime(run.seconds);
        rssKiB += double(run.maxRssKiB);
    }
    state.counters["maxrss_MiB"] = benchmark::Counter(rssKiB / 1024.0, benchmark::Counter::kAvgIterations);
}

void BM_Launcher(benchmark::State& state)
{
    MeasureStartup(state, {NAVIK_PROBE_PATH});
}

void BM_MinimalQt(benchmark::State& state)
{
    MeasureStartup(state, {NAVIK_MINIMAL_PATH, g_launcherWidth, g_launcherHeight});
}

// Not a goal: shows how much of the difference is Qt loading its fonts for any text at all.
void BM_MinimalQtWithText(benchmark::State& state)
{
    MeasureStartup(state, {NAVIK_MINIMAL_PATH, g_launcherWidth, g_launcherHeight, "label"});
}

// The launcher reads its settings file at start; a user has one after the first "Konec".
void WriteDefaultSettingsFile()
{
    TreeNode root;
    const Settings defaults;
    defaults.SaveToNode(&root);
    root.SaveFile(NAVIK_PROBE_DIR "/navik.cfg");
}

// The minimal dialog gets the launcher's size, which one run of the probe reports.
void LearnLauncherSize()
{
    FILE* probe = ::popen(NAVIK_PROBE_PATH, "r");
    int width = 0;
    int height = 0;
    if (probe && std::fscanf(probe, "%d %d", &width, &height) == 2 && width > 0 && height > 0) {
        g_launcherWidth = std::to_string(width);
        g_launcherHeight = std::to_string(height);
    }
    if (probe) {
        ::pclose(probe);
    }
}

} // namespace

BENCHMARK(BM_Launcher)
    ->Name("startup/launcher_first_paint")
    ->UseManualTime()
    ->Iterations(4)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MinimalQt)
    ->Name("startup/minimal_qt_dialog")
    ->UseManualTime()
    ->Iterations(4)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MinimalQtWithText)
    ->Name("startup/minimal_qt_dialog_with_label")
    ->UseManualTime()
    ->Iterations(4)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    WriteDefaultSettingsFile();
    LearnLauncherSize();
    std::fprintf(stderr, "launcher size %s x %s\n", g_launcherWidth.c_str(), g_launcherHeight.c_str());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// halvex-calibrate as the production line runs it: one manual calibration of the nominal unit in
// virtual time, from the command's start to its report (goal: 300 ms of real time), and the
// command's peak memory (goal: 40 MiB).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The environment of the run: the caller's, without a chosen unit, with a folder of its own for
// the camera's lock (so that a test run beside it does not hold the camera) and the history.
std::vector<std::string> runEnvironment(const fs::path& folder) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (text.starts_with("VX3SIM_") || text.starts_with("TMPDIR=") ||
            text.starts_with("HALVEX_APPDIR=")) {
            continue;
        }
        variables.push_back(text);
    }
    variables.push_back("TMPDIR=" + folder.string());
    variables.push_back("HALVEX_APPDIR=" + folder.string());
    return variables;
}

void BM_ManualCalibrationCommand(benchmark::State& state) {
    const fs::path folder =
        fs::temp_directory_path() / ("calibrate-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path settings = folder / "default.ini";
    fs::copy_file(HALVEX_FACTORY_INI, settings, fs::copy_options::overwrite_existing);

    std::vector<std::string> arguments{HALVEX_CALIBRATE, "--virtual-time", "--json", "--settings",
                                       settings.string()};
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    std::vector<std::string> variables = runEnvironment(folder);
    std::vector<char*> envp;
    for (std::string& variable : variables) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    long peakKiB = 0;
    double cpuSeconds = 0.0;
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
            state.SkipWithError("halvex-calibrate cannot be started");
            break;
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the calibration did not pass");
            break;
        }
        peakKiB = std::max(peakKiB, usage.ru_maxrss);
        cpuSeconds += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                      static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    posix_spawn_file_actions_destroy(&actions);
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024.0;
    // The command's own processor time: what the real time comes to on an idle machine.
    state.counters["command_cpu_ms"] =
        1000.0 * cpuSeconds /
        static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
    fs::remove_all(folder);
}
BENCHMARK(BM_ManualCalibrationCommand)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);

} // namespace

BENCHMARK_MAIN();

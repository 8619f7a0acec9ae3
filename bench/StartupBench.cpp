// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and resident memory of the game, each beside a minimal Qt Widgets window of
// the same size started the same way (bench/MinimalWindow.cpp).
//
// Start-up: both programs run with PIKORA_BENCH_EXIT_AFTER_FIRST_ROUND=1, which makes them
// print one line once their window has painted (the game's first round included) and end.
// The time is from just before the process is spawned to the moment that line arrives, so
// neither the driver's polling nor the programs' tear-down is in it. Runs alternate between
// the two programs so that both see the same load on the machine; the medians are compared.
//
// Memory: both programs run normally, are left to settle, then VmRSS and VmHWM are read from
// /proc before they are stopped. Medians over several runs.
//
// The processor time (user and system) of each start-up run is given too: it is what the
// programs cost, while the wall-clock time also holds any wait for a processor.
//
//   usage: pikora_startup_bench GAME BASELINE [RUNS] [MEMORY-RUNS] [SETTLE-MS]
//   prints: result <name> <figure> <baseline> <unit>, for startup_ms, startup_cpu_ms,
//   rss_kib and hwm_kib
#include "Measure.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using pikora::bench::Clock;
using pikora::bench::median;
using pikora::bench::msSince;

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "startup bench: %s\n", what.c_str());
    std::exit(1);
}

// The driver's environment with the exit-after-first-paint switch set as asked.
std::vector<std::string> environmentWith(bool exitAfterFirstPaint)
{
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "PIKORA_BENCH_EXIT_AFTER_FIRST_ROUND=", 36) != 0) {
            variables.emplace_back(*entry);
        }
    }
    variables.push_back(
        std::string("PIKORA_BENCH_EXIT_AFTER_FIRST_ROUND=") + (exitAfterFirstPaint ? "1" : "0"));
    return variables;
}

struct Child
{
    pid_t pid = -1;
    int output = -1; // read end of the child's standard output
};

Child spawn(const std::string& program, bool exitAfterFirstPaint)
{
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        fail("pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    auto variables = environmentWith(exitAfterFirstPaint);
    std::vector<char*> envp;
    for (auto& variable : variables) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = { path.data(), nullptr };
    Child child;
    const int error = posix_spawn(&child.pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (error != 0) {
        fail("cannot start " + program + ": " + std::strerror(error));
    }
    child.output = pipeEnds[0];
    return child;
}

// Waits for the child to end (stopping it first when asked); returns the processor time
// it used, user and system, in milliseconds.
double reap(Child& child, bool stop)
{
    if (stop) {
        ::kill(child.pid, SIGTERM);
    }
    rusage usage {};
    bool ended = false;
    for (int waited = 0; waited < 400 && !ended; ++waited) {
        ended = ::wait4(child.pid, nullptr, WNOHANG, &usage) == child.pid;
        if (!ended) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    if (!ended) {
        ::kill(child.pid, SIGKILL);
        ::wait4(child.pid, nullptr, 0, &usage);
    }
    ::close(child.output);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct StartUp
{
    double wallMs; // from spawning to the first line on standard output
    double cpuMs; // processor time of the whole run, which ends right after that line
};

StartUp timeToFirstPaint(const std::string& program)
{
    const auto start = Clock::now();
    Child child = spawn(program, true);
    std::string line;
    char buffer[256];
    while (line.find('\n') == std::string::npos) {
        pollfd waiting { child.output, POLLIN, 0 };
        if (::poll(&waiting, 1, 30000) <= 0) {
            reap(child, true);
            fail(program + " did not report its first paint within 30 s");
        }
        const ssize_t got = ::read(child.output, buffer, sizeof buffer);
        if (got <= 0) {
            reap(child, false);
            fail(program + " ended without reporting its first paint");
        }
        line.append(buffer, static_cast<std::size_t>(got));
    }
    const double ms = msSince(start);
    return { ms, reap(child, false) };
}

long statusField(pid_t pid, const std::string& field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
        }
    }
    return -1;
}

struct Memory
{
    double rssKib;
    double hwmKib;
};

Memory memoryAfterStart(const std::string& program, int settleMs)
{
    Child child = spawn(program, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const Memory memory { static_cast<double>(statusField(child.pid, "VmRSS")),
        static_cast<double>(statusField(child.pid, "VmHWM")) };
    reap(child, true);
    if (memory.rssKib <= 0) {
        fail(program + " was not running after " + std::to_string(settleMs) + " ms");
    }
    return memory;
}

void report(const char* name, double figure, double baseline, const char* unit)
{
    std::printf("result %s %.2f %.2f %s\n", name, figure, baseline, unit);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s GAME BASELINE [RUNS] [MEMORY-RUNS] [SETTLE-MS]\n", argv[0]);
        return 2;
    }
    const std::string game = argv[1];
    const std::string baseline = argv[2];
    const int runs = argc > 3 ? std::atoi(argv[3]) : 20;
    const int memoryRuns = argc > 4 ? std::atoi(argv[4]) : 5;
    const int settleMs = argc > 5 ? std::atoi(argv[5]) : 3000;

    // One run of each first, unmeasured: loads both into the page cache.
    timeToFirstPaint(game);
    timeToFirstPaint(baseline);
    std::vector<double> gameMs, gameCpuMs;
    std::vector<double> baselineMs, baselineCpuMs;
    const auto measure
        = [](const std::string& program, std::vector<double>& wall, std::vector<double>& cpu) {
              const StartUp run = timeToFirstPaint(program);
              wall.push_back(run.wallMs);
              cpu.push_back(run.cpuMs);
          };
    for (int i = 0; i < runs; ++i) {
        if (i % 2 == 0) {
            measure(game, gameMs, gameCpuMs);
            measure(baseline, baselineMs, baselineCpuMs);
        } else {
            measure(baseline, baselineMs, baselineCpuMs);
            measure(game, gameMs, gameCpuMs);
        }
    }
    report("startup_ms", median(gameMs), median(baselineMs), "ms");
    // Processor time is what the programs themselves cost; on a busy machine the wall-clock
    // figures also hold the time spent waiting for a processor.
    report("startup_cpu_ms", median(gameCpuMs), median(baselineCpuMs), "ms");
    std::fprintf(stderr, "start-up: game %.1f to %.1f ms, baseline %.1f to %.1f ms over %d runs\n",
        *std::min_element(gameMs.begin(), gameMs.end()),
        *std::max_element(gameMs.begin(), gameMs.end()),
        *std::min_element(baselineMs.begin(), baselineMs.end()),
        *std::max_element(baselineMs.begin(), baselineMs.end()), runs);

    std::vector<double> gameRss, gameHwm, baselineRss, baselineHwm;
    for (int i = 0; i < memoryRuns; ++i) {
        const Memory ofGame = memoryAfterStart(game, settleMs);
        const Memory ofBaseline = memoryAfterStart(baseline, settleMs);
        gameRss.push_back(ofGame.rssKib);
        gameHwm.push_back(ofGame.hwmKib);
        baselineRss.push_back(ofBaseline.rssKib);
        baselineHwm.push_back(ofBaseline.hwmKib);
    }
    report("rss_kib", median(gameRss), median(baselineRss), "KiB");
    report("hwm_kib", median(gameHwm), median(baselineHwm), "KiB");
    return 0;
}

// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and resident memory of programs set against one another: the game in
// several sound set-ups, a minimal Qt Widgets window (bench/MinimalWindow.cpp) and the floor
// window (bench/FloorWindow.cpp), all started the same way in one run.
//
// Start-up: every program runs with PIKORA_BENCH_EXIT_AFTER_FIRST_ROUND=1, which makes it
// print one line once its window has painted (the game's first round included) and end.
// The time is from just before the process is spawned to the moment that line arrives, so
// neither the driver's polling nor the programs' tear-down is in it. Each round starts every
// program once, the round's first one moving on by one each time, so that all see the same
// load on the machine; only the medians of one run are compared with one another.
//
// Memory: the programs run normally, are left to settle, then VmRSS and VmHWM are read from
// /proc before they are stopped. Medians over several runs.
//
// The processor time (user and system) of each start-up run is given too: it is what the
// programs cost, while the wall-clock time also holds any wait for a processor.
//
//   usage: pikora_startup_bench [--runs N] [--memory-runs N] [--settle-ms N]
//              --run NAME=PROGRAM [VARIABLE=VALUE ...] ...
//              [--startup NAME/BASELINE ...] [--memory NAME/BASELINE ...]
//   A --run names a program and the variables it runs with (beside the driver's own); a
//   --startup or --memory pair asks for that figure of NAME beside that of BASELINE.
//   Only the programs of a pair are started.
//   prints: result <measure>:<name>:<baseline> <figure> <baseline's figure> <unit>, the
//   measures being startup_ms and startup_cpu_ms for --startup, rss_kib and hwm_kib for
//   --memory.
#include "Measure.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <map>
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

// One program as a --run names it: its path and the variables it runs with.
struct Program
{
    std::string name;
    std::string path;
    std::vector<std::string> variables; // VARIABLE=VALUE
};

// The name of a VARIABLE=VALUE entry, with its '='.
std::string nameOf(const std::string& variable)
{
    return variable.substr(0, variable.find('=') + 1);
}

// The driver's environment with the program's variables and the exit-after-first-paint
// switch set as asked.
std::vector<std::string> environmentFor(const Program& program, bool exitAfterFirstPaint)
{
    std::vector<std::string> variables = program.variables;
    variables.push_back(
        std::string("PIKORA_BENCH_EXIT_AFTER_FIRST_ROUND=") + (exitAfterFirstPaint ? "1" : "0"));
    const std::size_t own = variables.size();
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string inherited = *entry;
        const bool replaced = std::any_of(variables.begin(), variables.begin() + own,
            [&](const std::string& set) { return nameOf(set) == nameOf(inherited); });
        if (!replaced) {
            variables.push_back(inherited);
        }
    }
    return variables;
}

struct Child
{
    pid_t pid = -1;
    int output = -1; // read end of the child's standard output
};

Child spawn(const Program& program, bool exitAfterFirstPaint)
{
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        fail("pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    auto variables = environmentFor(program, exitAfterFirstPaint);
    std::vector<char*> envp;
    for (auto& variable : variables) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);
    std::string path = program.path;
    char* argv[] = { path.data(), nullptr };
    Child child;
    const int error = posix_spawn(&child.pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (error != 0) {
        fail("cannot start " + program.path + ": " + std::strerror(error));
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

struct StartUps
{
    std::vector<double> wallMs; // from spawning to the first line on standard output
    std::vector<double> cpuMs; // processor time of the whole run, which ends right after it
};

void timeToFirstPaint(const Program& program, StartUps& into)
{
    const auto start = Clock::now();
    Child child = spawn(program, true);
    std::string line;
    char buffer[256];
    while (line.find('\n') == std::string::npos) {
        pollfd waiting { child.output, POLLIN, 0 };
        if (::poll(&waiting, 1, 30000) <= 0) {
            reap(child, true);
            fail(program.name + " did not report its first paint within 30 s");
        }
        const ssize_t got = ::read(child.output, buffer, sizeof buffer);
        if (got <= 0) {
            reap(child, false);
            fail(program.name + " ended without reporting its first paint");
        }
        line.append(buffer, static_cast<std::size_t>(got));
    }
    into.wallMs.push_back(msSince(start));
    into.cpuMs.push_back(reap(child, false));
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
    std::vector<double> rssKib;
    std::vector<double> hwmKib;
};

void memoryAfterStart(const Program& program, int settleMs, Memory& into)
{
    Child child = spawn(program, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = statusField(child.pid, "VmRSS");
    const long hwm = statusField(child.pid, "VmHWM");
    reap(child, true);
    if (rss <= 0) {
        fail(program.name + " was not running after " + std::to_string(settleMs) + " ms");
    }
    into.rssKib.push_back(static_cast<double>(rss));
    into.hwmKib.push_back(static_cast<double>(hwm));
}

struct Pair
{
    std::string name;
    std::string baseline;
};

struct Options
{
    int runs = 20;
    int memoryRuns = 5;
    int settleMs = 3000;
    std::map<std::string, Program> programs;
    std::vector<Pair> startup;
    std::vector<Pair> memory;
};

[[noreturn]] void usage(const char* self)
{
    std::fprintf(stderr,
        "usage: %s [--runs N] [--memory-runs N] [--settle-ms N]\n"
        "           --run NAME=PROGRAM [VARIABLE=VALUE ...] ...\n"
        "           [--startup NAME/BASELINE ...] [--memory NAME/BASELINE ...]\n",
        self);
    std::exit(2);
}

Options parse(int argc, char** argv)
{
    Options options;
    const auto number = [&](int& i) {
        if (i + 1 >= argc) {
            usage(argv[0]);
        }
        return std::atoi(argv[++i]);
    };
    const auto pair = [&](int& i) {
        const std::string text = i + 1 < argc ? argv[++i] : "";
        const auto slash = text.find('/');
        if (slash == std::string::npos || slash == 0 || slash + 1 == text.size()) {
            usage(argv[0]);
        }
        return Pair { text.substr(0, slash), text.substr(slash + 1) };
    };
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--runs") {
            options.runs = number(i);
        } else if (option == "--memory-runs") {
            options.memoryRuns = number(i);
        } else if (option == "--settle-ms") {
            options.settleMs = number(i);
        } else if (option == "--startup") {
            options.startup.push_back(pair(i));
        } else if (option == "--memory") {
            options.memory.push_back(pair(i));
        } else if (option == "--run" && i + 1 < argc) {
            const std::string entry = argv[++i];
            const auto equals = entry.find('=');
            if (equals == std::string::npos || equals == 0) {
                usage(argv[0]);
            }
            Program program { entry.substr(0, equals), entry.substr(equals + 1), {} };
            while (i + 1 < argc && argv[i + 1][0] != '-' && std::strchr(argv[i + 1], '=')) {
                program.variables.emplace_back(argv[++i]);
            }
            options.programs[program.name] = program;
        } else {
            usage(argv[0]);
        }
    }
    if ((options.startup.empty() && options.memory.empty()) || options.runs < 1
        || options.memoryRuns < 1 || options.settleMs < 0) {
        usage(argv[0]);
    }
    for (const auto* pairs : { &options.startup, &options.memory }) {
        for (const Pair& pair : *pairs) {
            for (const std::string& name : { pair.name, pair.baseline }) {
                if (options.programs.count(name) == 0) {
                    fail("no --run names " + name);
                }
            }
        }
    }
    return options;
}

// The programs named in the pairs, each once, in the order they first appear.
std::vector<const Program*> programsOf(const Options& options, const std::vector<Pair>& pairs)
{
    std::vector<const Program*> programs;
    for (const Pair& pair : pairs) {
        for (const std::string& name : { pair.name, pair.baseline }) {
            const Program* program = &options.programs.at(name);
            if (std::find(programs.begin(), programs.end(), program) == programs.end()) {
                programs.push_back(program);
            }
        }
    }
    return programs;
}

void report(
    const std::string& measure, const Pair& pair, double figure, double baseline, const char* unit)
{
    std::printf("result %s:%s:%s %.2f %.2f %s\n", measure.c_str(), pair.name.c_str(),
        pair.baseline.c_str(), figure, baseline, unit);
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parse(argc, argv);

    const auto started = programsOf(options, options.startup);
    std::map<std::string, StartUps> startUps;
    // One run of each first, unmeasured: loads them all into the page cache.
    for (const Program* program : started) {
        StartUps unused;
        timeToFirstPaint(*program, unused);
    }
    for (int i = 0; i < options.runs; ++i) {
        for (std::size_t k = 0; k < started.size(); ++k) {
            const Program& program = *started[(i + k) % started.size()];
            timeToFirstPaint(program, startUps[program.name]);
        }
    }
    for (const Pair& pair : options.startup) {
        const StartUps& of = startUps[pair.name];
        const StartUps& base = startUps[pair.baseline];
        report("startup_ms", pair, median(of.wallMs), median(base.wallMs), "ms");
        // Processor time is what the programs themselves cost; on a busy machine the
        // wall-clock figures also hold the time spent waiting for a processor.
        report("startup_cpu_ms", pair, median(of.cpuMs), median(base.cpuMs), "ms");
    }
    for (const Program* program : started) {
        const auto& wall = startUps[program->name].wallMs;
        std::fprintf(stderr, "start-up: %s %.1f to %.1f ms, median %.1f, over %d runs\n",
            program->name.c_str(), *std::min_element(wall.begin(), wall.end()),
            *std::max_element(wall.begin(), wall.end()), median(wall), options.runs);
    }

    const auto measured = programsOf(options, options.memory);
    std::map<std::string, Memory> memory;
    for (int i = 0; i < options.memoryRuns; ++i) {
        for (const Program* program : measured) {
            memoryAfterStart(*program, options.settleMs, memory[program->name]);
        }
    }
    for (const Pair& pair : options.memory) {
        const Memory& of = memory[pair.name];
        const Memory& base = memory[pair.baseline];
        report("rss_kib", pair, median(of.rssKib), median(base.rssKib), "KiB");
        report("hwm_kib", pair, median(of.hwmKib), median(base.hwmKib), "KiB");
    }
    return 0;
}

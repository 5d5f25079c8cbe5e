// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <thread>
#include <vector>

#include "action.h"
#include "regressions.h"

extern char** environ;

namespace zephal::exercise {
namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

struct ChildResult {
    bool passed = false;
    std::string signature;  // how it failed: the invariant and its kind, or how the child ended
    std::string message;
    // Place of the failing action in the child's log (which leaves out the actions that had
    // nothing to act on), when the child said so.
    int logged = -1;
    // LeakSanitizer's own tracer crashed at exit after the session had passed (below).
    bool tracerCrashed = false;
};

std::string self() {
    return fs::read_symlink("/proc/self/exe").string();
}

std::string setAsideArgument(const std::set<std::string>& setAside) {
    std::string list;
    for (const std::string& s : setAside) list += (list.empty() ? "" : ",") + s;
    return list;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// What a child that did not report an invariant failure died of, from what it printed.
std::string crashSignature(const std::string& output, int status, bool timedOut) {
    std::smatch m;
    if (std::regex_search(output, m, std::regex(R"(ERROR: AddressSanitizer: ([\w-]+))")))
        return "1:asan " + m[1].str();
    if (output.find("ERROR: LeakSanitizer") != std::string::npos) return "1:leak";
    if (std::regex_search(output, m, std::regex(R"(runtime error: (\w+))")))
        return "1:ubsan " + m[1].str();
    if (output.find("terminate called") != std::string::npos) return "1:terminate";
    if (timedOut) return "1:timeout";
    if (WIFSIGNALED(status)) return "1:signal " + std::to_string(WTERMSIG(status));
    return "1:exit " + std::to_string(WEXITSTATUS(status));
}

// The first lines of a sanitizer report or of whatever the child printed last.
std::string crashMessage(const std::string& output) {
    std::istringstream in(output);
    std::string line, found;
    int kept = 0;
    while (std::getline(in, line)) {
        const bool start = line.find("ERROR:") != std::string::npos ||
                           line.find("runtime error") != std::string::npos ||
                           line.find("fatal error") != std::string::npos ||
                           line.find("terminate called") != std::string::npos ||
                           line.find("what()") != std::string::npos;
        if (start && kept == 0) kept = 6;
        if (kept > 0) {
            found += "    " + line + "\n";
            --kept;
        }
    }
    return found.empty() ? "    (the child printed no report)\n" : found;
}

// Runs this program again with `arguments`, its output going to `output`; kills it (by its own
// process id) when it runs past `seconds`.
ChildResult runChildOnce(const std::vector<std::string>& arguments, const fs::path& output,
                         double seconds) {
    std::vector<std::string> args{self()};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&files, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    ChildResult result;
    if (spawned != 0) {
        result.signature = "1:spawn";
        result.message = "could not start " + args[0];
        return result;
    }

    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    int status = 0;
    bool timedOut = false;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            timedOut = true;
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }

    const std::string printed = readFile(output);
    std::smatch m;
    if (!timedOut && WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        result.passed = true;
    } else if (std::regex_search(
                   printed, m,
                   std::regex(R"(FAIL (\d+:[^\n]*)\nafter action \d+: ([^\n]*)\nlogged (\d+))"))) {
        result.signature = m[1].str();
        result.message = m[2].str();
        result.logged = std::stoi(m[3].str());
    } else {
        result.signature = crashSignature(printed, status, timedOut);
        result.message = "the session ended abnormally:\n" + crashMessage(printed);
        result.tracerCrashed =
            std::regex_search(printed, std::regex(R"((^|\n)passed: \d+ actions)")) &&
            printed.find("LeakSanitizer has encountered a fatal error") != std::string::npos &&
            printed.find("ERROR: LeakSanitizer") == std::string::npos;
    }
    return result;
}

// LeakSanitizer's own tracer now and then crashes at exit, after the session has passed and
// before any leak is looked for ("Tracer caught signal 11" and a "fatal error" without a leak
// report). That says nothing of the program, so such a child is run once more.
ChildResult runChild(const std::vector<std::string>& arguments, const fs::path& output,
                     double seconds) {
    ChildResult result = runChildOnce(arguments, output, seconds);
    if (result.tracerCrashed) {
        std::cout << "    the leak checker failed at exit after the session passed; "
                     "running it again"
                  << std::endl;
        result = runChildOnce(arguments, output, seconds);
    }
    return result;
}

std::vector<std::string> readActions(const fs::path& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (fromLine(line)) lines.push_back(line);
    }
    return lines;
}

void writeActions(const fs::path& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::trunc);
    for (const std::string& line : lines) out << line << '\n';
}

double childSeconds(const DriverOptions& options, std::size_t actions) {
    return options.childSeconds > 0 ? options.childSeconds
                                    : 60.0 + 0.25 * static_cast<double>(actions);
}

// Replays `lines` in a child, beside `stem` with the endings .actions, .log and .out.
ChildResult replayInChild(const DriverOptions& options, const fs::path& stem,
                          const std::vector<std::string>& lines) {
    const fs::path file = fs::path(stem).concat(".actions");
    writeActions(file, lines);
    std::vector<std::string> args{"replay", file.string(), "--log",
                                  fs::path(stem).concat(".log").string()};
    if (!options.setAside.empty())
        args.insert(args.end(), {"--set-aside", setAsideArgument(options.setAside)});
    return runChild(args, fs::path(stem).concat(".out"), childSeconds(options, lines.size()));
}

// The folder asked for, or a new temporary one; whole, since the children work elsewhere.
fs::path outFolder(const DriverOptions& options) {
    fs::path folder = options.outFolder;
    if (folder.empty()) {
        std::string pattern = (fs::temp_directory_path() / "zephal-exercise-XXXXXX").string();
        folder = mkdtemp(pattern.data());
    }
    fs::create_directories(folder);
    return fs::absolute(folder);
}

class Shrinker {
public:
    Shrinker(const DriverOptions& options, const fs::path& folder, Clock::time_point deadline)
        : m_options(options), m_folder(folder), m_deadline(deadline) {}

    // Drops actions while the list still fails with the same signature; then, since actions
    // name conversion windows by their place among those open, tries each on the first window
    // and drops again.
    std::vector<std::string> shrink(std::vector<std::string> list, const std::string& signature) {
        list = drop(std::move(list), signature);
        bool simpler = false;
        for (std::size_t i = 0; i < list.size() && !late(); ++i) {
            std::optional<Action> action = fromLine(list[i]);
            if (!action || action->window == 0) continue;
            action->window = 0;
            std::vector<std::string> candidate = list;
            candidate[i] = toLine(*action);
            if (failsAlike(candidate, signature)) {
                list = std::move(candidate);
                simpler = true;
            }
        }
        return simpler ? drop(std::move(list), signature) : list;
    }

    // Drops halves of the list first and then ever smaller runs of it.
    std::vector<std::string> drop(std::vector<std::string> list, const std::string& signature) {
        for (std::size_t chunk = std::max<std::size_t>(list.size() / 2, 1);
             chunk >= 1 && !late();) {
            bool dropped = false;
            for (std::size_t at = 0; at < list.size() && !late();) {
                std::vector<std::string> candidate(list.begin(),
                                                   list.begin() + static_cast<long>(at));
                candidate.insert(
                    candidate.end(),
                    list.begin() + static_cast<long>(std::min(at + chunk, list.size())),
                    list.end());
                if (!candidate.empty() && failsAlike(candidate, signature)) {
                    list = std::move(candidate);
                    dropped = true;
                } else {
                    at += chunk;
                }
            }
            if (!dropped) {
                if (chunk == 1) break;
                chunk /= 2;
            }
        }
        return list;
    }
    int replays() const { return m_replays; }
    bool late() const { return Clock::now() > m_deadline; }

private:
    bool failsAlike(std::vector<std::string>& candidate, const std::string& signature) {
        ++m_replays;
        const ChildResult r = replayInChild(m_options, m_folder / "candidate", candidate);
        if (r.passed || r.signature != signature) return false;
        // The log leaves out the actions that had nothing to act on, and what follows the
        // failing action was never played.
        candidate = readActions(m_folder / "candidate.log");
        if (r.logged > 0 && static_cast<std::size_t>(r.logged) < candidate.size()) {
            candidate.resize(static_cast<std::size_t>(r.logged));
        }
        return true;
    }

    const DriverOptions& m_options;
    fs::path m_folder;
    Clock::time_point m_deadline;
    int m_replays = 0;
};

void printList(const std::vector<std::string>& lines, std::size_t limit) {
    for (std::size_t i = 0; i < lines.size() && i < limit; ++i)
        std::cout << "        " << lines[i] << '\n';
    if (lines.size() > limit) std::cout << "        ... " << lines.size() - limit << " more\n";
}

}  // namespace

int runSeeds(const DriverOptions& options) {
    const fs::path folder = outFolder(options);
    const auto started = Clock::now();
    std::map<std::string, std::uint32_t> firstSeedOf;  // one shrink per kind of failure
    double shrinkSpent = 0;
    int failed = 0, passed = 0;

    std::cout << "exercise: seeds " << options.firstSeed << " to " << options.lastSeed << ", "
              << options.actions << " actions each; logs in " << folder.string() << std::endl;
    for (std::uint32_t seed = options.firstSeed; seed <= options.lastSeed; ++seed) {
        const fs::path log = folder / ("seed-" + std::to_string(seed) + ".actions");
        std::vector<std::string> args{"play",
                                      "--seed",
                                      std::to_string(seed),
                                      "--actions",
                                      std::to_string(options.actions),
                                      "--log",
                                      log.string()};
        if (!options.setAside.empty())
            args.insert(args.end(), {"--set-aside", setAsideArgument(options.setAside)});
        if (!options.leaveOut.empty()) args.insert(args.end(), {"--leave-out", options.leaveOut});
        const auto t0 = Clock::now();
        const ChildResult r =
            runChild(args, folder / ("seed-" + std::to_string(seed) + ".out"),
                     childSeconds(options, static_cast<std::size_t>(options.actions)));
        const double seconds = std::chrono::duration<double>(Clock::now() - t0).count();
        if (r.passed) {
            ++passed;
            std::cout << "seed " << seed << ": passed (" << options.actions << " actions, "
                      << seconds << " s)" << std::endl;
            continue;
        }
        ++failed;
        std::vector<std::string> list = readActions(log);
        if (r.logged > 0 && static_cast<std::size_t>(r.logged) < list.size())
            list.resize(static_cast<std::size_t>(r.logged));
        std::cout << "seed " << seed << ": FAILED, invariant " << r.signature << ", after "
                  << list.size() << " actions:\n    " << r.message
                  << "\n    actions: " << log.string() << '\n';
        if (firstSeedOf.contains(r.signature)) {
            std::cout << "    the same kind of failure as seed " << firstSeedOf[r.signature]
                      << std::endl;
            continue;
        }
        firstSeedOf[r.signature] = seed;
        if (shrinkSpent >= options.shrinkSeconds) {
            printList(list, 40);
            std::cout << "    (no time left to shrink it)" << std::endl;
            continue;
        }
        const auto s0 = Clock::now();
        Shrinker budgeted(
            options, folder,
            s0 + std::chrono::duration_cast<Clock::duration>(
                     std::chrono::duration<double>(options.shrinkSeconds - shrinkSpent)));
        const std::vector<std::string> shrunk = budgeted.shrink(list, r.signature);
        const double spent = std::chrono::duration<double>(Clock::now() - s0).count();
        shrinkSpent += spent;
        const fs::path shrunkFile = folder / ("seed-" + std::to_string(seed) + ".shrunk");
        writeActions(shrunkFile, shrunk);
        std::cout << "    shrunk to " << shrunk.size() << " actions (" << budgeted.replays()
                  << " replays, " << spent << " s" << (budgeted.late() ? ", out of time" : "")
                  << "):\n";
        printList(shrunk, 60);
        std::cout << "    replay: " << self() << " replay " << shrunkFile.string() << std::endl;
    }
    const double total = std::chrono::duration<double>(Clock::now() - started).count();
    std::cout << "exercise: " << passed << " passed, " << failed << " failed ("
              << firstSeedOf.size() << " kinds of failure) in " << total << " s" << std::endl;
    return failed;
}

int runRegressions(const DriverOptions& options) {
    const fs::path folder = outFolder(options);
    int failed = 0, n = 0;
    for (const Regression& c : regressions()) {
        std::vector<std::string> lines;
        for (const Action& a : c.actions) lines.push_back(toLine(a));
        const fs::path stem = folder / ("regression-" + std::to_string(++n));
        const ChildResult r = replayInChild(options, stem, lines);
        std::cout << "regression " << n << ", " << c.name << ": ";
        if (r.passed) {
            std::cout << "passed" << std::endl;
            continue;
        }
        ++failed;
        std::cout << "FAILED, invariant " << r.signature << ":\n    " << r.message
                  << "\n    (found on " << c.found << ")\n    replay: " << self() << " replay "
                  << fs::path(stem).concat(".actions").string() << std::endl;
    }
    std::cout << "regressions: " << n - failed << " passed, " << failed << " failed" << std::endl;
    return failed;
}

}  // namespace zephal::exercise

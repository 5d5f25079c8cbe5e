// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up timer: starts the program again and again in a folder holding the shipped data file,
// and reports the median time from the process start to the main window painted, and the
// resident memory then. Needs a display (run it under xvfb-run).
//   startup_timer <path to zephal> <folder with zephal.zep> [runs]
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ZEPHAL DATA_FOLDER [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
    if (chdir(argv[2]) != 0) {
        std::perror(argv[2]);
        return 2;
    }
    std::vector<double> times, memory;
    for (int i = 0; i < runs; ++i) {
        int out[2];
        if (pipe(out) != 0) return 1;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        const std::string probe = "ZEPHAL_STARTUP_PROBE=" + std::to_string(monotonicNanoseconds());
        std::vector<char*> env;
        for (char** e = environ; *e; ++e) env.push_back(*e);
        env.push_back(const_cast<char*>(probe.c_str()));
        env.push_back(nullptr);
        char* args[] = {argv[1], nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[1], &actions, nullptr, args, env.data()) != 0) {
            std::perror("posix_spawn");
            return 1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        std::string text;
        char buffer[256];
        for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
        close(out[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        double ms = 0;
        long kb = 0;
        if (std::sscanf(text.c_str(), "startup_ms=%lf rss_kb=%ld", &ms, &kb) != 2) {
            std::fprintf(stderr, "run %d: no report (%s)\n", i, text.c_str());
            return 1;
        }
        times.push_back(ms);
        memory.push_back(kb / 1024.0);
    }
    std::printf("runs %d: start-up median %.1f ms (min %.1f, max %.1f), resident median %.1f MB\n",
                runs, median(times), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), median(memory));
    return 0;
}

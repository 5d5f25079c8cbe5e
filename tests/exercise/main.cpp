// SPDX-License-Identifier: GPL-3.0-or-later
// The model-based exerciser: random user sessions played on the real windows, every invariant
// checked after every action.
//
//   zephal_exercise run [--seeds A-B | --seeds N] [--actions N] [--set-aside 2,3:value-kept]
//                       [--shrink-seconds S] [--child-seconds S] [--out FOLDER]
//       plays each seed's session in a child process, reports and shrinks the failures;
//   zephal_exercise play --seed S --actions N [--log FILE] [--set-aside ...] [--picture PNG]
//       plays one seed's session here, logging each action to FILE before it is played;
//   zephal_exercise replay FILE [--set-aside ...] [--picture PNG]
//       plays the actions listed in FILE (lines as the log and the shrunk lists print them);
//       --picture takes a picture of the screen as the session left it;
//   zephal_exercise regress [--out FOLDER]
//       replays each of the regression cases, the faults found before, in a child.
// --set-aside leaves out invariants ("2") or kinds of failure ("3:value-kept", as a failure
// names its kind), and --leave-out ClickQuantity,... kinds of action, to look past a fault
// that is known; never in the run that CI makes.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#include "action.h"
#include "driver.h"
#include "session.h"
#include "ui/fonts.h"

namespace {

using namespace zephal::exercise;

int usage() {
    std::cerr
        << "usage: zephal_exercise run [--seeds A-B|N] [--actions N] [--set-aside 2,3:kind]\n"
           "                           [--leave-out Act,...]\n"
           "                           [--shrink-seconds S] [--child-seconds S] [--out FOLDER]\n"
           "       zephal_exercise play --seed S --actions N [--log FILE] [--set-aside ...]\n"
           "                            [--picture PNG]\n"
           "       zephal_exercise replay FILE [--set-aside ...] [--picture PNG]\n"
           "       zephal_exercise regress [--out FOLDER]\n";
    return 2;
}

std::set<std::string> commaList(const std::string& text) {
    std::set<std::string> list;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t comma = text.find(',', at);
        list.insert(text.substr(at, comma == std::string::npos ? std::string::npos : comma - at));
        if (comma == std::string::npos) break;
        at = comma + 1;
    }
    return list;
}

// The log of a session: each action is written, unbuffered, before it is played, so that a
// crash leaves it as the last line.
class ActionLog {
public:
    explicit ActionLog(const std::string& path) {
        if (!path.empty())
            m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    }
    ~ActionLog() {
        if (m_fd >= 0) ::close(m_fd);
    }
    ActionLog(const ActionLog&) = delete;
    ActionLog& operator=(const ActionLog&) = delete;
    void record(const Action& action) {
        ++m_lines;
        const std::string line = toLine(action) + '\n';
        if (m_fd >= 0 &&
            ::write(m_fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
            std::cerr << "the action log cannot be written" << std::endl;
        }
    }
    int lines() const { return m_lines; }

private:
    int m_fd = -1;
    int m_lines = 0;
};

int playHere(int argc, char** argv, const std::vector<Action>& actions,
             const std::set<std::string>& setAside, const std::string& logPath,
             const std::string& picture) {
#if defined(__SANITIZE_ADDRESS__)
    // As in the window tests: the software OpenGL driver stays loaded, so that the leak checker
    // can name its one-time allocations.
    dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_NOW | RTLD_NODELETE);
#endif
    QApplication app(argc, argv);
    zephal::ui::fonts::registerSubstitutes();
    ActionLog log(logPath);
    Outcome outcome;
    {
        Session session(QStringLiteral(ZEPHAL_SOURCE_DIR "/data/zephal.zep"), setAside);
        outcome = session.play(actions, [&log](const Action& a) { log.record(a); });
        if (!picture.empty()) {
            // The windows as the session left them, drawn once the display has had its say.
            QTest::qWait(500);
            QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromStdString(picture));
        }
    }
    if (outcome.failure) {
        // The failing action by its place in the list played, and by its place in the log.
        std::cout << "FAIL " << outcome.failure->signature() << "\nafter action " << outcome.played
                  << ": " << outcome.failure->message << "\nlogged " << log.lines() << std::endl;
        return 3;
    }
    std::cout << "passed: " << outcome.played << " actions, " << log.lines() << " of them played"
              << std::endl;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string mode = argv[1];
    std::map<std::string, std::string> options;
    std::string file;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--", 0) == 0 && i + 1 < argc) {
            options[a] = argv[++i];
        } else if (file.empty()) {
            file = a;
        } else {
            return usage();
        }
    }
    const auto option = [&options](const std::string& name, const std::string& fallback) {
        return options.contains(name) ? options[name] : fallback;
    };
    const std::set<std::string> setAside = commaList(option("--set-aside", ""));
    // Qt's arguments are not this program's: the windows see only the program name.
    int qtArgc = 1;

    if (mode == "run") {
        DriverOptions d;
        const std::string seeds = option("--seeds", "1-20");
        const std::size_t dash = seeds.find('-');
        d.firstSeed = dash == std::string::npos
                          ? 1
                          : static_cast<std::uint32_t>(std::stoul(seeds.substr(0, dash)));
        d.lastSeed = static_cast<std::uint32_t>(
            std::stoul(dash == std::string::npos ? seeds : seeds.substr(dash + 1)));
        d.actions = std::stoi(option("--actions", "300"));
        d.setAside = setAside;
        d.shrinkSeconds = std::stod(option("--shrink-seconds", "300"));
        d.childSeconds = std::stod(option("--child-seconds", "0"));
        d.outFolder = option("--out", "");
        d.leaveOut = option("--leave-out", "");
        return runSeeds(d) == 0 ? 0 : 1;
    }
    if (mode == "regress") {
        DriverOptions d;
        d.outFolder = option("--out", "");
        return runRegressions(d) == 0 ? 0 : 1;
    }
    if (mode == "play") {
        if (!options.contains("--seed")) return usage();
        const auto seed = static_cast<std::uint32_t>(std::stoul(options["--seed"]));
        std::set<Act> leftOut;
        for (const std::string& name : commaList(option("--leave-out", ""))) {
            const auto act = actFromName(name);
            if (!act) return usage();
            leftOut.insert(*act);
        }
        return playHere(qtArgc, argv,
                        generateSession(seed, std::stoi(option("--actions", "300")), leftOut),
                        setAside, option("--log", ""), option("--picture", ""));
    }
    if (mode == "replay") {
        std::ifstream in(file);
        if (!in) return usage();
        std::vector<Action> actions;
        for (std::string line; std::getline(in, line);) {
            if (const auto action = fromLine(line)) actions.push_back(*action);
        }
        return playHere(qtArgc, argv, actions, setAside, option("--log", ""),
                        option("--picture", ""));
    }
    return usage();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/data_file_search.h"

#include <gtest/gtest.h>

#include <set>

namespace zephal::units {
namespace {

// A user in /home/u working in /work, the program installed in /opt/z/bin.
DataFileEnvironment environment(const QString& dataHome, const QString& dataDirs) {
    return {"/work", "/home/u", dataHome, dataDirs, "/opt/z/bin"};
}

TEST(DataFileSearch, FirstFolderHoldingTheFileWins) {
    const struct {
        const char* name;
        DataFileEnvironment env;
        std::set<QString> files;
        QString expected;
    } rows[] = {
        {"working folder first, by the bare name",
         environment("", ""),
         {"zephal.zep", "/home/u/.local/share/zephal/zephal.zep"},
         "zephal.zep"},
        {"user's data folder by default under HOME",
         environment("", ""),
         {"/home/u/.local/share/zephal/zephal.zep", "/usr/share/zephal/zephal.zep"},
         "/home/u/.local/share/zephal/zephal.zep"},
        {"XDG_DATA_HOME instead of the default",
         environment("/data/me", ""),
         {"/home/u/.local/share/zephal/zephal.zep", "/data/me/zephal/zephal.zep"},
         "/data/me/zephal/zephal.zep"},
        {"a relative XDG_DATA_HOME is ignored",
         environment("rel", ""),
         {"rel/zephal/zephal.zep", "/home/u/.local/share/zephal/zephal.zep"},
         "/home/u/.local/share/zephal/zephal.zep"},
        {"system folders by default, /usr/local first",
         environment("", ""),
         {"/usr/share/zephal/zephal.zep", "/usr/local/share/zephal/zephal.zep"},
         "/usr/local/share/zephal/zephal.zep"},
        {"XDG_DATA_DIRS in its order, relative and empty entries skipped",
         environment("", "rel::/b/:/a"),
         {"/a/zephal/zephal.zep", "/b/zephal/zephal.zep", "/usr/share/zephal/zephal.zep"},
         "/b/zephal/zephal.zep"},
        {"XDG_DATA_DIRS replaces the default",
         environment("", "/a"),
         {"/usr/share/zephal/zephal.zep", "/opt/z/share/zephal/zephal.zep"},
         "/opt/z/share/zephal/zephal.zep"},
        {"beside the program last",
         environment("", ""),
         {"/opt/z/share/zephal/zephal.zep"},
         "/opt/z/share/zephal/zephal.zep"},
        {"none", environment("", ""), {"/work/other.zep"}, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const DataFileSearch search = findDataFile(
            row.env, [&row](const QString& path) { return row.files.count(path) > 0; });
        EXPECT_EQ(search.path, row.expected);
    }
}

TEST(DataFileSearch, NoneFoundNamesEveryFolderOnce) {
    // The program in /usr/bin: its own data folder is /usr/share/zephal, already named.
    const DataFileEnvironment env{"/work/", "/home/u", "", "/usr/share:/usr/share/", "/usr/bin"};
    const DataFileSearch search = findDataFile(env, [](const QString&) { return false; });
    EXPECT_EQ(search.path, "");
    EXPECT_EQ(lookedInLine(search.folders),
              "Looked in: /work, /home/u/.local/share/zephal, /usr/share/zephal");
}

}  // namespace
}  // namespace zephal::units

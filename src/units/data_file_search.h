// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program finds its unit data file at start-up. The working folder comes first, so a
// zephal.zep there is read exactly as the bare name always was; then the user's own data
// folder, the system's data folders (both as the XDG base directory rules name them), and last
// the data folder of the installation the program itself belongs to, so that an installation
// under any prefix finds its file.

#include <QString>
#include <QStringList>
#include <functional>

namespace zephal::units {

inline const QString kDataFileName = QStringLiteral("zephal.zep");

// What the search depends on, as the process has it; empty text where a variable is unset.
struct DataFileEnvironment {
    QString workingFolder;  // absolute
    QString home;           // $HOME
    QString dataHome;       // $XDG_DATA_HOME
    QString dataDirs;       // $XDG_DATA_DIRS, folders separated by ':'
    QString programFolder;  // the folder that holds the running program
};

// The folders looked in, in order, each once: the working folder, $XDG_DATA_HOME/zephal
// (~/.local/share/zephal by default), zephal in each folder of $XDG_DATA_DIRS
// (/usr/local/share:/usr/share by default), ../share/zephal beside the program's folder.
// Relative folders in the variables are ignored, as the XDG rules ask.
QStringList dataFileFolders(const DataFileEnvironment& env);

struct DataFileSearch {
    // What to read: the bare file name when the working folder holds it, else the whole path;
    // empty when no folder does.
    QString path;
    QStringList folders;  // every folder looked in, in order
};

DataFileSearch findDataFile(const DataFileEnvironment& env,
                            const std::function<bool(const QString&)>& isFile);

// The line the start-up message adds when no folder holds the file.
QString lookedInLine(const QStringList& folders);

}  // namespace zephal::units

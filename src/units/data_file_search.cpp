// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/data_file_search.h"

#include <QDir>

namespace zephal::units {
namespace {

const QString kProgramFolderName = QStringLiteral("zephal");

bool isAbsolute(const QString& folder) {
    return folder.startsWith(u'/');
}

QString dataFolderIn(const QString& base) {
    return QDir::cleanPath(base + u'/' + kProgramFolderName);
}

}  // namespace

QStringList dataFileFolders(const DataFileEnvironment& env) {
    QStringList folders;
    const auto add = [&folders](const QString& folder) {
        if (!folders.contains(folder)) folders << folder;
    };
    add(QDir::cleanPath(env.workingFolder));

    if (isAbsolute(env.dataHome)) {
        add(dataFolderIn(env.dataHome));
    } else if (isAbsolute(env.home)) {
        add(dataFolderIn(env.home + QStringLiteral("/.local/share")));
    }

    QStringList dataDirs;
    for (const QString& dir : env.dataDirs.split(u':', Qt::SkipEmptyParts)) {
        if (isAbsolute(dir)) dataDirs << dir;
    }
    // Unset, empty, or naming no usable folder: the system's usual data folders.
    if (dataDirs.isEmpty())
        dataDirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    for (const QString& dir : dataDirs) add(dataFolderIn(dir));

    if (isAbsolute(env.programFolder)) {
        add(dataFolderIn(env.programFolder + QStringLiteral("/../share")));
    }
    return folders;
}

DataFileSearch findDataFile(const DataFileEnvironment& env,
                            const std::function<bool(const QString&)>& isFile) {
    DataFileSearch search;
    search.folders = dataFileFolders(env);
    // The working folder's file is asked for by its bare name, as the reader will open it.
    for (qsizetype i = 0; i < search.folders.size(); ++i) {
        const QString candidate = i == 0 ? kDataFileName : search.folders[i] + u'/' + kDataFileName;
        if (!isFile(candidate)) continue;
        search.path = candidate;
        break;
    }
    return search;
}

QString lookedInLine(const QStringList& folders) {
    return QStringLiteral("Looked in: ") + folders.join(QStringLiteral(", "));
}

}  // namespace zephal::units

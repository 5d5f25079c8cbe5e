// SPDX-License-Identifier: GPL-3.0-or-later
// Any working folder, HOME, XDG_DATA_HOME, XDG_DATA_DIRS and program folder (newline-separated):
// the search names each folder once, the working folder first, and what it finds is the bare
// name or the file in one of the folders named.
#include <QString>
#include <QStringList>
#include <cstdlib>

#include "units/data_file_search.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList parts = text.split(u'\n');
    while (parts.size() < 6) parts << QString();
    const zephal::units::DataFileEnvironment env{parts[0], parts[1], parts[2], parts[3], parts[4]};
    // The last part picks which candidates exist: those whose path contains it.
    const QString present = parts[5];
    const auto search = zephal::units::findDataFile(env, [&present](const QString& path) {
        return !present.isEmpty() && path.contains(present);
    });

    if (search.folders.isEmpty()) std::abort();
    for (qsizetype i = 0; i < search.folders.size(); ++i) {
        if (search.folders.indexOf(search.folders[i]) != i) std::abort();
        if (i > 0 && !search.folders[i].startsWith(u'/')) std::abort();
    }
    if (!search.path.isEmpty() && search.path != zephal::units::kDataFileName &&
        !search.folders.contains(search.path.section(u'/', 0, -2)))
        std::abort();
    (void)zephal::units::lookedInLine(search.folders);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the tests: data files written into a temporary folder.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zephal::test {

class TempFolder {
public:
    TempFolder() { EXPECT_TRUE(m_dir.isValid()); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Writes the bytes as they stand and returns the file's path.
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    // Writes the lines, each ended by CR LF.
    QString writeLines(const QString& name, const QStringList& lines) const {
        QByteArray bytes;
        for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
        return write(name, bytes);
    }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

inline QString shippedDataFile() {
    return QStringLiteral(ZEPHAL_SOURCE_DIR "/data/zephal.zep");
}

}  // namespace zephal::test

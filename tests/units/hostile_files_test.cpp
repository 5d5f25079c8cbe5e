// SPDX-License-Identifier: GPL-3.0-or-later
// Files that a user should never have to worry about feeding the reader: huge, long-lined,
// oddly named. The reader must end, keep its memory to about its longest line, and say nothing
// it should not.
#include <gtest/gtest.h>

#include <QDir>

#include "support/temp_folder.h"
#include "units/unit_reader.h"

namespace zephal::units {
namespace {

// Peak resident memory of this process so far, in kilobytes.
long peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

struct Reading {
    AppState state;
    QStringList messages;
    QString caption;
    ReadResult read(const QString& path) {
        state.Tmax = 10;
        ReaderHost host{[this](const QString& c) { caption = c; },
                        [this](const QString& m) { messages << m; }, [] { return true; }};
        return SetData(path, state, host);
    }
};

TEST(HostileFiles, HundredMegabytesReadInBoundedMemory) {
    test::TempFolder folder;
    const QString path = folder.path("big.zep");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("0,Tab\r\n1,Length\r\n3,Metre (m),1\r\n");
        const QByteArray comment = "# " + QByteArray(96, 'x') + "\r\n";
        QByteArray block;
        for (int i = 0; i < 10000; ++i) block += comment;
        for (int i = 0; i < 100; ++i) file.write(block);  // 100 MB of comment lines
        file.write("2,Millimetre (mm),1000\r\n");
    }
    [[maybe_unused]] const long before = peakKilobytes();  // unused under the sanitizer
    Reading r;
    EXPECT_TRUE(r.read(path).layout);
    EXPECT_TRUE(r.messages.isEmpty());
    EXPECT_EQ(r.state.tables.CommandItems(0, 0).Count, 2);
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer holds on to freed memory on purpose
    EXPECT_LT(peakKilobytes() - before, 32 * 1024) << "the reader held the file in memory";
#endif
}

TEST(HostileFiles, TenMegabyteLine) {
    test::TempFolder folder;
    const QByteArray name(10 * 1024 * 1024, 'n');
    Reading r;
    EXPECT_TRUE(r.read(folder.write("long.zep", "0," + name + "\r\n1,Q\r\n3,u (u),2\r\n")).layout);
    EXPECT_EQ(r.state.tables.TabItems(0).Name.size(), name.size());
    // The same line as a bad record: one message, naming line 1.
    r.messages.clear();
    r.read(folder.write("long.zep", name + "\r\n"));
    ASSERT_EQ(r.messages.size(), 1);
    EXPECT_TRUE(r.messages[0].endsWith("lines : 1"));
}

TEST(HostileFiles, NamesWithCjkAndCombiningCharacters) {
    test::TempFolder folder;
    ASSERT_TRUE(QDir(folder.folder()).mkdir(QString::fromUtf8("鋼材データ")));
    // "e" followed by a combining acute accent, kept as written (not composed).
    const QString name = QString::fromUtf8("鋼材データ/e\u0301tude 応力.zep");
    const QString path = folder.writeLines(name, {"0,Tab", "1,Q", "3,u (u),1"});
    Reading r;
    EXPECT_TRUE(r.read(path).layout);
    EXPECT_EQ(r.caption, QString::fromUtf8("ZEPHAL : e\u0301tude 応力.zep"));

    const QString missing = folder.path(QString::fromUtf8("鋼材データ/無い.zep"));
    r.read(missing);
    EXPECT_EQ(r.messages, QStringList({"Error No.53\r\nFile \"" + missing + "\" not found!"}));
}

TEST(HostileFiles, DevicesAndPipesAreRefusedSilently) {
    Reading r;
    EXPECT_EQ(r.read(QStringLiteral("/dev/zero")).errorNumber, kErrPathFileAccess);
    EXPECT_EQ(r.read(QStringLiteral("/dev/null")).errorNumber, kErrPathFileAccess);
    EXPECT_TRUE(r.messages.isEmpty());
}

}  // namespace
}  // namespace zephal::units

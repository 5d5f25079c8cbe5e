// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/unit_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QStringDecoder>
#include <QStringEncoder>

#include "support/temp_folder.h"

namespace zephal::units {
namespace {

// A reader host that records what the windows would show.
struct Host {
    QString caption = QStringLiteral("ZEPHAL");
    QStringList messages;
    bool reset = true;
    ReaderHost host() {
        return {[this](const QString& c) { caption = c; },
                [this](const QString& m) { messages << m; }, [this] { return reset; }};
    }
};

class ReaderTest : public ::testing::Test {
protected:
    ReaderTest() {
        state.Tmax = 10;
        state.ResetTables();
    }
    ReadResult read(const QString& path) { return SetData(path, state, recorder.host()); }
    ReadResult readLines(const QStringList& lines, const QString& name = "units.zep") {
        last = folder.writeLines(name, lines);
        return read(last);
    }
    const UnitTables& t() const { return state.tables; }

    test::TempFolder folder;
    AppState state;
    Host recorder;
    QString last;
};

TEST_F(ReaderTest, WorkedExampleFillsTablesInFileOrder) {
    const auto r = readLines({"# length and force", "0,Mechanics", "1,Length", "3,Metre (m),1",
                              "2,Millimetre (mm),1000", "", "1,Force", "2,Kilonewton (kN),0.001",
                              "3,Newton (N),1", "0,Stress"});
    EXPECT_TRUE(r.layout);
    EXPECT_TRUE(recorder.messages.isEmpty());
    EXPECT_EQ(state.UTn, 2);
    EXPECT_EQ(t().TabItems(0).Name, "Mechanics");
    EXPECT_EQ(t().TabItems(0).Count, 2);
    EXPECT_EQ(t().TabItems(1).Name, "Stress");
    EXPECT_EQ(t().TabItems(1).Count, 0);
    EXPECT_EQ(t().CommandItems(0, 0).Name, "Length");
    EXPECT_EQ(t().CommandItems(0, 0).Count, 2);
    EXPECT_EQ(t().CommandItems(0, 0).BaseIndex, 0);
    EXPECT_EQ(t().FunctionItems(0, 1, 0).Name, "Millimetre (mm)");
    EXPECT_EQ(t().FunctionItems(0, 1, 0).Factor, 1000.0f);
    EXPECT_EQ(t().CommandItems(1, 0).Name, "Force");
    EXPECT_EQ(t().CommandItems(1, 0).BaseIndex, 1);
    EXPECT_EQ(t().FunctionItems(1, 0, 0).Factor, 0.001f);
    EXPECT_EQ(recorder.caption, "ZEPHAL : units.zep");
}

// A file without a tab record offers nothing: it is refused, and the grid keeps the file before.
TEST_F(ReaderTest, FileWithoutATabRecordChangesNothing) {
    readLines({"0,Old", "1,Length"});
    for (const QByteArray& bytes : {QByteArray(), QByteArray("# only a comment\r\n\r\n")}) {
        recorder.messages.clear();
        const QString path = folder.write("empty.zep", bytes);
        EXPECT_FALSE(read(path).layout);
        EXPECT_EQ(
            recorder.messages,
            QStringList({"File \"" + path + "\" holds no quantities: it has no tab record."}));
        EXPECT_EQ(recorder.caption, "ZEPHAL : units.zep");
        EXPECT_EQ(t().TabItems(0).Count, 1);
    }
}

TEST_F(ReaderTest, CommentsAnywhereInALineAreIgnoredButCounted) {
    const QStringList lines = {"0,Tab", "1,Speed", "2,ft/s#,0.3048", "2,it's,1", "3,m/s (m/s),1"};
    readLines(lines);
    EXPECT_EQ(t().CommandItems(0, 0).Count, 1);
    EXPECT_EQ(t().FunctionItems(0, 0, 0).Name, "m/s (m/s)");
    const auto r = readLines(lines + QStringList{"x"});
    EXPECT_FALSE(r.layout);
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_TRUE(recorder.messages[0].endsWith("lines : 6"));
}

TEST_F(ReaderTest, FieldsSplitAtTwoCommasAndCarryOver) {
    readLines(
        {"0,Mechanics", "1", "2,Millimetre (mm),1000", "2,Inch (in)", "1,a,b,c,d", "1, Length"});
    EXPECT_EQ(t().CommandItems(0, 0).Name, "Mechanics");  // name kept from the tab line
    EXPECT_EQ(t().FunctionItems(0, 1, 0).Name, "Inch (in)");
    EXPECT_EQ(t().FunctionItems(0, 1, 0).Factor, 1000.0f);  // factor kept from the line above
    EXPECT_EQ(t().CommandItems(1, 0).Name, "a");
    EXPECT_EQ(t().CommandItems(2, 0).Name, " Length");
}

TEST_F(ReaderTest, TypeFieldRoundsHalfToEvenAndOnlyThreeMarksTheBase) {
    readLines({"0,T", "1,Q", "3,a (a),1", "2.5,b (b),2", "3.0,c (c),3", "2.6,d (d),4"});
    EXPECT_EQ(t().CommandItems(0, 0).Count, 4);      // 2.5 is type 2, 2.6 is a function item too
    EXPECT_EQ(t().CommandItems(0, 0).BaseIndex, 2);  // 3.0 marked it; 2.6 did not
}

TEST_F(ReaderTest, TwoBaseRecordsKeepTheSecond) {
    readLines({"0,T", "1,Q", "3,a (a),1", "3,b (b),2"});
    EXPECT_EQ(t().CommandItems(0, 0).BaseIndex, 1);
}

TEST_F(ReaderTest, ErrorReportNamesNumberPathAndLine) {
    struct Case {
        QStringList lines;
        int error;
        int line;
    } cases[] = {
        {{"0,T", "1,Q", "5,x,1"}, 0, 3},        {{"0,T", "  "}, 13, 2},
        {{"0,T", "1,Q", "2,a (a)"}, 13, 3},  // no factor yet
        {{"0,T", "1,Q", "2,a (a),abc"}, 13, 3}, {{"40000,T"}, 6, 1},
        {{"0,T", "1,Q", "2,a (a),1E39"}, 6, 3}, {{"", "# c", "abc"}, 13, 3},
    };
    for (const Case& c : cases) {
        recorder.messages.clear();
        const auto r = readLines(c.lines);
        EXPECT_FALSE(r.layout);
        EXPECT_EQ(r.errorNumber, c.error);
        ASSERT_EQ(recorder.messages.size(), 1) << c.lines.join('|').toStdString();
        EXPECT_EQ(recorder.messages[0],
                  QStringLiteral("Error No.%1\r\nPlease check data file %2\r\nlines : %3")
                      .arg(c.error)
                      .arg(last)
                      .arg(c.line));
    }
}

// A failed read leaves everything as the last good read left it: no half-read tables under the
// grid of the file before.
TEST_F(ReaderTest, FailedReadChangesNothing) {
    const QStringList broken[] = {
        {"0,X", "1,Y", "3,a (a),1", "5,x,1"}, {"0,X", "1,Y", "2,b (b),1E39"}, {"0,X", "  "}};
    for (const bool reset : {true, false}) {
        recorder.reset = true;
        readLines({"0,Good", "1,Length", "3,m (m),1"}, "good.zep");
        recorder.reset = reset;
        for (const QStringList& lines : broken) {
            EXPECT_FALSE(readLines(lines, "bad.zep").layout);
            EXPECT_FALSE(read(folder.path("gone.zep")).layout);
            EXPECT_EQ(recorder.caption, "ZEPHAL : good.zep");
            EXPECT_EQ(state.UTn, 1);
            EXPECT_EQ(t().TabItems(0).Name, "Good");
            EXPECT_EQ(t().TabItems(0).Count, 1);
            EXPECT_EQ(t().CommandItems(0, 0).Name, "Length");
            EXPECT_EQ(t().CommandItems(0, 0).Count, 1);
            EXPECT_EQ(t().FunctionItems(0, 0, 0).Name, "m (m)");
        }
    }
}

TEST_F(ReaderTest, TabsOverTheMaximumAreReportedAndTheirRecordsGoToTheLastTab) {
    QStringList lines;
    for (int i = 0; i < 10; ++i) lines << QStringLiteral("0,Tab %1").arg(i);
    lines << "0,Heat"
          << "1,Heat flow"
          << "3,Watt (W),1"
          << "0,Light";
    const auto r = readLines(lines);
    EXPECT_TRUE(r.layout);
    EXPECT_EQ(recorder.messages,
              QStringList({"Convert Tab items : Heat is over Maximum Tabs 10.",
                           "Convert Tab items : Light is over Maximum Tabs 10."}));
    EXPECT_EQ(state.UTn, 12);
    EXPECT_EQ(t().TabItems(9).Count, 1);
    EXPECT_EQ(t().CommandItems(0, 9).Name, "Heat flow");
    EXPECT_EQ(t().FunctionItems(0, 0, 9).Name, "Watt (W)");
}

// The refused quantity's units are its own: they never join the quantity before it. The units
// of the next tab's first quantity are taken again.
TEST_F(ReaderTest, TwentyFirstCommandIsReportedAndItsUnitsArePassedOver) {
    QStringList lines{"0,T"};
    for (int c = 0; c < 20; ++c) lines << QStringLiteral("1,Q%1").arg(c);
    lines << "1,Extra"
          << "3,u (u),1"
          << "2,v (v),2"
          << "0,U"
          << "1,R"
          << "3,w (w),1";
    readLines(lines);
    EXPECT_EQ(recorder.messages, QStringList({"Convert Command items : Extra is over 20."}));
    EXPECT_EQ(t().TabItems(0).Count, 20);
    EXPECT_EQ(t().CommandItems(19, 0).Name, "Q19");
    EXPECT_EQ(t().CommandItems(19, 0).Count, 0);
    EXPECT_EQ(t().CommandItems(0, 1).Count, 1);
}

TEST_F(ReaderTest, TwentyFirstFunctionItemIsReportedAndMarksNoBase) {
    QStringList lines{"0,T", "1,Q"};
    for (int i = 0; i < 20; ++i) lines << QStringLiteral("2,u%1,1").arg(i);
    lines << "3,Extra,1";
    readLines(lines);
    EXPECT_EQ(recorder.messages, QStringList({"Convert Function items : Extra is over 20."}));
    EXPECT_EQ(t().CommandItems(0, 0).Count, 20);
    EXPECT_EQ(t().CommandItems(0, 0).BaseIndex, 0);
}

TEST_F(ReaderTest, WithoutResetASecondFileAppends) {
    readLines({"0,A", "1,Length", "3,m (m),1", "0,B", "1,Force"}, "first.zep");
    recorder.reset = false;
    readLines({"1,Early", "2,x (x),2", "0,C", "1,Mass"}, "second.zep");
    EXPECT_EQ(state.UTn, 3);
    EXPECT_EQ(t().TabItems(0).Count, 2);
    EXPECT_EQ(t().CommandItems(1, 0).Name, "Early");
    EXPECT_EQ(t().FunctionItems(1, 0, 0).Name, "x (x)");
    EXPECT_EQ(t().TabItems(1).Name, "B");
    EXPECT_EQ(t().TabItems(2).Name, "C");
    EXPECT_EQ(t().CommandItems(0, 2).Name, "Mass");
    EXPECT_EQ(recorder.caption, "ZEPHAL : second.zep");
}

TEST_F(ReaderTest, FileSystemFailures) {
    readLines({"0,Kept", "1,Q"});
    recorder.caption = "before";
    recorder.messages.clear();

    // 53: a file that does not exist; nothing changes, not even the caption.
    const QString missing = folder.path("zephal.zep");
    EXPECT_EQ(read(missing).errorNumber, kErrFileNotFound);
    EXPECT_EQ(recorder.messages,
              QStringList({"Error No.53\r\nFile \"" + missing + "\" not found!"}));
    EXPECT_EQ(recorder.caption, "before");
    EXPECT_EQ(t().TabItems(0).Name, "Kept");

    // 76: a folder of the path does not exist.
    recorder.messages.clear();
    const QString noFolder = folder.path("nowhere/units.zep");
    EXPECT_EQ(read(noFolder).errorNumber, kErrPathNotFound);
    EXPECT_EQ(recorder.messages,
              QStringList({"Error No.76\r\nPlease check data file " + noFolder + "\r\nlines : "}));

    // 75: an empty name or a folder; silent, nothing changes.
    recorder.messages.clear();
    EXPECT_EQ(read(QString()).errorNumber, kErrPathFileAccess);
    EXPECT_EQ(read(folder.folder()).errorNumber, kErrPathFileAccess);
    EXPECT_TRUE(recorder.messages.isEmpty());
    EXPECT_EQ(recorder.caption, "before");
    EXPECT_EQ(t().TabItems(0).Name, "Kept");
}

TEST_F(ReaderTest, UnreadableFileIsSilent) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    const QString path = folder.writeLines("locked.zep", {"0,T"});
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    EXPECT_EQ(read(path).errorNumber, kErrPathFileAccess);
    EXPECT_TRUE(recorder.messages.isEmpty());
}

TEST_F(ReaderTest, CaptionTakesTheLastPieceOfThePath) {
    EXPECT_EQ(captionFor("C:\\data\\steel.zep"), "ZEPHAL : steel.zep");
    EXPECT_EQ(captionFor("/home/me/steel.zep"), "ZEPHAL : steel.zep");
    EXPECT_EQ(captionFor("zephal.zep"), "ZEPHAL : zephal.zep");
    EXPECT_EQ(captionFor("C:\\data\\"), "ZEPHAL");
}

TEST_F(ReaderTest, MaximumBelowOneWithResetFailsBeforeAnyLine) {
    state.Tmax = 0;
    readLines({"0,T"});
    EXPECT_EQ(recorder.messages,
              QStringList({"Error No.9\r\nPlease check data file " + last + "\r\nlines : "}));
    EXPECT_EQ(t().tabCount(), 10);  // the tables were not touched
}

TEST_F(ReaderTest, MaximumBelowOneWithoutResetRejectsEveryTab) {
    state.Tmax = 0;
    recorder.reset = false;
    const auto r = readLines({"0,T", "1,Q"});
    EXPECT_TRUE(r.layout);
    EXPECT_EQ(recorder.messages, QStringList({"Convert Tab items : T is over Maximum Tabs 0."}));
    EXPECT_EQ(t().CommandItems(0, 0).Name, "Q");
}

TEST_F(ReaderTest, LineEndingsCrLfCrAndLf) {
    const QString path = folder.write("ends.zep", "0,A\r1,B\n2,c (c),1\r\n\n\r3,d (d),2");
    EXPECT_TRUE(read(path).layout);
    EXPECT_EQ(t().CommandItems(0, 0).Name, "B");
    EXPECT_EQ(t().CommandItems(0, 0).Count, 2);
    // Lines are counted whichever way they end: an error on the last line names line 7.
    folder.write("ends.zep", "0,A\r1,B\n2,c (c),1\r\n\n\r3,d (d),2\nz");
    read(path);
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_TRUE(recorder.messages[0].endsWith("lines : 7"));
}

TEST_F(ReaderTest, Utf8WithByteOrderMarkAndCodePage932) {
    const QString name = QString::fromUtf8("長さ (m･m)");
    EXPECT_TRUE(read(folder.write("bom.zep",
                                  "\xEF\xBB\xBF"
                                  "0,Tab\r\n1,Q\r\n3," +
                                      name.toUtf8() + ",1\r\n"))
                    .layout);
    EXPECT_EQ(t().TabItems(0).Name, "Tab");
    EXPECT_EQ(t().FunctionItems(0, 0, 0).Name, name);

    QStringEncoder toSjis("Shift_JIS");
    const QByteArray sjis =
        toSjis.encode(QString::fromUtf8("0,応力\r\n1,Ｎ／ｍｍ２\r\n3,ﾒｶﾞ (MPa),1\r\n"));
    ASSERT_FALSE(toSjis.hasError());
    EXPECT_TRUE(read(folder.write("sjis.zep", sjis)).layout);
    EXPECT_EQ(t().TabItems(0).Name, QString::fromUtf8("応力"));
    EXPECT_EQ(t().CommandItems(0, 0).Name, QString::fromUtf8("Ｎ／ｍｍ２"));
    EXPECT_EQ(t().FunctionItems(0, 0, 0).Name, QString::fromUtf8("ﾒｶﾞ (MPa)"));
}

// A file written on a Japanese Windows system, byte by byte as that code page stores it, so the
// test does not lean on the decoder it checks. It holds what such unit files do: half-width
// katakana, the half-width middle dot, the unit signs of the code page's own extension (㎡ ㎏),
// its full-width minus, ℃, and kanji whose second byte is a backslash (構 is 8D 5C).
TEST_F(ReaderTest, CodePage932FileShowsItsOwnCharacters) {
    const QByteArray cp932 =
        "# \x8d\x5c\x91\xa2\r\n"                          // # 構造
        "0,\x8d\x5c\x91\xa2\x81\x7c\x89\xd7\x8f\x64\r\n"  // 0,構造－荷重
        "1,\x8b\xc8\x82\xb0\xd3\xb0\xd2\xdd\xc4\r\n"      // 1,曲げﾓｰﾒﾝﾄ
        "3,\xb7\xdb\xc6\xad\xb0\xc4\xdd\xd2\xb0\xc4\xd9 (kN\xa5m),1\r\n"  // ｷﾛﾆｭｰﾄﾝﾒｰﾄﾙ (kN･m)
        "1,\x89\x9e\x97\xcd\r\n"                                          // 1,応力
        "2,\xb7\xdb\xc6\xad\xb0\xc4\xdd\x96\x88\x95\xbd\x95\xfb\xd2\xb0\xc4\xd9"
        " (kN/\x87\x75),1000\r\n"  // ｷﾛﾆｭｰﾄﾝ毎平方ﾒｰﾄﾙ (kN/㎡)
        "3,\x8f\x64\x97\xca (\x87\x73),1\r\n"  // 重量 (㎏)
        "1,\x89\xb7\x93\x78\x8d\xb7\r\n"       // 1,温度差
        "3,\x93\x78 (\x81\x8e),1\r\n";         // 度 (℃)
    const auto r = read(folder.write("cp932.zep", cp932));
    EXPECT_TRUE(r.layout);
    EXPECT_TRUE(recorder.messages.isEmpty());
    EXPECT_EQ(t().TabItems(0).Name, QString::fromUtf8("構造－荷重"));
    EXPECT_EQ(t().TabItems(0).Name[2], QChar(0xFF0D));  // the code page's minus, not U+2212
    EXPECT_EQ(t().CommandItems(0, 0).Name, QString::fromUtf8("曲げﾓｰﾒﾝﾄ"));
    EXPECT_EQ(t().FunctionItems(0, 0, 0).Name, QString::fromUtf8("ｷﾛﾆｭｰﾄﾝﾒｰﾄﾙ (kN･m)"));
    EXPECT_EQ(t().CommandItems(1, 0).Name, QString::fromUtf8("応力"));
    EXPECT_EQ(t().FunctionItems(1, 0, 0).Name, QString::fromUtf8("ｷﾛﾆｭｰﾄﾝ毎平方ﾒｰﾄﾙ (kN/㎡)"));
    EXPECT_EQ(t().FunctionItems(1, 0, 0).Factor, 1000.0f);
    EXPECT_EQ(t().FunctionItems(1, 1, 0).Name, QString::fromUtf8("重量 (㎏)"));
    EXPECT_EQ(t().CommandItems(1, 0).BaseIndex, 1);
    EXPECT_EQ(t().CommandItems(2, 0).Name, QString::fromUtf8("温度差"));
    EXPECT_EQ(t().FunctionItems(2, 0, 0).Name, QString::fromUtf8("度 (℃)"));
}

TEST_F(ReaderTest, HostileBytesNeverCrash) {
    QByteArray noise;
    quint32 x = 12345;
    for (int i = 0; i < 200000; ++i) {
        x = x * 1664525u + 1013904223u;
        noise += char(x >> 24);
    }
    read(folder.write("noise.zep", noise));
    read(folder.write("nul.zep", QByteArray(100000, '\0')));
    const QByteArray longName(1 << 20, 'x');
    EXPECT_TRUE(read(folder.write("long.zep", "0," + longName + "\r\n1,Q\r\n")).layout);
    EXPECT_EQ(t().TabItems(0).Name.size(), longName.size());
}

}  // namespace
}  // namespace zephal::units

// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_pool.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <random>

namespace zephal::exercise {
namespace {

// Lines at which the shipped file breaks: in its first tab, in the middle, in its last tab.
constexpr int kBreakLines[] = {45, 120, 260, 400};

QString write(const QString& folder, const QString& name, const QByteArray& bytes) {
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

QByteArray lines(const QStringList& list) {
    QByteArray bytes;
    for (const QString& line : list) bytes += line.toUtf8() + "\r\n";
    return bytes;
}

// Two tabs; the second quantity has 6 units, the last none.
QStringList smallFile() {
    QStringList l{"0,Mechanics",         "1,Length", "3,metre (m),1", "2,millimetre (mm),1000",
                  "2,foot (ft),3.28084", "1,Six"};
    for (int i = 0; i < 6; ++i) l << QStringLiteral("2,unit %1 (u%1),%2").arg(i).arg(i + 1);
    l << "0,Statics"
      << "1,Force"
      << "2,newton (N),1000"
      << "3,kilonewton (kN),1"
      << "1,NoUnits";
    return l;
}

// 12 tabs (two over the default maximum), a tab of 21 quantities, a quantity of 21 units.
QStringList overEveryLimit() {
    QStringList l;
    for (int t = 0; t < 12; ++t) {
        l << QStringLiteral("0,Tab %1").arg(t);
        const int quantities = t == 1 ? 21 : 2;
        for (int c = 0; c < quantities; ++c) {
            l << QStringLiteral("1,Q%1.%2").arg(t).arg(c) << "3,one (o),1";
            const int units = t == 0 && c == 0 ? 20 : 2;
            for (int i = 0; i < units; ++i) l << QStringLiteral("2,u%1 (u%1),%2").arg(i).arg(i + 2);
        }
    }
    return l;
}

}  // namespace

int dataPoolSize() {
    return 14;
}

std::vector<QString> writeDataPool(const QString& folder, const QString& shippedFile) {
    QFile shipped(shippedFile);
    const QByteArray shippedBytes =
        shipped.open(QIODevice::ReadOnly) ? shipped.readAll() : QByteArray();
    write(folder, QStringLiteral("zephal.zep"), shippedBytes);
    const QStringList shippedLines = QString::fromUtf8(shippedBytes).split(QStringLiteral("\r\n"));

    std::vector<QString> pool;
    pool.push_back(write(folder, QStringLiteral("shipped.zep"), shippedBytes));
    pool.push_back(write(folder, QStringLiteral("small.zep"), lines(smallFile())));
    for (const int n : kBreakLines) {
        QStringList broken = shippedLines;
        // A record type outside 0 to 3 at line n; every other break is a bad factor instead.
        if (n - 1 < broken.size()) {
            broken[n - 1] = n % 2 ? QStringLiteral("5,x,1") : QStringLiteral("2,bad (b),abc");
        }
        pool.push_back(write(folder, QStringLiteral("broken-%1.zep").arg(n),
                             broken.join(QStringLiteral("\r\n")).toUtf8()));
    }
    pool.push_back(write(folder, QStringLiteral("empty.zep"), {}));
    QByteArray binary(4096, '\0');
    std::mt19937 rng(15);
    for (char& c : binary) c = static_cast<char>(rng() & 0xFF);
    pool.push_back(write(folder, QStringLiteral("binary.zep"), binary));
    pool.push_back(write(folder, QStringLiteral("limits.zep"), lines(overEveryLimit())));
    pool.push_back(write(folder, QStringLiteral("zero.zep"),
                         lines({"0,Zero", "1,ZeroBase", "3,zero (z),0", "2,one (o),1",
                                "1,ZeroOther", "3,one (o),1", "2,zero (z),0", "2,two (t),2"})));
    pool.push_back(
        write(folder, QStringLiteral("negative.zep"),
              lines({"0,Signs", "1,Negative", "3,one (o),1", "2,minus (m),-1",
                     "2,minus four (f),-4", "1,NegativeBase", "3,minus (m),-2", "2,one (o),1"})));
    const QString vanished = write(folder, QStringLiteral("vanished.zep"), lines(smallFile()));
    QFile::remove(vanished);
    pool.push_back(vanished);
    pool.push_back(QString());  // a cancelled dialog
    pool.push_back(folder);     // a folder chosen as a file
    return pool;
}

}  // namespace zephal::exercise

// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/unit_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cerrno>
#include <vector>

#include "convert/number_text.h"

namespace zephal::units {
namespace {

constexpr std::size_t kChunk = 64 * 1024;
constexpr int kNoError = -1;  // error number 0 is a real one: a record type outside 0 to 3

// An open file descriptor, closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// read(2), retried when a signal interrupts it.
ssize_t readSome(int fd, char* data, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, data, size);
        if (n >= 0 || errno != EINTR) return n;
    }
}

int openErrorNumber(const QString& path, int err) {
    switch (err) {
        case ENOENT: {
            const QFileInfo info(path);
            return QFileInfo(info.absolutePath()).isDir() ? kErrFileNotFound : kErrPathNotFound;
        }
        case ENOTDIR:
            return kErrPathNotFound;
        default:
            return kErrPathFileAccess;  // refused access, a name too long, a loop of links, ...
    }
}

// Opens a regular file for reading; anything else (a folder, a device, a pipe) is refused as
// an access error, so a read can never block or run without end.
int openRegularFile(const QString& path, int& fd) {
    fd = -1;
    if (path.isEmpty()) return kErrPathFileAccess;
    const QByteArray name = QFile::encodeName(path);
    const int handle = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) return openErrorNumber(path, errno);
    struct stat st {};
    if (::fstat(handle, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(handle);
        return kErrPathFileAccess;
    }
    ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    fd = handle;
    return kNoError;
}

// Checks UTF-8 incrementally across chunk boundaries (shortest forms only, no surrogates).
class Utf8Validator {
public:
    void feed(const unsigned char* p, std::size_t n) {
        for (std::size_t i = 0; i < n && m_valid; ++i) step(p[i]);
    }
    bool valid() const { return m_valid && m_need == 0; }
    bool failed() const { return !m_valid; }

private:
    void step(unsigned char b) {
        if (m_need == 0) {
            if (b < 0x80) return;
            if (b >= 0xC2 && b <= 0xDF) return begin(1, 0x80, 0xBF);
            if (b == 0xE0) return begin(2, 0xA0, 0xBF);
            if (b == 0xED) return begin(2, 0x80, 0x9F);
            if (b >= 0xE1 && b <= 0xEF) return begin(2, 0x80, 0xBF);
            if (b == 0xF0) return begin(3, 0x90, 0xBF);
            if (b == 0xF4) return begin(3, 0x80, 0x8F);
            if (b >= 0xF1 && b <= 0xF3) return begin(3, 0x80, 0xBF);
            m_valid = false;
            return;
        }
        if (b < m_low || b > m_high) {
            m_valid = false;
            return;
        }
        --m_need;
        m_low = 0x80;
        m_high = 0xBF;
    }
    void begin(int need, unsigned char low, unsigned char high) {
        m_need = need;
        m_low = low;
        m_high = high;
    }

    bool m_valid = true;
    int m_need = 0;
    unsigned char m_low = 0x80, m_high = 0xBF;
};

// Splits the file into lines at CR LF, CR or LF, a chunk at a time.
class LineSource {
public:
    enum Status { Line, End, Failed };

    explicit LineSource(int fd) : m_fd(fd), m_buffer(kChunk) {}

    Status next(QByteArray& line) {
        line.resize(0);
        bool any = false;
        for (;;) {
            if (m_pos == m_len) {
                const ssize_t n = readSome(m_fd, m_buffer.data(), m_buffer.size());
                if (n < 0) return Failed;
                if (n == 0) return any ? Line : End;
                m_pos = 0;
                m_len = static_cast<std::size_t>(n);
            }
            if (m_skipLineFeed) {
                m_skipLineFeed = false;
                if (m_buffer[m_pos] == '\n') {
                    ++m_pos;
                    continue;
                }
            }
            const char* begin = m_buffer.data() + m_pos;
            const char* end = m_buffer.data() + m_len;
            const char* p = begin;
            while (p != end && *p != '\r' && *p != '\n') ++p;
            line.append(begin, p - begin);
            any = true;
            if (p == end) {
                m_pos = m_len;
                continue;
            }
            m_skipLineFeed = *p == '\r';
            m_pos = static_cast<std::size_t>(p - m_buffer.data()) + 1;
            return Line;
        }
    }

private:
    int m_fd;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0, m_len = 0;
    bool m_skipLineFeed = false;
};

// Reads the whole file once to choose its encoding; false on a read failure.
bool isUtf8File(int fd, bool& utf8) {
    std::vector<char> buffer(kChunk);
    Utf8Validator validator;
    for (;;) {
        const ssize_t n = readSome(fd, buffer.data(), buffer.size());
        if (n < 0) return false;
        if (n == 0) break;
        validator.feed(reinterpret_cast<const unsigned char*>(buffer.data()),
                       static_cast<std::size_t>(n));
        if (validator.failed()) break;  // one bad sequence decides
    }
    utf8 = validator.valid();
    return ::lseek(fd, 0, SEEK_SET) == 0;
}

struct Fields {
    QStringView f1;  // every line supplies it; it views the current line
    QString f2, f3;

    // Splits at the first and second comma; text after a third comma is dropped. A field that
    // the line does not supply keeps its earlier value.
    void split(const QString& line) {
        const qsizetype c1 = line.indexOf(u',');
        if (c1 < 0) {
            f1 = line;
            return;
        }
        f1 = QStringView(line).left(c1);
        const qsizetype c2 = line.indexOf(u',', c1 + 1);
        if (c2 < 0) {
            f2 = line.mid(c1 + 1);
            return;
        }
        f2 = line.mid(c1 + 1, c2 - c1 - 1);
        const qsizetype c3 = line.indexOf(u',', c2 + 1);
        f3 = c3 < 0 ? line.mid(c2 + 1) : line.mid(c2 + 1, c3 - c2 - 1);
    }
};

class Reader {
public:
    Reader(const QString& path, AppState& state, const ReaderHost& host)
        : m_path(path), m_state(state), m_host(host) {}

    ReadResult run() {
        int fd = -1;
        if (const int err = openRegularFile(m_path, fd); err != kNoError) return report(err);
        const Fd file(fd);
        // The read works on its own copy of the tables; only a read that ends normally puts
        // it in place, so a failed read leaves the program as it was.
        if (m_host.resetOption()) {
            if (m_state.Tmax < 1) return report(kErrSubscript);
            m_tables.reset(m_state.Tmax);
            m_utn = 0;
        } else {
            m_tables = m_state.tables;
            m_utn = m_state.UTn;
        }

        bool utf8 = true;
        if (!isUtf8File(fd, utf8)) return report(kErrDeviceIO);
        QStringDecoder cp932("CP932");
        LineSource source(fd);
        QByteArray bytes;
        for (;;) {
            const LineSource::Status status = source.next(bytes);
            if (status == LineSource::End) break;
            if (status == LineSource::Failed) return report(kErrDeviceIO);
            ++m_lines;
            if (m_lines == 1 && utf8 && bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
            if (bytes.isEmpty()) continue;
            const QString line = utf8 ? QString::fromUtf8(bytes) : cp932.decode(bytes);
            if (line.contains(u'\'') || line.contains(u'#')) continue;
            m_fields.split(line);
            if (const int err = record(); err != kNoError) return report(err);
        }
        // A file without a single tab offers nothing to show; taking it would empty the grid
        // and name the file in the caption as if it had been read.
        if (!m_sawTab) return reportNoQuantities();
        m_state.tables = std::move(m_tables);
        m_state.UTn = m_utn;
        m_host.setCaption(captionFor(m_path));
        return {true, -1};
    }

private:
    // Handles one record; kNoError or the error number that ends the read.
    int record() {
        const std::optional<double> value = number::readStrict(m_fields.f1);
        if (!value) return kErrTypeMismatch;
        const auto type = number::toInt16(*value);
        if (!type.ok()) return type.error;
        switch (type.value) {
            case 0:
                return tabRecord();
            case 1:
                return commandRecord();
            case 2:
            case 3:
                return functionRecord(*value == 3.0);
            default:
                return kErrBadType;
        }
    }

    int tabRecord() {
        if (m_utn == 32767) return kErrOverflow;
        m_sawTab = true;
        m_skipUnits = false;
        ++m_utn;
        if (m_utn > m_state.Tmax) {
            m_host.showMessage(QStringLiteral("Convert Tab items : ") + m_fields.f2 +
                               QStringLiteral(" is over Maximum Tabs ") +
                               QString::number(m_state.Tmax) + QStringLiteral("."));
            return kNoError;
        }
        const int t = m_utn - 1;
        if (!m_tables.hasTab(t)) return kErrSubscript;
        m_tab = t;
        TabItem& tab = m_tables.editTabItems(t);
        tab.Name = m_fields.f2;
        tab.Count = 0;
        return kNoError;
    }

    int commandRecord() {
        if (!m_tables.hasTab(m_tab)) return kErrSubscript;
        TabItem& tab = m_tables.editTabItems(m_tab);
        const int c = tab.Count;
        // The units after a refused quantity are its own: they must not join the quantity
        // before it, so they are passed over without a message of their own.
        m_skipUnits = c > kCommandsPerTab - 1;
        if (m_skipUnits) {
            m_host.showMessage(QStringLiteral("Convert Command items : ") + m_fields.f2 +
                               QStringLiteral(" is over 20."));
            return kNoError;
        }
        m_command = c;
        CommandItem& command = m_tables.editCommandItems(c, m_tab);
        command.Name = m_fields.f2;
        command.Count = 0;
        tab.Count = static_cast<std::int16_t>(c + 1);
        return kNoError;
    }

    // isBase: the type field's value is exactly 3 (2.6 rounds to type 3 but marks nothing).
    int functionRecord(bool isBase) {
        if (m_skipUnits) return kNoError;
        if (!m_tables.hasTab(m_tab)) return kErrSubscript;
        CommandItem& command = m_tables.editCommandItems(m_command, m_tab);
        const int f = command.Count;
        if (f > kFunctionsPerCommand - 1) {
            m_host.showMessage(QStringLiteral("Convert Function items : ") + m_fields.f2 +
                               QStringLiteral(" is over 20."));
            return kNoError;
        }
        if (isBase) command.BaseIndex = static_cast<std::int16_t>(f);
        FunctionItem& item = m_tables.editFunctionItems(m_command, f, m_tab);
        item.Name = m_fields.f2;
        const auto factor = number::toSingle(m_fields.f3);
        if (!factor.ok()) return factor.error;
        item.Factor = factor.value;
        command.Count = static_cast<std::int16_t>(f + 1);
        return kNoError;
    }

    ReadResult reportNoQuantities() {
        m_host.showMessage(QStringLiteral("File \"") + m_path +
                           QStringLiteral("\" holds no quantities: it has no tab record."));
        return {false, kErrNoTab};
    }

    ReadResult report(int err) {
        if (err == kErrPathFileAccess) return {false, err};
        if (err == kErrFileNotFound) {
            m_host.showMessage(notFoundMessage(m_path));
            return {false, err};
        }
        QString message =
            QStringLiteral("Error No.") + QString::number(err) + QStringLiteral("\r\n");
        message +=
            QStringLiteral("Please check data file ") + m_path + QStringLiteral("\r\nlines : ");
        if (m_lines > 0) message += QString::number(m_lines);
        m_host.showMessage(message);
        return {false, err};
    }

    const QString& m_path;
    AppState& m_state;
    const ReaderHost& m_host;
    UnitTables m_tables;     // what the read builds; it replaces the state's when the read ends
    std::int16_t m_utn = 0;  // UTn as the read counts it
    Fields m_fields;
    int m_tab = 0;
    int m_command = 0;
    qint64 m_lines = 0;
    bool m_sawTab = false;     // a tab record, accepted or not
    bool m_skipUnits = false;  // the last quantity record was refused
};

}  // namespace

QString captionFor(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    const QString name = path.mid(cut + 1);
    return name.isEmpty() ? QStringLiteral("ZEPHAL") : QStringLiteral("ZEPHAL : ") + name;
}

ReadResult SetData(const QString& path, AppState& state, const ReaderHost& host) {
    return Reader(path, state, host).run();
}

QString notFoundMessage(const QString& path) {
    return QStringLiteral("Error No.") + QString::number(kErrFileNotFound) +
           QStringLiteral("\r\nFile \"") + path + QStringLiteral("\" not found!");
}

}  // namespace zephal::units

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reader of the unit data file (*.zep): fills the unit tables, names the file in the main
// window's caption and reports what it cannot take, in file order, through the host.
// A read that ends in an error report changes nothing: the tables, UTn and the caption stay as
// they were, so the grid never shows one file while the tables hold part of another. Records
// rejected at a limit are not failures; such a read still ends normally, and the units that
// follow a refused quantity are passed over with it. A file without any tab record (empty, or
// comments only) is refused whole, with a message that says so.
//
// The file is read in chunks, one line at a time, so its size is bounded only by the disk;
// memory follows the longest line. It is decoded as UTF-8 (a leading byte-order mark is
// skipped) or, when it is not valid UTF-8, as code page 932. Lines end with CR LF, CR or LF.

#include <QString>
#include <functional>

#include "app/app_state.h"

namespace zephal::units {

// What the reader needs of the windows around it.
struct ReaderHost {
    std::function<void(const QString&)> setCaption;
    std::function<void(const QString&)> showMessage;  // modal; returns when the user closed it
    std::function<bool()> resetOption;                // read once per call
};

struct ReadResult {
    bool layout = false;   // the read ended normally: lay the grid out from the tables
    int errorNumber = -1;  // -1 when the read ended normally
};

// Error numbers of the error report.
inline constexpr int kErrBadType = 0;
inline constexpr int kErrOverflow = 6;
inline constexpr int kErrSubscript = 9;
inline constexpr int kErrTypeMismatch = 13;
inline constexpr int kErrFileNotFound = 53;
inline constexpr int kErrDeviceIO = 57;
inline constexpr int kErrPathFileAccess = 75;
inline constexpr int kErrPathNotFound = 76;
// Not a number of the error report: the file holds no tab record, so nothing changes.
inline constexpr int kErrNoTab = 1000;

// The caption for a file: "ZEPHAL : " and the last piece of the path after "\" or "/",
// or "ZEPHAL" when that piece is empty.
QString captionFor(const QString& path);

ReadResult SetData(const QString& path, AppState& state, const ReaderHost& host);

// The error report for a file that does not exist: "Error No.53", then the quoted path.
QString notFoundMessage(const QString& path);

}  // namespace zephal::units

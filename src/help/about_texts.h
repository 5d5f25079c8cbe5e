// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reference texts of the help window, one list item a line. Columns are separated by tab
// characters; empty items are spacers.

#include <QStringList>
#include <QStringView>

namespace zephal::help {

// Units of five consistent unit systems for structural analysis, with a worked example.
QStringList unitSystemsTable();

// Notes on length and speed, physical constants and the SI prefixes.
QStringList notesAndConstants();

// An item as a screen reader should say it: its columns as words separated by commas, a dashed
// fraction bar as "over", and a line of dashes as nothing. The screen keeps the drawn layout.
QString spokenItem(QStringView item);

}  // namespace zephal::help

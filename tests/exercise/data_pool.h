// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The unit data files an exercised session opens: written by the exerciser itself into a
// folder of its own, beside a copy of the shipped file that the program reads at start-up.

#include <QString>
#include <vector>

namespace zephal::exercise {

// Number of entries: the open-file action picks one by its number.
int dataPoolSize();

// Writes the pool into `folder` and returns, per entry, the name the open-file dialog answers:
// a file, a path that no longer exists, or empty text for a cancelled dialog. The shipped
// file is copied in as "zephal.zep" as well, the name read at start-up.
std::vector<QString> writeDataPool(const QString& folder, const QString& shippedFile);

}  // namespace zephal::exercise

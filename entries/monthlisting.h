// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// Which days of a month hold entries, read from the month folder's names alone.
namespace marrowleaf {

struct MonthDays {
  uint32_t entries = 0;      // bit d (1 to 31): day d holds an entry of a tab below the tab count
  uint32_t conflicts = 0;    // bit d: day d has a sync tool's conflict copy of such an entry
  uint16_t counts[32] = {};  // counts[d]: how many entries day d holds
};
// From one listing of the month folder: no entry is opened, and only symbolic links cost a look
// at the item. Only regular files (or links to them) count. A missing folder has no days.
MonthDays ListMonth(const std::string& saveDir, uint16_t year, uint16_t month, int tabCount);

// The nearest day before (`step` -1) or after (+1) `from` (exclusive) that holds an entry, as
// year, month and day; false when there is none in the diary. Only the months the diary has
// folders for are listed.
bool NearestDayWithEntry(const std::string& saveDir, int tabCount, int fromYear, int fromMonth,
                         int fromDay, int step, int& year, int& month, int& day);

}  // namespace marrowleaf

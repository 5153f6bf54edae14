// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Which days of a month hold entries, read from the month folder's names alone.
namespace marrowleaf {

// Bit d (1 to 31) is set when saveDir/year/month holds a regular file named "d_t.txt" with a tab
// index t below tabCount, both numbers written the way EntryPath writes them. One listing of the
// folder: no entry is opened, and only symbolic links cost a stat. A missing folder has no days.
// The day of an entry file name ("7_2.txt" is day 7), or 0 when the name is no entry of a tab
// below tabCount: the same rule for the calendar marks and everything else that looks for entries.
int EntryDay(std::string_view name, int tabCount);

// Whether `name` is a sync tool's conflict copy of the entry day_tab.txt:
// "7_0.sync-conflict-20261208-101530-ABCDEFG.txt", "7_0 (conflicted copy 2026-12-08 101530).txt"
// or "7_0 (Hostname's conflicted copy 2026-12-08).txt".
bool IsConflictCopyOf(std::string_view name, int day, int tab);

struct MonthDays {
  uint32_t entries = 0;      // bit d: day d holds an entry of a tab below the tab count
  uint32_t conflicts = 0;    // bit d: day d has a sync tool's conflict copy of such an entry
  uint16_t counts[32] = {};  // counts[d]: how many entries day d holds
};
// Both from one listing of the month folder.
MonthDays ListMonth(const std::string& saveDir, uint16_t year, uint16_t month, int tabCount);

// The nearest day before (`step` -1) or after (+1) `from` (exclusive) that holds an entry, as
// year, month and day; false when there is none in the diary. One listing per month looked at,
// and only the years the save directory has folders for.
bool NearestDayWithEntry(const std::string& saveDir, int tabCount, int fromYear, int fromMonth,
                         int fromDay, int step, int& year, int& month, int& day);

uint32_t DaysWithEntries(const std::string& saveDir, uint16_t year, uint16_t month, int tabCount);

}  // namespace marrowleaf

// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/monthlisting.h"

#include "entries/entrykey.h"

namespace marrowleaf {

MonthDays ListMonth(const std::string& saveDir, uint16_t year, uint16_t month, int tabCount) {
  MonthDays days;
  ListMonthEntries(saveDir, year, month, tabCount, [&](const EntryName& name, bool regular) {
    if (!regular) return;
    (name.conflict ? days.conflicts : days.entries) |= 1u << name.day;
    if (!name.conflict) ++days.counts[name.day];
  });
  return days;
}

bool NearestDayWithEntry(const std::string& saveDir, int tabCount, int fromYear, int fromMonth,
                         int fromDay, int step, int& year, int& month, int& day) {
  const Order order = step > 0 ? Order::kOldestFirst : Order::kNewestFirst;
  for (const auto& [y, m] : DiaryMonths(saveDir, order)) {
    // Months before `from` in the walk's direction are passed over.
    const int beyond = (y - fromYear) * 12 + (m - fromMonth);
    if (beyond * step < 0) continue;
    const uint32_t days = ListMonth(saveDir, y, m, tabCount).entries;
    for (int d = beyond == 0 ? fromDay + step : (step > 0 ? 1 : 31); d >= 1 && d <= 31; d += step) {
      if (((days >> d) & 1u) != 0) {
        year = y;
        month = m;
        day = d;
        return true;
      }
    }
  }
  return false;
}

}  // namespace marrowleaf

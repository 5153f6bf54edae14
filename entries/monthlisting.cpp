// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/monthlisting.h"

#include <algorithm>
#include <string_view>

#include "entries/entryfiles.h"

namespace marrowleaf {
namespace {

// A decimal number without leading zeros (a lone "0" is fine), at most `limit`. Returns the
// number and moves `s` past it, or -1.
long TakeNumber(std::string_view& s, long limit) {
  size_t n = 0;
  long value = 0;
  while (n < s.size() && s[n] >= '0' && s[n] <= '9') {
    value = value * 10 + (s[n] - '0');
    if (value > limit) return -1;
    ++n;
  }
  if (n == 0 || (n > 1 && s[0] == '0')) return -1;
  s.remove_prefix(n);
  return value;
}

}  // namespace

int EntryDay(std::string_view name, int tabCount) {
  const long day = TakeNumber(name, 31);
  if (day < 1 || name.empty() || name.front() != '_') return 0;
  name.remove_prefix(1);
  const long tab = TakeNumber(name, static_cast<long>(tabCount) - 1);
  if (tab < 0 || name != ".txt") return 0;
  return static_cast<int>(day);
}

namespace {

// The day and tab at the start of a name ("7_2..."), the rest left in `name`; false if none.
bool TakeDayAndTab(std::string_view& name, int tabCount, long& day, long& tab) {
  day = TakeNumber(name, 31);
  if (day < 1 || name.empty() || name.front() != '_') return false;
  name.remove_prefix(1);
  tab = TakeNumber(name, static_cast<long>(tabCount) - 1);
  return tab >= 0;
}

// What follows "day_tab" in a conflict copy's name.
bool ConflictTail(std::string_view rest) {
  constexpr std::string_view kTxt = ".txt";
  if (rest.size() < kTxt.size() || rest.substr(rest.size() - kTxt.size()) != kTxt) return false;
  rest.remove_suffix(kTxt.size());
  if (rest.substr(0, 15) == ".sync-conflict-") return rest.size() > 15;
  return rest.size() > 3 && rest.substr(0, 2) == " (" && rest.back() == ')' &&
         rest.find("conflicted copy") != std::string_view::npos;
}

int ConflictDay(std::string_view name, int tabCount) {
  long day = 0;
  long tab = 0;
  if (!TakeDayAndTab(name, tabCount, day, tab) || !ConflictTail(name)) return 0;
  return static_cast<int>(day);
}

}  // namespace

bool IsConflictCopyOf(std::string_view name, int day, int tab) {
  const std::string prefix = std::to_string(day) + '_' + std::to_string(tab);
  return name.substr(0, prefix.size()) == prefix && ConflictTail(name.substr(prefix.size()));
}

MonthDays ListMonth(const std::string& saveDir, uint16_t year, uint16_t month, int tabCount) {
  MonthDays days;
  if (tabCount <= 0) return days;
  int day = 0;
  bool conflict = false;
  ListFolder(
      MonthDirectory(saveDir, year, month),
      [&](std::string_view name) {
        day = EntryDay(name, tabCount);
        conflict = day == 0 && (day = ConflictDay(name, tabCount)) != 0;
        return day != 0;
      },
      [&](std::string_view, bool regular) {
        if (!regular) return;
        (conflict ? days.conflicts : days.entries) |= 1u << day;
        if (!conflict) ++days.counts[day];
      });
  return days;
}

bool NearestDayWithEntry(const std::string& saveDir, int tabCount, int fromYear, int fromMonth,
                         int fromDay, int step, int& year, int& month, int& day) {
  // The years that have a folder bound the walk.
  int first = 10000;
  int last = 0;
  ListFolder(
      saveDir,
      [&](std::string_view name) {
        long value = -1;
        std::string_view rest = name;
        value = TakeNumber(rest, 9999);
        if (value >= 1 && rest.empty()) {
          first = std::min(first, static_cast<int>(value));
          last = std::max(last, static_cast<int>(value));
        }
        return false;
      },
      [](std::string_view, bool) {});
  if (first > last) return false;
  int y = fromYear;
  int m = fromMonth;
  int d = fromDay + step;
  if (step > 0 && y < first) y = first, m = 1, d = 1;
  if (step < 0 && y > last) y = last, m = 12, d = 31;
  while (y >= first && y <= last) {
    const uint32_t days =
        ListMonth(saveDir, static_cast<uint16_t>(y), static_cast<uint16_t>(m), tabCount).entries;
    for (; d >= 1 && d <= 31; d += step) {
      if (((days >> d) & 1u) != 0) {
        year = y;
        month = m;
        day = d;
        return true;
      }
    }
    m += step;
    if (m < 1) m = 12, --y;
    if (m > 12) m = 1, ++y;
    d = step > 0 ? 1 : 31;
  }
  return false;
}

uint32_t DaysWithEntries(const std::string& saveDir, uint16_t year, uint16_t month, int tabCount) {
  return ListMonth(saveDir, year, month, tabCount).entries;
}

}  // namespace marrowleaf

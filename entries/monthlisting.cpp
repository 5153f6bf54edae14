// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/monthlisting.h"

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

uint32_t DaysWithEntries(const std::string& saveDir, uint16_t year, uint16_t month, int tabCount) {
  if (tabCount <= 0) return 0;
  uint32_t days = 0;
  // A link counts like the file it names, as it does for the tab captions.
  int day = 0;
  ListFolder(
      MonthDirectory(saveDir, year, month),
      [&](std::string_view name) {
        day = EntryDay(name, tabCount);
        return day != 0 && (days & (1u << day)) == 0;
      },
      [&](std::string_view, bool regular) {
        if (regular) days |= 1u << day;
      });
  return days;
}

}  // namespace marrowleaf

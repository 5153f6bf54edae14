// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/entrykey.h"

#include <algorithm>
#include <climits>

#include "platform/files.h"
#include "text/dates.h"

namespace marrowleaf {
namespace {

constexpr std::string_view kTxt = ".txt";

// A decimal number without leading zeros (a lone "0" is fine) and without sign, at most `limit`.
// Returns the number and moves `s` past it, or -1.
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

// A whole name that is a number from 1 to `limit`.
long WholeNumber(std::string_view s, long limit) {
  const long value = TakeNumber(s, limit);
  return value >= 1 && s.empty() ? value : -1;
}

// What follows DAY_TAB in a sync tool's conflict copy.
bool ConflictTail(std::string_view rest) {
  if (rest.size() < kTxt.size() || rest.substr(rest.size() - kTxt.size()) != kTxt) return false;
  rest.remove_suffix(kTxt.size());
  if (rest.substr(0, 15) == ".sync-conflict-") return rest.size() > 15;
  return rest.size() > 3 && rest.substr(0, 2) == " (" && rest.back() == ')' &&
         rest.find("conflicted copy") != std::string_view::npos;
}

}  // namespace

std::string EntryStem(const EntryKey& key) {
  return std::to_string(key.year) + '/' + std::to_string(key.month) + '/' +
         std::to_string(key.day) + '_' + std::to_string(key.tab);
}

std::string EntryFileName(uint16_t day, int tab) {
  return std::to_string(day) + '_' + std::to_string(tab) + std::string(kTxt);
}

std::string EntryRelativePath(const EntryKey& key) { return EntryStem(key) + std::string(kTxt); }

std::string EntryFlatName(const EntryKey& key) {
  std::string name = EntryStem(key);
  std::replace(name.begin(), name.end(), '/', '-');
  return name;
}

std::string YearDirectory(const std::string& saveDir, uint16_t year) {
  return saveDir + '/' + std::to_string(year);
}

std::string MonthDirectory(const std::string& saveDir, uint16_t year, uint16_t month) {
  return YearDirectory(saveDir, year) + '/' + std::to_string(month);
}

std::string EntryPath(const std::string& saveDir, const EntryKey& key) {
  return saveDir + '/' + EntryRelativePath(key);
}

std::optional<EntryName> ParseEntryName(std::string_view name, int tabCount) {
  const std::string_view file = name;
  const long day = TakeNumber(name, 31);
  if (day < 1 || name.empty() || name.front() != '_') return std::nullopt;
  name.remove_prefix(1);
  const long tab = TakeNumber(name, static_cast<long>(tabCount) - 1);
  if (tab < 0) return std::nullopt;
  EntryName parsed{static_cast<int>(day), static_cast<int>(tab), false, file, {}};
  if (name == kTxt) return parsed;
  if (!ConflictTail(name)) return std::nullopt;
  parsed.conflict = true;
  parsed.tail = name;
  return parsed;
}

std::optional<EntryKey> ParseEntryPath(std::string_view path) {
  const size_t nameAt = path.rfind('/');
  if (nameAt == std::string_view::npos || nameAt == 0) return std::nullopt;
  const size_t monthAt = path.rfind('/', nameAt - 1);
  if (monthAt == std::string_view::npos) return std::nullopt;
  const size_t yearAt = monthAt == 0 ? std::string_view::npos : path.rfind('/', monthAt - 1);
  const size_t yearStart = yearAt == std::string_view::npos ? 0 : yearAt + 1;
  const long year = WholeNumber(path.substr(yearStart, monthAt - yearStart), 9999);
  const long month = WholeNumber(path.substr(monthAt + 1, nameAt - monthAt - 1), 12);
  const std::optional<EntryName> name = ParseEntryName(path.substr(nameAt + 1), INT_MAX);
  if (year < 1 || month < 1 || !name || name->conflict ||
      name->day > DaysInMonth(static_cast<int>(year), static_cast<int>(month))) {
    return std::nullopt;
  }
  return EntryKey{static_cast<uint16_t>(year), static_cast<uint16_t>(month),
                  static_cast<uint16_t>(name->day), name->tab};
}

std::vector<std::pair<uint16_t, uint16_t>> DiaryMonths(
    const std::string& saveDir, Order order, const std::function<void(uint16_t year)>& unlisted) {
  // The names say all: no item is looked at beyond its name, unless its folder cannot be listed.
  const auto numbered = [&](const std::string& folder, long limit, uint16_t year) {
    std::vector<uint16_t> numbers;
    const bool listed = ListFolder(
        folder,
        [&](std::string_view name) {
          const long value = WholeNumber(name, limit);
          if (value > 0) numbers.push_back(static_cast<uint16_t>(value));
          return false;
        },
        [](std::string_view, bool) {});
    if (!listed && unlisted && IsDirectory(folder)) unlisted(year);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
  };
  std::vector<std::pair<uint16_t, uint16_t>> months;
  for (const uint16_t year : numbered(saveDir, 9999, 0)) {
    for (const uint16_t month : numbered(YearDirectory(saveDir, year), 12, year)) {
      months.emplace_back(year, month);
    }
  }
  if (order == Order::kNewestFirst) std::reverse(months.begin(), months.end());
  return months;
}

bool ListMonthEntries(const std::string& saveDir, uint16_t year, uint16_t month, int tabCount,
                      const std::function<void(const EntryName& name, bool regular)>& each) {
  if (tabCount <= 0) return IsDirectory(MonthDirectory(saveDir, year, month));
  std::optional<EntryName> parsed;
  return ListFolder(
      MonthDirectory(saveDir, year, month),
      [&](std::string_view name) {
        parsed = ParseEntryName(name, tabCount);
        // A day the month does not have (30 February) names no entry, whatever its file holds.
        return parsed.has_value() && parsed->day <= DaysInMonth(year, month);
      },
      [&](std::string_view, bool regular) { each(*parsed, regular); });
}

std::vector<std::string> DiaryFolders(
    const std::string& saveDir,
    const std::function<void(const std::string& folder, uint16_t year, uint16_t month)>& month) {
  std::vector<std::string> folders{saveDir};
  uint16_t last = 0;
  for (const auto& [y, m] : DiaryMonths(saveDir, Order::kOldestFirst)) {
    if (y != last) folders.push_back(YearDirectory(saveDir, y));
    last = y;
    folders.push_back(MonthDirectory(saveDir, y, m));
    if (month) month(folders.back(), y, m);
  }
  return folders;
}

}  // namespace marrowleaf

// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The one home of the entry name rule: an entry (a date and a tab) lives at
// YEAR/MONTH/DAY_TAB.txt under the save directory, every number in decimal without leading zeros
// or sign. Everything that builds, parses or walks such names comes here.
namespace marrowleaf {

struct EntryKey {
  uint16_t year = 0;
  uint16_t month = 0;
  uint16_t day = 0;
  int tab = 0;
  bool operator==(const EntryKey& o) const {
    return year == o.year && month == o.month && day == o.day && tab == o.tab;
  }
  bool operator!=(const EntryKey& o) const { return !(*this == o); }
};

// "YEAR/MONTH/DAY_TAB", the entry's place without its ".txt"; the history keeps an entry's
// versions in a folder of this name.
std::string EntryStem(const EntryKey& key);
// "DAY_TAB.txt", the entry's name in its month folder.
std::string EntryFileName(uint16_t day, int tab);
// "YEAR/MONTH/DAY_TAB.txt".
std::string EntryRelativePath(const EntryKey& key);
// "YEAR-MONTH-DAY_TAB", the entry named in one word, for files kept outside the diary's folders
// (recovery copies).
std::string EntryFlatName(const EntryKey& key);

std::string YearDirectory(const std::string& saveDir, uint16_t year);
std::string MonthDirectory(const std::string& saveDir, uint16_t year, uint16_t month);
// saveDir/YEAR/MONTH/DAY_TAB.txt, built as text and not normalised.
std::string EntryPath(const std::string& saveDir, const EntryKey& key);

// A name in a month folder that belongs to an entry: the entry's own file, or a sync tool's
// conflict copy of it ("7_0.sync-conflict-20261208-101530-ABCDEFG.txt",
// "7_0 (conflicted copy 2026-12-08 101530).txt", "7_0 (Hostname's conflicted copy ...).txt").
struct EntryName {
  int day = 0;
  int tab = 0;
  bool conflict = false;
  std::string_view file;  // the whole name, valid as long as the parsed text
  std::string_view tail;  // of a conflict copy: what follows DAY_TAB, ".txt" included
};
// Nothing for a name that is neither, or whose tab is not below tabCount.
std::optional<EntryName> ParseEntryName(std::string_view name, int tabCount);
// The key of a path that ends in YEAR/MONTH/DAY_TAB.txt on a day the month has (the rest of the
// path is not looked at), any tab; nothing for any other path.
std::optional<EntryKey> ParseEntryPath(std::string_view path);

enum class Order { kOldestFirst, kNewestFirst };

// The months of the diary: every year folder (1 to 9999) with its month folders (1 to 12), named
// as entry paths name them, in the given order. Other folders and files are not months.
// `unlisted`, when given, hears of every folder that exists but cannot be listed, so that its
// months are unknown: the save folder itself (year 0) or a year's folder.
std::vector<std::pair<uint16_t, uint16_t>> DiaryMonths(
    const std::string& saveDir, Order order,
    const std::function<void(uint16_t year)>& unlisted = nullptr);

// Every folder of the diary that may hold or gain an entry: the save folder, then each year
// folder followed by its month folders, oldest first. What a window watches for the changes of
// other programs; `month`, when given, hears of each month folder with its year and month.
std::vector<std::string> DiaryFolders(
    const std::string& saveDir,
    const std::function<void(const std::string& folder, uint16_t year, uint16_t month)>& month =
        nullptr);

// Calls `each` for every name of the month folder that ParseEntryName takes on a day the month
// has, with whether it is a regular file (links followed). One listing of the folder; no entry
// is opened. False when the folder cannot be read.
bool ListMonthEntries(const std::string& saveDir, uint16_t year, uint16_t month, int tabCount,
                      const std::function<void(const EntryName& name, bool regular)>& each);

}  // namespace marrowleaf

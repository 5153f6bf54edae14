// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/diarywalk.h"

#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <deque>

#include "crypto/sealedfiles.h"
#include "entries/entryfiles.h"
#include "platform/files.h"
#include "text/dates.h"

namespace marrowleaf {
namespace {

// Enough of what was passed over to name it; the rest is counted.
constexpr size_t kKeptSkips = 100;
// How many months are read ahead of the one handed on: enough to keep every thread busy, few
// enough that a cancelled walk has little to throw away.
constexpr size_t kAhead = 16;

Skipped::Reason ReasonOf(FolderReader::Failure failure) {
  switch (failure) {
    case FolderReader::Failure::kNotAFile:
      return Skipped::Reason::kNotAFile;
    case FolderReader::Failure::kTooLarge:
      return Skipped::Reason::kTooLarge;
    default:
      return Skipped::Reason::kUnreadable;
  }
}

bool Before(const Month& a, const Month& b) { return a < b; }

// Opens a sealed entry's bytes into `plain`; false, with the reason in `skipped`, where it does
// not open.
bool OpenEntry(const DiaryKeys& keys, std::string_view bytes, std::string& plain,
               const std::string& path, Skipped& skipped) {
  Opened opened = OpenBytes(keys, bytes);
  if (opened.result == Opening::kOpened) {
    plain = std::move(opened.bytes);
    return true;
  }
  const bool damaged =
      opened.result == Opening::kDamaged || opened.result == Opening::kUnknownVersion;
  skipped = {damaged ? Skipped::Reason::kDamaged : Skipped::Reason::kLocked, path,
             WhyNotOpened(opened.result)};
  return false;
}

}  // namespace

QString WalkedEntry::Shown() const {
  return unsaved != nullptr ? *unsaved : EntryBytesToText(text).text;
}

WalkScope EveryEntry(int tabCount, Order order, const UnsavedEntry* unsaved) {
  WalkScope scope;
  scope.tabCount = tabCount;
  scope.order = order;
  scope.unsaved = unsaved;
  return scope;
}

DiaryWalk::DiaryWalk(std::string dir, WalkScope s, const std::atomic<bool>& stop)
    : saveDir(std::move(dir)),
      scope(std::move(s)),
      cancelled(stop),
      keys(SealingFor(saveDir).keys) {
  if (scope.tabCount <= 0) return;
  // A folder that cannot be listed may hold entries of the scope: the save folder, or a year's.
  const auto unlisted = [&](uint16_t year) {
    if (year == 0) {
      Skip({Skipped::Reason::kUnlisted, saveDir, "the folder cannot be listed"});
    } else if (year >= scope.from.first && year <= scope.to.first) {
      Skip({Skipped::Reason::kUnlisted, YearDirectory(saveDir, year),
            "the folder cannot be listed"});
    }
  };
  for (const Month& month : DiaryMonths(saveDir, Order::kOldestFirst, unlisted)) {
    if (!Before(month, scope.from) && !Before(scope.to, month)) months.push_back(month);
  }
  if (const UnsavedEntry* unsaved = scope.unsaved) {
    const Month month(unsaved->key.year, unsaved->key.month);
    const auto at = std::lower_bound(months.begin(), months.end(), month);
    if (unsaved->key.tab < scope.tabCount && !Before(month, scope.from) &&
        !Before(scope.to, month) && (at == months.end() || *at != month)) {
      months.insert(at, month);  // typed text whose folder is gone
    }
  }
  if (scope.order == Order::kNewestFirst) std::reverse(months.begin(), months.end());
}

void DiaryWalk::ReadMonth(const Month& month,
                          const std::function<void(const WalkedEntry&)>& visit) const {
  // Plain copies: a lambda of C++17 may not capture a structured binding.
  const uint16_t year = month.first;
  const uint16_t number = month.second;
  const std::string folder = MonthDirectory(saveDir, year, number);
  std::vector<std::pair<int, int>> entries;  // (day, tab)
  const bool listed = ListMonthEntries(
      saveDir, year, number, scope.tabCount, [&](const EntryName& name, bool regular) {
        if (name.conflict) return;
        const EntryKey key{year, number, static_cast<uint16_t>(name.day), name.tab};
        if (scope.wanted && !scope.wanted(key)) return;
        if (!regular) {
          Skip({Skipped::Reason::kNotAFile, folder + '/' + std::string(name.file),
                "not a regular file"});
          return;
        }
        entries.emplace_back(name.day, name.tab);
      });
  if (!listed && IsDirectory(folder)) {
    Skip({Skipped::Reason::kUnlisted, folder, "the folder cannot be listed"});
  }
  const UnsavedEntry* unsaved = scope.unsaved;
  const bool unsavedHere = unsaved != nullptr && unsaved->key.year == year &&
                           unsaved->key.month == number && unsaved->key.tab < scope.tabCount &&
                           (!scope.wanted || scope.wanted(unsaved->key));
  const std::pair<int, int> unsavedAt(unsavedHere ? unsaved->key.day : 0,
                                      unsavedHere ? unsaved->key.tab : 0);
  if (unsavedHere && std::find(entries.begin(), entries.end(), unsavedAt) == entries.end()) {
    entries.push_back(unsavedAt);
  }
  const bool newest = scope.order == Order::kNewestFirst;
  std::sort(entries.begin(), entries.end(), [newest](const auto& a, const auto& b) {
    if (a.first != b.first) return newest ? a.first > b.first : a.first < b.first;
    return a.second < b.second;
  });
  FolderReader reader(folder);
  std::string opened;  // a sealed entry's bytes, opened
  for (const auto& [day, tab] : entries) {
    if (Cancelled()) return;
    const EntryKey key{year, number, static_cast<uint16_t>(day), tab};
    if (unsavedHere && std::pair(day, tab) == unsavedAt) {
      visit({key, {}, {}, {}, &unsaved->text});
      continue;
    }
    const std::string name = EntryFileName(key.day, tab);
    std::string_view bytes;
    if (!reader.Read(name, bytes, kEntrySizeLimit)) {
      // An entry removed since the listing is simply gone.
      if (reader.Why() != FolderReader::Failure::kMissing) {
        Skip({ReasonOf(reader.Why()), folder + '/' + name, reader.Error()});
      }
      continue;
    }
    if (LooksSealed(bytes)) {
      Skipped why;
      if (!OpenEntry(*keys, bytes, opened, folder + '/' + name, why)) {
        Skip(std::move(why));
        continue;
      }
      visit({key, opened, EntryTextOf(opened), bytes, nullptr});
      continue;
    }
    visit({key, bytes, EntryTextOf(bytes), bytes, nullptr});
  }
}

void DiaryWalk::RunAhead(size_t count, const std::function<void(size_t)>& work,
                         const std::function<bool(size_t)>& take) const {
  QThreadPool pool;
  pool.setMaxThreadCount(std::clamp(QThread::idealThreadCount(), 1, 4));
  std::atomic<bool> stopped{false};
  std::deque<QFuture<void>> ahead;
  size_t next = 0;
  const auto start = [&] {
    const size_t i = next++;
    ahead.push_back(QtConcurrent::run(&pool, [&work, &stopped, i] {
      if (!stopped.load(std::memory_order_relaxed)) work(i);
    }));
  };
  while (next < count && ahead.size() < kAhead) start();
  size_t handed = 0;
  while (!ahead.empty()) {
    // A month no thread has started yet is read on this thread while it waits.
    QFuture<void> first = ahead.front();
    ahead.pop_front();
    first.waitForFinished();
    if (Cancelled() || !take(handed++)) break;
    if (next < count) start();
  }
  // Months not started are dropped; those under way end with their month, and the pool waits
  // for them.
  stopped.store(true);
  pool.clear();
  pool.waitForDone();
}

void DiaryWalk::Skip(Skipped skipped) const {
  const std::lock_guard<std::mutex> hold(skipLock);
  ++skipCount;
  if (skips.size() < kKeptSkips) skips.push_back(std::move(skipped));
}

size_t DiaryWalk::SkipCount() const {
  const std::lock_guard<std::mutex> hold(skipLock);
  return skipCount;
}

std::vector<Skipped> DiaryWalk::Skips() const {
  std::vector<Skipped> sorted;
  {
    const std::lock_guard<std::mutex> hold(skipLock);
    sorted = skips;
  }
  // Months are read on several threads at once: in the order of their paths, whichever came first.
  std::sort(sorted.begin(), sorted.end(),
            [](const Skipped& a, const Skipped& b) { return a.path < b.path; });
  return sorted;
}

std::string_view EntryBytes::Text() const { return EntryTextOf(file); }

EntryBytes ReadOneEntry(const std::string& saveDir, const EntryKey& key) {
  EntryBytes entry;
  if (key.day < 1 || key.day > DaysInMonth(key.year, key.month) || key.tab < 0) return entry;
  FolderReader reader(MonthDirectory(saveDir, key.year, key.month));
  std::string_view bytes;
  if (reader.Read(EntryFileName(key.day, key.tab), bytes, kEntrySizeLimit)) {
    entry.exists = true;
    entry.diskHash = HashBytes(bytes);
    if (LooksSealed(bytes)) {
      entry.read = OpenEntry(*SealingFor(saveDir).keys, bytes, entry.file, EntryPath(saveDir, key),
                             entry.skipped);
      return entry;
    }
    entry.read = true;
    entry.file.assign(bytes);
    return entry;
  }
  if (reader.Why() == FolderReader::Failure::kMissing) return entry;
  entry.exists = true;
  entry.skipped = {ReasonOf(reader.Why()), EntryPath(saveDir, key), reader.Error()};
  return entry;
}

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

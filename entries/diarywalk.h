// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "crypto/diarykey.h"
#include "entries/entrykey.h"
#include "entries/entrytext.h"

// The one walk over the diary's entries. Every reader of the whole diary (Find, Tags, Look Back,
// Export, the calendar's marks, the import's look at the days it adds to) lists and reads
// entries here, so that they all agree on what an entry is:
//
// - a file YEAR/MONTH/DAY_TAB.txt under the save folder (entrykey.h's names) whose date exists
//   and whose tab is below the tab count; conflict copies, the history, drafts, templates and
//   attachments are no entries;
// - a regular file (links followed) of at most kEntrySizeLimit bytes: anything else that has
//   an entry's name (a folder, a FIFO, a link to a device) is passed over and said so;
// - its text is its bytes up to the first NUL (EntryTextOf), shown as entrytext.h decodes it; a
//   sealed file (an encrypted diary's) is opened first, with the keys the process holds for the
//   diary, and one that does not open is passed over and said so.
//
// Threading: a walk reads its months on a pool of threads of its own, never the application's
// shared pool, so that a walk started from a task on the shared pool never waits for a pool it
// occupies. At most a few months are read ahead of the one handed on, and each month's result
// is handed on in order, on the thread that runs the walk. Cancelling stops the reading at the
// next entry; what was handed on stays valid.
namespace marrowleaf {

using Month = std::pair<uint16_t, uint16_t>;  // year, month

// The largest file the walk reads as an entry: far beyond any text written by hand.
inline constexpr size_t kEntrySizeLimit = size_t{32} << 20;

// An entry whose text in the window differs from its file: that text stands in for it, whether
// or not a file is there.
struct UnsavedEntry {
  EntryKey key;
  QString text;  // as the text area shows it
};

// Something the walk passed over, and why.
struct Skipped {
  enum class Reason {
    kUnreadable,
    kNotAFile,
    kTooLarge,
    kUnlisted,
    kDamaged,  // sealed, and changed or cut short since (or of a newer version's format)
    kLocked,   // sealed with a key that is not held: the diary locked, or another device's key
  };
  Reason reason = Reason::kUnreadable;
  std::string path;
  std::string error;  // the system's words, untranslated
};

struct WalkedEntry {
  EntryKey key;
  std::string_view file;  // the whole file (opened, where sealed); empty for unsaved text
  std::string_view text;  // the file up to its first NUL
  std::string_view disk;  // the file's bytes as they are on disk
  const QString* unsaved = nullptr;  // the window's text standing for the entry
  // The text as the text area shows it (line breaks '\n').
  QString Shown() const;
};

struct WalkScope {
  int tabCount = 0;
  // Months and the days within them; the tabs of a day always come in their order.
  Order order = Order::kNewestFirst;
  Month from{1, 1};  // the first and last month walked
  Month to{9999, 12};
  // Which entries to read, when not all (a range of days, some tabs, one day of every year).
  std::function<bool(const EntryKey&)> wanted;
  const UnsavedEntry* unsaved = nullptr;
};

// Every entry of the tabs below `tabCount`, in `order`; `unsaved` stands for its entry.
WalkScope EveryEntry(int tabCount, Order order = Order::kNewestFirst,
                     const UnsavedEntry* unsaved = nullptr);

class DiaryWalk {
 public:
  DiaryWalk(std::string saveDir, WalkScope scope, const std::atomic<bool>& cancelled);

  // The months of the diary within the scope, in its order, the unsaved entry's among them.
  const std::vector<Month>& Months() const { return months; }
  // The entries of one month of the scope, each handed to `visit`. May run on several threads
  // at once, for different months.
  void ReadMonth(const Month& month, const std::function<void(const WalkedEntry&)>& visit) const;

  // Each of `these` months (all of Months() when not given) read by `read` on the walk's pool,
  // and `take` given the results in order on this thread; `take` returns false to stop.
  template <typename R>
  void Map(const std::function<R(const Month&)>& read, const std::function<bool(R&)>& take,
           const std::vector<Month>* these = nullptr) const {
    const std::vector<Month>& list = these != nullptr ? *these : months;
    std::vector<R> results(list.size());
    RunAhead(
        list.size(), [&](size_t i) { results[i] = read(list[i]); },
        [&](size_t i) {
          const bool go = take(results[i]);
          results[i] = R{};  // handed on: its memory goes now, not at the end of the walk
          return go;
        });
  }

  bool Cancelled() const { return cancelled.load(std::memory_order_relaxed); }
  // What was passed over so far: how many, and the first of them in the order of their paths.
  size_t SkipCount() const;
  std::vector<Skipped> Skips() const;
  const std::string& SaveDir() const { return saveDir; }

 private:
  void RunAhead(size_t count, const std::function<void(size_t)>& work,
                const std::function<bool(size_t)>& take) const;
  void Skip(Skipped skipped) const;

  std::string saveDir;
  WalkScope scope;
  const std::atomic<bool>& cancelled;
  std::shared_ptr<const DiaryKeys> keys;  // looked up once: the walk's threads share them
  std::vector<Month> months;
  mutable std::mutex skipLock;
  mutable std::vector<Skipped> skips;  // the first kKeptSkips
  mutable size_t skipCount = 0;
};

// One entry read by the walk's rules, for a reader that needs a few entries by name (the
// import's look at the days it adds to). False where there is no such entry; a file that cannot
// be read as an entry is said so in `skipped`.
struct EntryBytes {
  bool exists = false;  // something has the entry's name
  bool read = false;
  std::string file;       // the whole file (opened, where sealed)
  uint64_t diskHash = 0;  // HashBytes of the file's bytes as they are on disk
  Skipped skipped;        // why it was not read
  std::string_view Text() const;
};
EntryBytes ReadOneEntry(const std::string& saveDir, const EntryKey& key);

// Which days of a month hold entries, from the month folder's names alone (no entry is opened;
// only links cost a look at the item).
struct MonthDays {
  uint32_t entries = 0;      // bit d (1 to 31): day d holds an entry
  uint32_t conflicts = 0;    // bit d: day d has a sync tool's conflict copy of an entry
  uint16_t counts[32] = {};  // counts[d]: how many entries day d holds
};
MonthDays ListMonth(const std::string& saveDir, uint16_t year, uint16_t month, int tabCount);

// The nearest day before (`step` -1) or after (+1) `from` (exclusive) that holds an entry, as
// year, month and day; false when there is none in the diary.
bool NearestDayWithEntry(const std::string& saveDir, int tabCount, int fromYear, int fromMonth,
                         int fromDay, int step, int& year, int& month, int& day);

}  // namespace marrowleaf

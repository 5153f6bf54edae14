// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "entries/diarywalk.h"
#include "text/words.h"

// The diary read back: what was written on the same day in earlier years, and what the years
// hold (entries, words, streaks of days written), straight from the entry files each time. An
// entry counts once it holds something other than blanks: an entry made and left empty is no
// day written. Entries are those the calendar marks (YEAR/MONTH/DAY_TAB.txt, TAB below the tab
// count, on a day the month has), each read up to its first NUL.
namespace marrowleaf {

// The days written of one month, in order of their day.
struct DayTally {
  uint16_t day = 0;
  uint16_t entries = 0;
  int64_t words = 0;
  int64_t characters = 0;
};
struct MonthTally {
  uint16_t year = 0;
  uint16_t month = 0;
  std::vector<DayTally> days;
};

// Reads the entries of one month of the walk; stops early once it is cancelled.
MonthTally TallyMonth(const DiaryWalk& walk, const Month& month);

struct DiaryStatistics {
  int64_t entries = 0;
  int64_t daysWritten = 0;
  int64_t words = 0;
  int64_t characters = 0;
  double wordsPerDay = 0;  // per day written
  // Consecutive days with an entry. The current streak ends today, or yesterday while today has
  // no entry yet (the day is not over); days after today are no part of it.
  int currentStreak = 0;
  int longestStreak = 0;
  QDate longestStreakEnd;  // the last day of the longest streak (the latest of equal ones)
  QDate first;             // the first and the latest day written
  QDate latest;
};

// The whole diary month by month, as the look back shows it. Kept in memory only.
class DiaryTally {
 public:
  // Every month of the walk; once the walk is cancelled the reading stops and
  // what it returns is incomplete.
  static DiaryTally Read(const DiaryWalk& walk);
  // A month read again replaces what was known of it.
  void Put(MonthTally month);

  DiaryStatistics Statistics(const QDate& today) const;
  // The words of each day of `year`, from 1 January (index 0) to 31 December.
  std::vector<int64_t> DayWords(int year) const;
  // The words of each month of `year`, January first.
  std::array<int64_t, 12> MonthWords(int year) const;
  // The years with a day written, oldest first.
  std::vector<int> Years() const;

 private:
  std::map<std::pair<uint16_t, uint16_t>, std::vector<DayTally>> months;
};

// An entry of an earlier year on the same day.
struct PastEntry {
  EntryKey key;
  int yearsAgo = 0;
  QString opening;  // its first lines that hold text, as the text area shows them
};

// The walk's scope for the day of `date` in every earlier year: its months, newest first, and
// its days. 29 February, in a year that has none, shows on 28 February.
WalkScope OnThisDayScope(int tabCount, const QDate& date);
// Every entry of such a walk that holds text, newest first (days, then tabs in order), each with
// at most `lines` of its first lines (each cut at 160 characters).
std::vector<PastEntry> OnThisDay(const DiaryWalk& walk, const QDate& date, int lines);

}  // namespace marrowleaf

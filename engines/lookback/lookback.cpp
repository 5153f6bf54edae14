// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/lookback/lookback.h"

#include <algorithm>
#include <iterator>

#include "entries/entrytext.h"
#include "text/dates.h"

namespace marrowleaf {
namespace {

// At most `lines` lines of the text that hold something, each cut at `width` characters.
QString Opening(const QString& text, int lines, qsizetype width) {
  QStringList kept;
  for (qsizetype at = 0; at <= text.size() && kept.size() < lines;) {
    qsizetype end = text.indexOf(QLatin1Char('\n'), at);
    if (end < 0) end = text.size();
    const QString line = text.mid(at, std::min(end - at, width)).trimmed();
    if (!line.isEmpty()) kept.append(end - at > width ? line + QChar(0x2026) : line);
    at = end + 1;
  }
  return kept.join(QLatin1Char('\n'));
}

}  // namespace

MonthTally TallyMonth(const DiaryWalk& walk, const Month& month) {
  MonthTally tally{month.first, month.second, {}};
  walk.ReadMonth(month, [&](const WalkedEntry& entry) {
    const TextCount count = CountText(entry.text);
    if (!count.written) return;
    if (tally.days.empty() || tally.days.back().day != entry.key.day) {
      tally.days.push_back({entry.key.day, 0, 0, 0});
    }
    DayTally& tallied = tally.days.back();
    ++tallied.entries;
    tallied.words += count.words;
    tallied.characters += count.characters;
  });
  // In order of their days, whichever way the walk went.
  std::sort(tally.days.begin(), tally.days.end(),
            [](const DayTally& a, const DayTally& b) { return a.day < b.day; });
  return tally;
}

DiaryTally DiaryTally::Read(const DiaryWalk& walk) {
  DiaryTally diary;
  walk.Map<MonthTally>([&](const Month& month) { return TallyMonth(walk, month); },
                       [&](MonthTally& month) {
                         if (!month.days.empty()) {
                           diary.months[{month.year, month.month}] = std::move(month.days);
                         }
                         return true;
                       });
  return diary;
}

void DiaryTally::Put(MonthTally month) {
  if (month.days.empty()) {
    months.erase({month.year, month.month});
  } else {
    months[{month.year, month.month}] = std::move(month.days);
  }
}

DiaryStatistics DiaryTally::Statistics(const QDate& today) const {
  DiaryStatistics s;
  int run = 0;
  qint64 previous = 0;  // the Julian day of the last day seen
  qint64 lastUpToToday = 0;
  int runUpToToday = 0;
  for (const auto& [key, days] : months) {
    for (const DayTally& day : days) {
      const QDate date(key.first, key.second, day.day);
      const qint64 julian = date.toJulianDay();
      s.entries += day.entries;
      s.words += day.words;
      s.characters += day.characters;
      ++s.daysWritten;
      if (!s.first.isValid()) s.first = date;
      s.latest = date;
      run = previous != 0 && julian == previous + 1 ? run + 1 : 1;
      previous = julian;
      if (run >= s.longestStreak) {
        s.longestStreak = run;
        s.longestStreakEnd = date;
      }
      if (date <= today) {
        lastUpToToday = julian;
        runUpToToday = run;
      }
    }
  }
  if (s.daysWritten > 0)
    s.wordsPerDay = static_cast<double>(s.words) / static_cast<double>(s.daysWritten);
  // The streak goes on while its last day is today or, before today's entry, yesterday.
  if (lastUpToToday != 0 && lastUpToToday >= today.toJulianDay() - 1) {
    s.currentStreak = runUpToToday;
  }
  return s;
}

std::vector<int64_t> DiaryTally::DayWords(int year) const {
  const QDate january(year, 1, 1);
  std::vector<int64_t> words(static_cast<size_t>(january.daysInYear()), 0);
  if (year < 1 || year > 9999) return words;
  const auto y = static_cast<uint16_t>(year);
  for (auto it = months.lower_bound({y, 1}); it != months.end() && it->first.first == y; ++it) {
    for (const DayTally& day : it->second) {
      words[static_cast<size_t>(QDate(year, it->first.second, day.day).dayOfYear() - 1)] =
          day.words;
    }
  }
  return words;
}

std::array<int64_t, 12> DiaryTally::MonthWords(int year) const {
  std::array<int64_t, 12> words{};
  if (year < 1 || year > 9999) return words;
  const auto y = static_cast<uint16_t>(year);
  for (auto it = months.lower_bound({y, 1}); it != months.end() && it->first.first == y; ++it) {
    for (const DayTally& day : it->second) words[it->first.second - 1u] += day.words;
  }
  return words;
}

std::vector<int> DiaryTally::Years() const {
  std::vector<int> years;
  for (const auto& [key, days] : months) {
    if (years.empty() || years.back() != key.first) years.push_back(key.first);
  }
  return years;
}

WalkScope OnThisDayScope(int tabCount, const QDate& date) {
  WalkScope scope;
  scope.tabCount = date.isValid() ? tabCount : 0;
  scope.order = Order::kNewestFirst;
  scope.to = {static_cast<uint16_t>(std::max(1, date.year() - 1)), 12};
  // A year without 29 February remembers it on the 28th.
  const bool leapDayToo = date.month() == 2 && date.day() == 28 && !IsLeapYear(date.year());
  scope.wanted = [date, leapDayToo](const EntryKey& key) {
    return key.year < date.year() && key.month == date.month() &&
           (key.day == date.day() || (leapDayToo && key.day == 29));
  };
  return scope;
}

std::vector<PastEntry> OnThisDay(const DiaryWalk& walk, const QDate& date, int lines) {
  std::vector<PastEntry> found;
  if (!date.isValid()) return found;
  // Only the date's month of each year is listed.
  std::vector<Month> months;
  for (const Month& month : walk.Months()) {
    if (month.second == date.month() && month.first < date.year()) months.push_back(month);
  }
  walk.Map<std::vector<PastEntry>>(
      [&](const Month& month) {
        std::vector<PastEntry> past;
        walk.ReadMonth(month, [&](const WalkedEntry& entry) {
          const QString opening = Opening(entry.Shown(), lines, 160);
          if (!opening.isEmpty())
            past.push_back({entry.key, date.year() - entry.key.year, opening});
        });
        return past;
      },
      [&](std::vector<PastEntry>& past) {
        std::move(past.begin(), past.end(), std::back_inserter(found));
        return true;
      },
      &months);
  return found;
}

}  // namespace marrowleaf

// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/lookback/lookback.h"

#include <QTextBoundaryFinder>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <cstring>

#include "entries/entrytext.h"
#include "platform/files.h"
#include "text/dates.h"
#include "text/words.h"

namespace marrowleaf {
namespace {

// The bytes of an entry up to its first NUL: its text.
std::string_view UpToNul(std::string_view bytes) {
  if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size())) {
    return bytes.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - bytes.data()));
  }
  return bytes;
}

bool AsciiOnly(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool LineBreak(QStringView cluster) {
  return cluster == u"\r\n" || cluster == u"\n" || cluster == u"\r" || cluster == u"\u2028" ||
         cluster == u"\u2029";
}

// The entries of the given days of a month (regular files, no conflict copies), newest day
// first and tabs in order.
std::vector<std::pair<int, int>> EntriesOfDays(const std::string& saveDir, int tabCount,
                                               uint16_t year, uint16_t month,
                                               const std::vector<int>& days) {
  std::vector<std::pair<int, int>> entries;
  ListMonthEntries(saveDir, year, month, tabCount, [&](const EntryName& name, bool regular) {
    if (regular && !name.conflict && std::find(days.begin(), days.end(), name.day) != days.end()) {
      entries.emplace_back(name.day, name.tab);
    }
  });
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  return entries;
}

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

TextCount CountText(std::string_view bytes) {
  TextCount count;
  if (AsciiOnly(bytes)) {
    // One byte is one character; the word count still takes the one rule.
    for (const char c : bytes) {
      if (c == '\r' || c == '\n') continue;
      ++count.characters;
      count.written = count.written || !QChar::isSpace(static_cast<unsigned char>(c));
    }
    if (count.written) count.words = CountWords(QString::fromLatin1(bytes.data(), bytes.size()));
    return count;
  }
  const QString text = DecodeText(bytes);
  count.written = std::any_of(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); });
  if (!count.written) return count;
  count.words = CountWords(text);
  QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
  for (qsizetype at = 0, next; (next = clusters.toNextBoundary()) > 0; at = next) {
    if (!LineBreak(QStringView(text).mid(at, next - at))) ++count.characters;
  }
  return count;
}

MonthTally TallyMonth(const std::string& saveDir, int tabCount, uint16_t year, uint16_t month,
                      const std::atomic<bool>& cancelled) {
  MonthTally tally{year, month, {}};
  const int length = DaysInMonth(year, month);
  std::vector<std::pair<int, int>> entries;  // (day, tab), days in order
  ListMonthEntries(saveDir, year, month, tabCount, [&](const EntryName& name, bool regular) {
    if (regular && !name.conflict && name.day <= length) entries.emplace_back(name.day, name.tab);
  });
  std::sort(entries.begin(), entries.end());
  FolderReader reader(MonthDirectory(saveDir, year, month));
  for (const auto& [day, tab] : entries) {
    if (cancelled.load(std::memory_order_relaxed)) break;
    std::string_view bytes;
    if (!reader.Read(EntryFileName(static_cast<uint16_t>(day), tab), bytes)) continue;
    const TextCount count = CountText(UpToNul(bytes));
    if (!count.written) continue;
    if (tally.days.empty() || tally.days.back().day != day) {
      tally.days.push_back({static_cast<uint16_t>(day), 0, 0, 0});
    }
    DayTally& tallied = tally.days.back();
    ++tallied.entries;
    tallied.words += count.words;
    tallied.characters += count.characters;
  }
  return tally;
}

DiaryTally DiaryTally::Read(const std::string& saveDir, int tabCount,
                            const std::atomic<bool>& cancelled) {
  DiaryTally diary;
  if (tabCount <= 0) return diary;
  const std::vector<std::pair<uint16_t, uint16_t>> months =
      DiaryMonths(saveDir, Order::kOldestFirst);
  // Opening and reading the files is most of the work: the months go to a pool of their own
  // (a pool thread that waited for the shared pool could wait for itself).
  QThreadPool pool;
  pool.setMaxThreadCount(std::max(1, std::min(4, QThread::idealThreadCount())));
  const std::vector<MonthTally> read = QtConcurrent::blockingMapped<std::vector<MonthTally>>(
      &pool, months, [&](const std::pair<uint16_t, uint16_t>& m) {
        return cancelled.load(std::memory_order_relaxed)
                   ? MonthTally{}
                   : TallyMonth(saveDir, tabCount, m.first, m.second, cancelled);
      });
  for (const MonthTally& month : read) {
    if (!month.days.empty()) diary.months[{month.year, month.month}] = month.days;
  }
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

std::vector<PastEntry> OnThisDay(const std::string& saveDir, int tabCount, const QDate& date,
                                 int lines, const std::atomic<bool>& cancelled) {
  std::vector<PastEntry> found;
  if (!date.isValid() || tabCount <= 0) return found;
  // A year without 29 February remembers it on the 28th.
  const bool leapDayToo = date.month() == 2 && date.day() == 28 && !IsLeapYear(date.year());
  for (const auto& [year, month] : DiaryMonths(saveDir, Order::kNewestFirst)) {
    if (cancelled.load(std::memory_order_relaxed)) break;
    if (month != date.month() || year >= date.year()) continue;
    std::vector<int> days{date.day()};
    if (leapDayToo && IsLeapYear(year)) days.push_back(29);
    const std::vector<std::pair<int, int>> entries =
        EntriesOfDays(saveDir, tabCount, year, month, days);
    FolderReader reader(MonthDirectory(saveDir, year, month));
    for (const auto& [day, tab] : entries) {
      if (day > DaysInMonth(year, month)) continue;
      std::string_view bytes;
      if (!reader.Read(EntryFileName(static_cast<uint16_t>(day), tab), bytes)) continue;
      const QString opening = Opening(EntryBytesToText(UpToNul(bytes)).text, lines, 160);
      if (opening.isEmpty()) continue;
      found.push_back(
          {{year, month, static_cast<uint16_t>(day), tab}, date.year() - year, opening});
    }
  }
  return found;
}

}  // namespace marrowleaf

// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/lookback/lookback.h"

#include <gtest/gtest.h>

#include "testutil.h"

namespace {

using namespace marrowleaf;

class LookBack : public ::testing::Test {
 protected:
  testutil::TempDir dir;
  std::atomic<bool> running{false};

  void Entry(const QDate& date, int tab, const std::string& text) {
    const std::string name =
        EntryRelativePath({static_cast<uint16_t>(date.year()), static_cast<uint16_t>(date.month()),
                           static_cast<uint16_t>(date.day()), tab});
    std::filesystem::create_directories(std::filesystem::path(dir / name).parent_path());
    testutil::WriteFile(dir / name, text + '\0');
  }
  DiaryWalk Walk(int tabs, Order order = Order::kOldestFirst) {
    return DiaryWalk(dir.path(), EveryEntry(tabs, order), running);
  }
  std::vector<PastEntry> Past(int tabs, const QDate& date, int lines) {
    return OnThisDay(DiaryWalk(dir.path(), OnThisDayScope(tabs, date), running), date, lines);
  }
  DiaryStatistics Statistics(const QDate& today, int tabs = 1) {
    return DiaryTally::Read(Walk(tabs)).Statistics(today);
  }
};

TEST_F(LookBack, AJapaneseAndAnEnglishEntryCountEightWords) {
  Entry(QDate(2026, 12, 8), 0, "今日は晴れ。");
  Entry(QDate(2026, 12, 9), 0, "six seven eight");
  const DiaryStatistics s = Statistics(QDate(2026, 12, 9));
  EXPECT_EQ(s.words, 8);
  EXPECT_EQ(s.entries, 2);
  EXPECT_EQ(s.daysWritten, 2);
  EXPECT_EQ(s.characters, 6 + 15);
  EXPECT_DOUBLE_EQ(s.wordsPerDay, 4.0);
  EXPECT_EQ(s.first, QDate(2026, 12, 8));
  EXPECT_EQ(s.latest, QDate(2026, 12, 9));
}

// What counts: entries of the configured tabs that hold text, on days the month has; the
// characters as they are seen, line breaks left out.
TEST_F(LookBack, OnlyEntriesThatHoldTextAreCounted) {
  Entry(QDate(2004, 3, 7), 0, "one two\r\nthree");
  Entry(QDate(2004, 3, 7), 1, "\x93\xfa\x8b\x4c");  // Shift-JIS: two characters, two words
  Entry(QDate(2004, 3, 8), 0, " \r\n\t");           // made and left empty: no day written
  Entry(QDate(2004, 3, 9), 5, "a tab that is not configured");
  std::filesystem::create_directories(dir / "2004/2");
  testutil::WriteFile(dir / "2004/2/30_0.txt", "a day February never has");
  testutil::WriteFile(dir / "2004/3/9_0.sync-conflict-20040309-101530-ABCDEFG.txt", "copy");
  Entry(QDate(2004, 4, 1), 0, "e\xcc\x81t\xc3\xa9 \xf0\x9f\x98\x80");  // é twice, an emoji
  const DiaryTally tally = DiaryTally::Read(Walk(2));
  const DiaryStatistics s = tally.Statistics(QDate(2004, 4, 1));
  EXPECT_EQ(s.entries, 3);
  EXPECT_EQ(s.daysWritten, 2);
  EXPECT_EQ(s.words, 3 + 2 + 1);
  EXPECT_EQ(s.characters, 12 + 2 + 5);
  EXPECT_EQ(tally.Years(), std::vector<int>{2004});
  const std::array<int64_t, 12> months = tally.MonthWords(2004);
  EXPECT_EQ(months[2], 5);
  EXPECT_EQ(months[3], 1);
  const std::vector<int64_t> days = tally.DayWords(2004);
  ASSERT_EQ(days.size(), 366u);
  EXPECT_EQ(days[QDate(2004, 3, 7).dayOfYear() - 1], 5);
  EXPECT_EQ(days[QDate(2004, 3, 8).dayOfYear() - 1], 0);
  EXPECT_EQ(DiaryTally().DayWords(2003).size(), 365u);
}

TEST_F(LookBack, StreaksRunThroughMonthAndYearEndsAndWaitForToday) {
  const struct {
    const char* name;
    std::vector<QDate> days;
    QDate today;
    int current;
    int longest;
  } rows[] = {
      {"across a month's end",
       {QDate(2025, 1, 30), QDate(2025, 1, 31), QDate(2025, 2, 1)},
       QDate(2025, 2, 1),
       3,
       3},
      {"across a year's end",
       {QDate(2025, 12, 30), QDate(2025, 12, 31), QDate(2026, 1, 1), QDate(2026, 1, 2)},
       QDate(2026, 1, 2),
       4,
       4},
      {"through a leap day",
       {QDate(2024, 2, 28), QDate(2024, 2, 29), QDate(2024, 3, 1)},
       QDate(2024, 3, 1),
       3,
       3},
      {"28 February to 1 March in a common year",
       {QDate(2023, 2, 28), QDate(2023, 3, 1)},
       QDate(2023, 3, 1),
       2,
       2},
      {"today without an entry yet",
       {QDate(2026, 12, 6), QDate(2026, 12, 7)},
       QDate(2026, 12, 8),
       2,
       2},
      {"a day missed ends it",
       {QDate(2026, 12, 1), QDate(2026, 12, 2), QDate(2026, 12, 3), QDate(2026, 12, 6)},
       QDate(2026, 12, 8),
       0,
       3},
      {"days after today are not in it",
       {QDate(2026, 12, 7), QDate(2026, 12, 8), QDate(2026, 12, 9)},
       QDate(2026, 12, 8),
       2,
       3},
      {"no entry at all", {}, QDate(2026, 12, 8), 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    testutil::TempDir diary;
    for (const QDate& day : row.days) {
      const std::string month =
          diary / (std::to_string(day.year()) + "/" + std::to_string(day.month()));
      std::filesystem::create_directories(month);
      testutil::WriteFile(month + "/" + std::to_string(day.day()) + "_0.txt", "x");
    }
    const DiaryStatistics s =
        DiaryTally::Read(DiaryWalk(diary.path(), EveryEntry(1), running)).Statistics(row.today);
    EXPECT_EQ(s.currentStreak, row.current);
    EXPECT_EQ(s.longestStreak, row.longest);
  }
}

TEST_F(LookBack, OnThisDayListsEarlierYearsNewestFirstWithTheLeapDayOnThe28th) {
  for (const QDate& d :
       {QDate(2020, 2, 29), QDate(2023, 2, 28), QDate(2024, 2, 28), QDate(2024, 2, 29),
        QDate(2025, 2, 28), QDate(2027, 2, 28), QDate(2023, 12, 9), QDate(2024, 12, 9),
        QDate(2025, 12, 9), QDate(2027, 12, 9)}) {
    Entry(d, 0, "\r\n  first line of " + d.toString(Qt::ISODate).toStdString() + "\r\nsecond");
  }
  Entry(QDate(2024, 12, 9), 2, "the third tab\r\n\r\nits second line\r\nits third");
  Entry(QDate(2022, 12, 9), 0, " ");  // holds no text
  std::filesystem::create_directories(dir / "2021/12");
  testutil::WriteFile(dir / "2021/12/9_0 (conflicted copy 2021-12-10 101530).txt", "copy");
  const struct {
    QDate date;
    std::vector<std::pair<QDate, int>> rows;  // the day and its tab, newest first
  } rows[] = {
      {QDate(2027, 2, 28),  // no 29 February in 2027: the leap days show here
       {{QDate(2025, 2, 28), 0},
        {QDate(2024, 2, 29), 0},
        {QDate(2024, 2, 28), 0},
        {QDate(2023, 2, 28), 0},
        {QDate(2020, 2, 29), 0}}},
      {QDate(2028, 2, 28),
       {{QDate(2027, 2, 28), 0},
        {QDate(2025, 2, 28), 0},
        {QDate(2024, 2, 28), 0},
        {QDate(2023, 2, 28), 0}}},
      {QDate(2028, 2, 29), {{QDate(2024, 2, 29), 0}, {QDate(2020, 2, 29), 0}}},
      {QDate(2026, 12, 9),  // later years are not "this day" of an earlier one
       {{QDate(2025, 12, 9), 0},
        {QDate(2024, 12, 9), 0},
        {QDate(2024, 12, 9), 2},
        {QDate(2023, 12, 9), 0}}},
      {QDate(2026, 12, 10), {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.date.toString(Qt::ISODate).toStdString());
    const std::vector<PastEntry> found = Past(3, row.date, 2);
    ASSERT_EQ(found.size(), row.rows.size());
    for (size_t i = 0; i < found.size(); ++i) {
      const QDate day(found[i].key.year, found[i].key.month, found[i].key.day);
      EXPECT_EQ(day, row.rows[i].first);
      EXPECT_EQ(found[i].key.tab, row.rows[i].second);
      EXPECT_EQ(found[i].yearsAgo, row.date.year() - day.year());
    }
  }
  // The first lines that hold text, as many as asked for.
  const std::vector<PastEntry> found = Past(3, QDate(2026, 12, 9), 2);
  EXPECT_EQ(found[0].opening, QStringLiteral("first line of 2025-12-09\nsecond"));
  EXPECT_EQ(found[2].opening, QStringLiteral("the third tab\nits second line"));
  EXPECT_EQ(Past(1, QDate(2026, 12, 9), 1)[0].opening, QStringLiteral("first line of 2025-12-09"));
}

}  // namespace

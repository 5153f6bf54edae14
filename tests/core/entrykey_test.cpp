// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/entrykey.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "entries/diarywalk.h"
#include "testutil.h"

namespace {

using namespace marrowleaf;

// The name rule, both ways: what a key is written as, and which names are entries of which tab.
TEST(EntryNames, AreBuiltAndParsedByOneRule) {
  const struct {
    EntryKey key;
    const char* path;
  } built[] = {{{2004, 3, 7, 0}, "2004/3/7_0.txt"},
               {{2004, 12, 25, 2}, "2004/12/25_2.txt"},
               {{1, 1, 1, 999}, "1/1/1_999.txt"},
               {{9999, 10, 31, 10}, "9999/10/31_10.txt"}};
  for (const auto& row : built) {
    SCOPED_TRACE(row.path);
    EXPECT_EQ(EntryRelativePath(row.key), row.path);
    EXPECT_EQ(EntryPath(".", row.key), std::string("./") + row.path);
    EXPECT_EQ(ParseEntryPath(std::string("/d/my diary/") + row.path), row.key);
  }
  EXPECT_EQ(EntryPath("", {2004, 3, 7, 0}), "/2004/3/7_0.txt");  // an empty save dir starts at /
  EXPECT_EQ(MonthDirectory(".", 2004, 2), "./2004/2");
  EXPECT_EQ(EntryFlatName({2004, 3, 7, 2}), "2004-3-7_2");

  // Names in a month folder, with three tabs: day, tab and whether it is a conflict copy.
  const struct {
    const char* name;
    int day;  // 0: no entry's name
    int tab;
    bool conflict;
  } names[] = {
      {"3_0.txt", 3, 0, false},
      {"31_2.txt", 31, 2, false},
      {"5_3.txt", 0, 0, false},  // a tab beyond the three
      {"03_1.txt", 0, 0, false},
      {"6_01.txt", 0, 0, false},
      {"+6_0.txt", 0, 0, false},
      {"6_+0.txt", 0, 0, false},
      {"10_-1.txt", 0, 0, false},
      {"0_0.txt", 0, 0, false},
      {"32_0.txt", 0, 0, false},
      {"7_0.txt~", 0, 0, false},
      {"8_0.TXT", 0, 0, false},
      {"9_.txt", 0, 0, false},
      {"_0.txt", 0, 0, false},
      {"11_0.txt.bak", 0, 0, false},
      {"12_0", 0, 0, false},
      {"13_99999999999999999999.txt", 0, 0, false},
      {"4_0.sync-conflict-20261208-101530-ABCDEFG.txt", 4, 0, true},
      {"5_1 (conflicted copy 2026-12-08 101530).txt", 5, 1, true},
      {"6_0 (Hostname's conflicted copy 2026-12-08).txt", 6, 0, true},
      {"7_0 (copy).txt", 0, 0, false},
      {"8_5.sync-conflict-20261208-101530-ABCDEFG.txt", 0, 0, false},
      {"9_0.sync-conflict-.txt", 0, 0, false},
      {"10_0 (conflicted copy).txt.bak", 0, 0, false},
  };
  for (const auto& row : names) {
    SCOPED_TRACE(row.name);
    const std::optional<EntryName> parsed = ParseEntryName(row.name, 3);
    ASSERT_EQ(parsed.has_value(), row.day != 0);
    if (!parsed) continue;
    EXPECT_EQ(parsed->day, row.day);
    EXPECT_EQ(parsed->tab, row.tab);
    EXPECT_EQ(parsed->conflict, row.conflict);
    EXPECT_FALSE(ParseEntryName(row.name, row.tab).has_value());  // the tab count bounds it
    // An entry's path is its own file, never a copy of it.
    EXPECT_EQ(ParseEntryPath(std::string("2004/3/") + row.name).has_value(), !row.conflict);
  }
  EXPECT_EQ(ParseEntryName("5_1 (conflicted copy).txt", 3)->tail, " (conflicted copy).txt");
  for (const char* path : {"2004/03/7_0.txt", "2004/13/7_0.txt", "0/3/7_0.txt", "+2004/3/7_0.txt",
                           "10000/3/7_0.txt", "3/7_0.txt", "7_0.txt", "2004/3/7_0.txt/"}) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(ParseEntryPath(path).has_value());
  }
}

class MonthListing : public ::testing::Test {
 protected:
  testutil::TempDir dir;
  std::string month = dir / "2004/3";
  void SetUp() override { std::filesystem::create_directories(month); }
  void File(const std::string& name) { testutil::WriteFile(month + "/" + name, "x"); }
  uint32_t Days(int tabCount) { return ListMonth(dir.path(), 2004, 3, tabCount).entries; }
};

TEST_F(MonthListing, EntriesAndConflictCopiesOfConfiguredTabsCountOnce) {
  for (const char* name : {"3_0.txt", "17_2.txt", "31_0.txt", "5_7.txt", "03_1.txt",
                           "4_0.sync-conflict-20261208-101530-ABCDEFG.txt",
                           "5_1 (conflicted copy 2026-12-08 101530).txt"}) {
    File(name);
  }
  const MonthDays days = ListMonth(dir.path(), 2004, 3, 3);
  EXPECT_EQ(days.entries, (1u << 3) | (1u << 17) | (1u << 31));
  EXPECT_EQ(days.conflicts, (1u << 4) | (1u << 5));
  EXPECT_EQ(days.counts[3] + days.counts[17] + days.counts[31], 3);
  EXPECT_EQ(Days(8), (1u << 3) | (1u << 5) | (1u << 17) | (1u << 31));
  EXPECT_EQ(Days(1), (1u << 3) | (1u << 31));
  EXPECT_EQ(Days(0), 0u);
}

TEST_F(MonthListing, OnlyRegularFilesAndLinksToThemCount) {
  std::filesystem::create_directory(month + "/9_0.txt");
  ASSERT_EQ(::mkfifo((month + "/10_0.txt").c_str(), 0600), 0);
  File("target");
  std::filesystem::create_symlink("target", month + "/11_0.txt");
  std::filesystem::create_symlink("missing", month + "/12_0.txt");
  std::filesystem::create_symlink("9_0.txt", month + "/13_0.txt");
  EXPECT_EQ(Days(1), 1u << 11);
}

TEST_F(MonthListing, AMissingOrUnusableFolderHasNoDays) {
  EXPECT_EQ(ListMonth(dir.path(), 2004, 4, 1).entries, 0u);
  EXPECT_EQ(ListMonth(dir / "nowhere", 2004, 3, 1).entries, 0u);
  testutil::WriteFile(dir / "2005", "a file where the year folder should be");
  EXPECT_EQ(ListMonth(dir.path(), 2005, 3, 1).entries, 0u);
}

// The walk over the diary's months: only folders named as entry paths name them.
TEST_F(MonthListing, TheDiaryIsWalkedMonthByMonthInEitherOrder) {
  for (const char* folder : {"2004/12", "1999/1", "2004/02", "2004/13", "02004/5",
                             ".history/2004/6", "2010/x", "10000/1", "templates/3"}) {
    std::filesystem::create_directories(dir / folder);
  }
  testutil::WriteFile(dir / "2005", "not a folder");
  const std::vector<std::pair<uint16_t, uint16_t>> oldest{{1999, 1}, {2004, 3}, {2004, 12}};
  EXPECT_EQ(DiaryMonths(dir.path(), Order::kOldestFirst), oldest);
  EXPECT_EQ(DiaryMonths(dir.path(), Order::kNewestFirst),
            (std::vector<std::pair<uint16_t, uint16_t>>(oldest.rbegin(), oldest.rend())));
  EXPECT_TRUE(DiaryMonths(dir / "nowhere", Order::kOldestFirst).empty());
}

}  // namespace

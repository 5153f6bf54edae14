// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/monthlisting.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "testutil.h"

namespace {

using marrowleaf::DaysWithEntries;

class MonthListing : public ::testing::Test {
 protected:
  testutil::TempDir dir;
  std::string month = dir / "2004/3";
  void SetUp() override { std::filesystem::create_directories(month); }
  void File(const std::string& name) { testutil::WriteFile(month + "/" + name, "x"); }
};

TEST_F(MonthListing, OnlyEntryNamesOfConfiguredTabsCount) {
  for (const char* name : {"3_0.txt", "17_2.txt", "31_0.txt", "5_7.txt", "03_1.txt", "6_01.txt",
                           "0_0.txt", "32_0.txt", "7_0.txt~", "8_0.TXT", "9_.txt", "_0.txt",
                           "10_-1.txt", "11_0.txt.bak", "12_0", "13_99999999999999999999.txt"}) {
    File(name);
  }
  const uint32_t expected = (1u << 3) | (1u << 17) | (1u << 31);
  EXPECT_EQ(DaysWithEntries(dir.path(), 2004, 3, 3), expected);
  // With eight tabs the seventh counts as well.
  EXPECT_EQ(DaysWithEntries(dir.path(), 2004, 3, 8), expected | (1u << 5));
  // With one tab only tab 0 counts.
  EXPECT_EQ(DaysWithEntries(dir.path(), 2004, 3, 1), (1u << 3) | (1u << 31));
  EXPECT_EQ(DaysWithEntries(dir.path(), 2004, 3, 0), 0u);
}

// Sync tools' conflict copies are found in the same listing, and are no entries themselves.
TEST_F(MonthListing, ConflictCopiesOfConfiguredTabsAreTheirOwnMark) {
  for (const char* name : {"4_0.sync-conflict-20261208-101530-ABCDEFG.txt",
                           "5_1 (conflicted copy 2026-12-08 101530).txt",
                           "6_0 (Hostname's conflicted copy 2026-12-08).txt", "7_0 (copy).txt",
                           "8_5.sync-conflict-20261208-101530-ABCDEFG.txt",
                           "9_0.sync-conflict-.txt", "10_0 (conflicted copy).txt.bak"}) {
    File(name);
  }
  const marrowleaf::MonthDays days = marrowleaf::ListMonth(dir.path(), 2004, 3, 2);
  EXPECT_EQ(days.entries, 0u);
  EXPECT_EQ(days.conflicts, (1u << 4) | (1u << 5) | (1u << 6));
  EXPECT_TRUE(marrowleaf::IsConflictCopyOf("5_1 (conflicted copy 2026-12-08 101530).txt", 5, 1));
  EXPECT_FALSE(marrowleaf::IsConflictCopyOf("5_1 (conflicted copy 2026-12-08 101530).txt", 5, 0));
  EXPECT_FALSE(marrowleaf::IsConflictCopyOf("15_1 (conflicted copy).txt", 5, 1));
}

TEST_F(MonthListing, OnlyRegularFilesAndLinksToThemCount) {
  std::filesystem::create_directory(month + "/9_0.txt");
  ASSERT_EQ(::mkfifo((month + "/10_0.txt").c_str(), 0600), 0);
  File("target");
  std::filesystem::create_symlink("target", month + "/11_0.txt");
  std::filesystem::create_symlink("missing", month + "/12_0.txt");
  std::filesystem::create_symlink("9_0.txt", month + "/13_0.txt");
  EXPECT_EQ(DaysWithEntries(dir.path(), 2004, 3, 1), 1u << 11);
}

TEST_F(MonthListing, AMissingOrUnusableFolderHasNoDays) {
  EXPECT_EQ(DaysWithEntries(dir.path(), 2004, 4, 1), 0u);
  EXPECT_EQ(DaysWithEntries(dir / "nowhere", 2004, 3, 1), 0u);
  testutil::WriteFile(dir / "2005", "a file where the year folder should be");
  EXPECT_EQ(DaysWithEntries(dir.path(), 2005, 3, 1), 0u);
}

}  // namespace

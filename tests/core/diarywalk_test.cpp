// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/diarywalk.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "testutil.h"

namespace {

using namespace marrowleaf;
using Reason = Skipped::Reason;

// What the walk makes of a name in the diary folder.
enum class Is { kEntry, kNoEntry, kSkipped };

struct Row {
  const char* name;
  Is is;
  Reason reason;     // of a skipped one
  const char* text;  // of an entry: what it holds
};

// One diary holding every kind of name, with two tabs.
class Walk : public ::testing::Test {
 protected:
  testutil::TempDir dir;
  std::atomic<bool> cancelled{false};

  void Put(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(dir / name).parent_path());
    testutil::WriteFile(dir / name, bytes);
  }
  // Every entry the walk hands on, "2004-3-7_0:text", in the walk's order.
  std::vector<std::string> Walked(const DiaryWalk& walk) {
    std::vector<std::string> out;
    walk.Map<std::vector<std::string>>(
        [&](const Month& month) {
          std::vector<std::string> seen;
          walk.ReadMonth(month, [&](const WalkedEntry& entry) {
            seen.push_back(std::to_string(entry.key.year) + '-' + std::to_string(entry.key.month) +
                           '-' + std::to_string(entry.key.day) + '_' +
                           std::to_string(entry.key.tab) + ':' + entry.Shown().toStdString());
          });
          return seen;
        },
        [&](std::vector<std::string>& seen) {
          out.insert(out.end(), seen.begin(), seen.end());
          return true;
        });
    return out;
  }
};

TEST_F(Walk, EveryReaderMeetsTheSameEntriesAndHearsWhatWasPassedOver) {
  const Row rows[] = {
      {"2004/2/29_0.txt", Is::kEntry, {}, "leap day"},
      {"2005/2/29_0.txt", Is::kNoEntry, {}, nullptr},  // 2005 has no 29 February
      {"2004/2/30_0.txt", Is::kNoEntry, {}, nullptr},
      {"2004/4/31_1.txt", Is::kNoEntry, {}, nullptr},
      {"2004/3/7_0.txt", Is::kEntry, {}, "first tab"},
      {"2004/3/7_1.txt", Is::kEntry, {}, "second tab"},
      {"2004/3/7_2.txt", Is::kNoEntry, {}, nullptr},  // beyond the tab count
      {"2004/3/8_0.sync-conflict-20040308-101530-ABCDEFG.txt", Is::kNoEntry, {}, nullptr},
      {"2004/3/13_0.txt", Is::kEntry, {}, "text"},  // what follows its NUL is no text
      {"2004/3/9_0.txt", Is::kSkipped, Reason::kNotAFile, nullptr},   // a folder
      {"2004/3/10_0.txt", Is::kSkipped, Reason::kNotAFile, nullptr},  // a FIFO
      {"2004/3/11_0.txt", Is::kSkipped, Reason::kNotAFile, nullptr},  // a link to /dev/zero
      {"2004/3/12_0.txt", Is::kSkipped, Reason::kTooLarge, nullptr},
      {".history/2004/3/7_0/20040307-101010.000000Z-abcdefghij.txt", Is::kNoEntry, {}, nullptr},
      {"templates/all.txt", Is::kNoEntry, {}, nullptr},
  };
  for (const Row& row : rows) Put(row.name, row.is == Is::kEntry ? row.text : "x");
  Put("2004/3/13_0.txt", std::string("text\0remains of a longer text", 30));
  std::filesystem::remove(dir / "2004/3/9_0.txt");
  std::filesystem::create_directory(dir / "2004/3/9_0.txt");
  std::filesystem::remove(dir / "2004/3/10_0.txt");
  ASSERT_EQ(::mkfifo((dir / "2004/3/10_0.txt").c_str(), 0600), 0);
  std::filesystem::remove(dir / "2004/3/11_0.txt");
  std::filesystem::create_symlink("/dev/zero", dir / "2004/3/11_0.txt");
  ASSERT_EQ(::truncate((dir / "2004/3/12_0.txt").c_str(), kEntrySizeLimit + 1), 0);

  const DiaryWalk walk(dir.path(), EveryEntry(2, Order::kOldestFirst), cancelled);
  EXPECT_EQ(Walked(walk), (std::vector<std::string>{"2004-2-29_0:leap day", "2004-3-7_0:first tab",
                                                    "2004-3-7_1:second tab", "2004-3-13_0:text"}));
  std::map<std::string, Reason> skipped;
  for (const Skipped& s : walk.Skips()) {
    skipped[s.path.substr(dir.path().size() + 1)] = s.reason;
  }
  std::map<std::string, Reason> expected;
  for (const Row& row : rows) {
    if (row.is == Is::kSkipped) expected[row.name] = row.reason;
  }
  EXPECT_EQ(skipped, expected);
  EXPECT_EQ(walk.SkipCount(), expected.size());
  // The calendar marks the names that are entries (a regular file too large to read included).
  EXPECT_EQ(ListMonth(dir.path(), 2004, 2, 2).entries, 1u << 29);
  EXPECT_EQ(ListMonth(dir.path(), 2004, 3, 2).entries, (1u << 7) | (1u << 12) | (1u << 13));
  EXPECT_EQ(ListMonth(dir.path(), 2005, 2, 2).entries, 0u);
  // One entry by name, by the same rules.
  EXPECT_EQ(ReadOneEntry(dir.path(), {2004, 3, 13, 0}).Text(), "text");
  EXPECT_FALSE(ReadOneEntry(dir.path(), {2004, 2, 30, 0}).exists);
  const EntryBytes fifo = ReadOneEntry(dir.path(), {2004, 3, 10, 0});
  EXPECT_TRUE(fifo.exists && !fifo.read);
  EXPECT_EQ(fifo.skipped.reason, Reason::kNotAFile);
}

TEST_F(Walk, NewestFirstTheUnsavedTextStandsForItsEntryAndACancelStopsIt) {
  for (int month = 1; month <= 12; ++month) {
    Put("2004/" + std::to_string(month) + "/1_1.txt", "one");
    Put("2004/" + std::to_string(month) + "/2_0.txt", "two");
  }
  const UnsavedEntry typed{{2004, 12, 1, 1}, QStringLiteral("typed")};
  const UnsavedEntry fresh{{2030, 6, 5, 0}, QStringLiteral("fresh")};
  const auto first = [&](const UnsavedEntry* unsaved, size_t n) {
    const DiaryWalk walk(dir.path(), EveryEntry(2, Order::kNewestFirst, unsaved), cancelled);
    std::vector<std::string> all = Walked(walk);
    all.resize(std::min(all.size(), n));
    return all;
  };
  EXPECT_EQ(first(&typed, 3),
            (std::vector<std::string>{"2004-12-2_0:two", "2004-12-1_1:typed", "2004-11-2_0:two"}));
  EXPECT_EQ(first(&fresh, 2), (std::vector<std::string>{"2030-6-5_0:fresh", "2004-12-2_0:two"}));
  // Stopped by its reader after the second month, and cancelled before it starts.
  const DiaryWalk walk(dir.path(), EveryEntry(2), cancelled);
  int months = 0;
  walk.Map<int>([](const Month&) { return 1; }, [&](int&) { return ++months < 2; });
  EXPECT_EQ(months, 2);
  cancelled = true;
  EXPECT_TRUE(Walked(DiaryWalk(dir.path(), EveryEntry(2), cancelled)).empty());
}

TEST(UnprivilegedWalk, AFolderThatCannotBeListedAndAnEntryThatCannotBeReadAreNamed) {
  REQUIRE_UNPRIVILEGED();
  testutil::TempDir dir;
  std::filesystem::create_directories(dir / "2004/3");
  std::filesystem::create_directories(dir / "2005/1");
  testutil::WriteFile(dir / "2004/3/7_0.txt", "locked");
  testutil::WriteFile(dir / "2004/3/8_0.txt", "open");
  ::chmod((dir / "2004/3/7_0.txt").c_str(), 0);
  ::chmod((dir / "2005/1").c_str(), 0);
  const std::atomic<bool> cancelled{false};
  const DiaryWalk walk(dir.path(), EveryEntry(1, Order::kOldestFirst), cancelled);
  int read = 0;
  for (const Month& month : walk.Months()) {
    walk.ReadMonth(month, [&](const WalkedEntry& entry) { read += entry.text == "open"; });
  }
  EXPECT_EQ(read, 1);
  std::vector<std::pair<std::string, Reason>> skipped;
  for (const Skipped& s : walk.Skips()) skipped.emplace_back(s.path, s.reason);
  EXPECT_EQ(skipped, (std::vector<std::pair<std::string, Reason>>{
                         {dir / "2004/3/7_0.txt", Reason::kUnreadable},
                         {dir / "2005/1", Reason::kUnlisted}}));
}

}  // namespace

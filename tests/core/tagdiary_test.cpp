// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/tags/tagdiary.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "entries/history.h"
#include "testutil.h"
#include "text/tags.h"

namespace {

using namespace marrowleaf;

class TagDiary : public ::testing::Test {
 protected:
  void Entry(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(dir / name).parent_path());
    testutil::WriteFile(dir / name, bytes);
  }
  std::string Read(const std::string& name) { return testutil::ReadFile(dir / name); }
  static std::vector<std::string> Rows(const TagTallies& tallies) {
    std::vector<std::string> out;
    for (const DiaryTag& t : TagRows(tallies)) {
      out.push_back(t.shown.toStdString() + " " + std::to_string(t.entries));
    }
    return out;
  }
  std::vector<std::string> Rows(const UnsavedEntry* unsaved = nullptr) {
    return Rows(ListDiaryTags(
        DiaryWalk(dir.path(), EveryEntry(2, Order::kNewestFirst, unsaved), cancelled)));
  }
  testutil::TempDir dir;
  std::atomic<bool> cancelled{false};
};

TEST_F(TagDiary, EveryTagIsListedWithTheEntriesHoldingItInTheFormWrittenMost) {
  Entry("2026/3/1_0.txt", std::string("#river and # Heading, #fff, C#\0#old", 35));
  Entry("2026/3/2_0.txt", "#River #river #trip/kyoto");
  Entry("2026/3/2_1.txt", "\x81u#\x93\xfa\x8bL\x81v");  // Shift-JIS 「#日記」
  Entry("2026/3/2_5.txt", "#beyond the tabs");
  Entry(".history/2026/3/2_0/20260302-101010.000000Z-abcdefghij.txt", "#history");
  EXPECT_EQ(Rows(), (std::vector<std::string>{"river 2", "trip/kyoto 1", "日記 1"}));
  const UnsavedEntry typed{{2026, 4, 1, 0}, QStringLiteral("#Typed")};
  EXPECT_EQ(Rows(&typed),
            (std::vector<std::string>{"river 2", "trip/kyoto 1", "Typed 1", "日記 1"}));
}

// A tag's list holds the entries of the tags nested under it, and its count says so.
TEST_F(TagDiary, ATagCountsTheEntriesItsListShowsWithThoseOfItsNestedTags) {
  Entry("2026/3/1_0.txt", "#trip to the sea");
  Entry("2026/3/2_0.txt", "#trip/kyoto and #trip/kyoto/gion");
  Entry("2026/3/3_0.txt", "#Trip/Lisbon, #trip");
  Entry("2026/3/4_0.txt", "#tripod, #walk/park");
  std::vector<std::string> rows;
  for (const DiaryTag& t :
       TagRows(ListDiaryTags(DiaryWalk(dir.path(), EveryEntry(1), cancelled)))) {
    rows.push_back(t.key.toStdString() + " " + std::to_string(t.entries) + "/" +
                   std::to_string(t.listed));
  }
  // "walk" is never written alone: no row of its own.
  EXPECT_EQ(rows, (std::vector<std::string>{"trip 2/3", "trip/kyoto 1/1", "trip/kyoto/gion 1/1",
                                            "trip/lisbon 1/1", "tripod 1/1", "walk/park 1/1"}));
}

TEST_F(TagDiary, TheNewestThreeMonthsAreHeardFirstThenTheWholeDiary) {
  for (int month = 10; month <= 12; ++month) {
    Entry("2025/" + std::to_string(month) + "/1_0.txt", "#monthly");
  }
  Entry("2025/9/30_0.txt", "#older #Monthly");
  std::vector<std::vector<std::string>> early;
  const TagTallies all = ListDiaryTags(DiaryWalk(dir.path(), EveryEntry(2), cancelled),
                                       [&](const TagTallies& t) { early.push_back(Rows(t)); });
  EXPECT_EQ(early, (std::vector<std::vector<std::string>>{{"monthly 3"}}));
  EXPECT_EQ(Rows(all), (std::vector<std::string>{"monthly 4", "older 1"}));
}

TEST_F(TagDiary, ARenameChangesOnlyTheTagsAndRenamingBackGivesTheEarlierBytes) {
  const std::string first("went up the #river.\r\n#River/source\0remains", 42);
  const std::string second = "#River, no NUL";
  const std::string sjis = "#river \x93\xfa\x8bL";  // Shift-JIS stays Shift-JIS
  Entry("2026/3/1_0.txt", first);
  Entry("2026/3/2_0.txt", second);
  Entry("2026/3/3_0.txt", sjis);
  Entry("2026/3/4_0.txt", "#river, typed over in the window");
  Entry("2026/3/5_0.txt", "#river changed behind the rename's back");
  TagRenamePlan plan =
      PlanTagRename(DiaryWalk(dir.path(), EveryEntry(1, Order::kOldestFirst), cancelled),
                    QStringLiteral("river"), QStringLiteral("river"), QStringLiteral("stream"));
  ASSERT_EQ(plan.entries.size(), 5u);
  Entry("2026/3/5_0.txt", "#river, another program's text");
  // The fourth is held unsaved in the window, the fifth changed behind the rename's back.
  const auto shownModified = [](const EntryKey& key) { return key.day == 4; };
  std::vector<BulkResult> results;
  for (const BulkChange& entry : plan.entries) {
    results.push_back(WriteInBulk(dir.path(), entry, shownModified).result);
  }
  EXPECT_EQ(results, (std::vector<BulkResult>{BulkResult::kChanged, BulkResult::kChanged,
                                              BulkResult::kChanged, BulkResult::kLeftShown,
                                              BulkResult::kChangedMeanwhile}));
  EXPECT_EQ(Read("2026/3/1_0.txt"),
            std::string("went up the #stream.\r\n#Stream/source\0remains", 44));
  EXPECT_EQ(Read("2026/3/2_0.txt"), "#Stream, no NUL");
  EXPECT_EQ(Read("2026/3/3_0.txt"), "#stream \x93\xfa\x8bL");
  EXPECT_EQ(Read("2026/3/5_0.txt"), "#river, another program's text");
  const std::vector<Version> versions = ListVersions(dir.path(), {2026, 3, 1, 0});
  ASSERT_EQ(versions.size(), 1u);
  EXPECT_EQ(ReadVersion(versions[0].path), first);

  plan = PlanTagRename(DiaryWalk(dir.path(), EveryEntry(1), cancelled), QStringLiteral("stream"),
                       QStringLiteral("stream"), QStringLiteral("river"));
  for (const BulkChange& entry : plan.entries) {
    EXPECT_EQ(WriteInBulk(dir.path(), entry, {}).result, BulkResult::kChanged);
  }
  EXPECT_EQ(Read("2026/3/1_0.txt"), first);
  EXPECT_EQ(Read("2026/3/2_0.txt"), second);
  EXPECT_EQ(Read("2026/3/3_0.txt"), sjis);
}

TEST(TagRename, EachTagKeepsItsCaseAndANestedTagMovesWithItsParent) {
  const struct {
    const char* text;
    const char* shown;
    const char* to;
    const char* out;
  } rows[] = {
      {"#river #River #RIVER #rIver", "river", "stream", "#stream #Stream #STREAM #stream"},
      {"#River #river", "River", "Stream", "#Stream #stream"},
      {"#river #River", "river", "River", "#River #River"},  // a change of case alone
      {"#river/kyoto #rivers river #river", "river", "nature/river",
       "#nature/river/kyoto #rivers river #nature/river"},
      {"#日記 #日記/旅", "日記", "diary", "#diary #diary/旅"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    const QString shown = QString::fromUtf8(row.shown);
    EXPECT_EQ(
        RenameTag(QString::fromUtf8(row.text), TagKey(shown), shown, QString::fromUtf8(row.to))
            .toStdString(),
        row.out);
  }
}

}  // namespace

// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/search/search.h"

#include <gtest/gtest.h>

#include "entrysamples.h"
#include "testutil.h"

namespace {

using namespace marrowleaf;

// Each row: the query, an entry's text as the text area shows it, and whether it matches.
TEST(Search, EveryWordOfTheQueryMustOccur) {
  const struct {
    const char* query;
    const char* text;
    bool found;
  } rows[] = {
      {"rain walk", "A walk in the rain.", true},      // any order
      {"rain snow", "A walk in the rain.", false},     // AND
      {"\"the rain\"", "A walk in the rain.", true},   // a phrase
      {"\"rain the\"", "A walk in the rain.", false},  // a phrase keeps its order
      {"\"in the", "A walk in the rain.", true},       // an unclosed quote runs to the end
      {"WALK", "a walk", true},                        // ASCII case
      {"ärger", "ÄRGER im Büro", true},                // beyond ASCII
      {"σοφία", "ΣΟΦΊΑ", true},                        // Greek
      {"雨", "今日は雨でした", true},                  // Japanese substrings
      {"雨の散歩", "今日は雨でした", false},
      {"", "anything", false},  // an empty query finds nothing
      {"   ", "anything", false},
      {"\"\n\nb", "a\n\nb", true},  // a phrase that begins with a line break
      // The quotation marks of the user's language make a phrase as ASCII ones do.
      {"„walked along“", "We walked along the river.", true},
      {"„along walked“", "We walked along the river.", false},
      {"“walked along”", "We walked along the river.", true},
      {"«walked along»", "We walked along the river.", true},
      {"»along walked«", "We walked along the river.", false},
      {"「雨の日」", "今日は雨の日でした", true},
      {"‚walked along‘ river", "We walked along the river.", true},
      {"‘along walked’", "We walked along the river.", false},
      {"‹walked along›", "We walked along the river.", true},
      // A single mark inside a word is an apostrophe, in the query and in the phrase.
      {"don’t", "I don’t know", true},
      {"‘don’t know’", "I don’t know", true},
      {"‘know don’t’", "I don’t know", false},
      {"geht‘s", "Wie geht‘s?", true},
      {"\"\n\nb", "a\n\nb", true},        // a phrase that begins with a line break
      {"#trip", "A #Trip.", true},        // a tag: its own, in any case
      {"#trip", "on #trip/kyoto", true},  // and those nested under it
      {"#trip", "#tripod, a trip, C#trip", false},
      {"#trip walk", "a walk\n#trip", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.query);
    const TextMatch match =
        MatchText(QString::fromUtf8(row.text), ParseQuery(QString::fromUtf8(row.query)));
    EXPECT_EQ(match.found, row.found);
    if (match.found) {
      EXPECT_LE(match.lineStart, match.start);
      EXPECT_LE(match.lineStart + match.lineLength, QString::fromUtf8(row.text).size());
    }
  }
  const TextMatch match = MatchText(QStringLiteral("first line\nthe rain, and rain\nlast"),
                                    ParseQuery(QStringLiteral("rain")));
  EXPECT_EQ(match.start, 15);
  EXPECT_EQ(match.lineStart, 11);
  EXPECT_EQ(match.lineLength, 18);
  EXPECT_EQ(match.marks, (std::vector<std::pair<qsizetype, qsizetype>>{{4, 4}, {14, 4}}));
  const TextMatch tag = MatchText(QStringLiteral("#tripod\nby #Trip/kyoto and #trip."),
                                  ParseQuery(QStringLiteral("#trip")));
  EXPECT_EQ(tag.start, 11);
  EXPECT_EQ(tag.length, 11);
  EXPECT_EQ(tag.marks, (std::vector<std::pair<qsizetype, qsizetype>>{{3, 11}, {19, 5}}));
}

// A message that quotes the query quotes it once: the marks around a lone phrase are dropped.
TEST(Search, AMessageQuotesTheQueryOnce) {
  const struct {
    const char* query;
    const char* shown;
  } rows[] = {
      {"„walked along“", "walked along"},
      {" \"walked along\" ", "walked along"},
      {"「雨の日」", "雨の日"},
      {"walked along", "walked along"},
      {"„a“ „b“", "„a“ „b“"},
      {"„a“ b", "„a“ b"},
      {"‘don’t’", "don’t"},
      {"\"", "\""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.query);
    EXPECT_EQ(WithoutOuterQuotes(QString::fromUtf8(row.query)).toStdString(), row.shown);
  }
}

// The whole diary: only its entries, each decoded as the window does, newest first.
TEST(Search, TheDiaryIsSearchedEntryByEntryNewestFirst) {
  testutil::TempDir dir;
  const auto entry = [&](const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(dir / name).parent_path());
    testutil::WriteFile(dir / name, bytes);
  };
  entry("2004/3/7_0.txt", std::string("walk in the park\0", 17));
  entry("2004/12/25_1.txt", "Christmas walk\r\nsecond line");
  entry("2026/1/2_0.txt", std::string("no\0walk after the NUL", 21));
  entry("2026/1/2_5.txt", "walk in a tab beyond the tab count");
  entry("2026/1/3_0.txt.bak", "walk in no entry");
  entry("2026/01/4_0.txt", "walk in a folder that is no month");
  entry(".history/2026/1/2_0/20260102-101010.000000Z-abcdefghij.txt", "walk kept in history");
  entry("2026/1/5_0.sync-conflict-20260105-101010-ABCDEFG.txt", "walk in a conflict copy");
  entry("2010/6/1_0.txt", entrysamples::kShiftJis);  // Shift-JIS: 日記：かな、...
  entry("2011/6/1_2.txt", "caf\xe9 au lait");        // Latin-1
  const auto keys = [&](const char* query, const UnsavedEntry* unsaved = nullptr) {
    std::vector<std::string> out;
    std::atomic<bool> cancelled{false};
    const DiaryWalk walk(dir.path(), EveryEntry(3, Order::kNewestFirst, unsaved), cancelled);
    SearchDiary(walk, ParseQuery(QString::fromUtf8(query)), [&](const SearchHit& hit) {
      out.push_back(std::to_string(hit.key.year) + '-' + std::to_string(hit.key.month) + '-' +
                    std::to_string(hit.key.day) + '_' + std::to_string(hit.key.tab) +
                    (hit.unsaved ? "*:" : ":") + hit.line.toStdString());
    });
    return out;
  };
  EXPECT_EQ(keys("walk"), (std::vector<std::string>{"2004-12-25_1:Christmas walk",
                                                    "2004-3-7_0:walk in the park"}));
  EXPECT_EQ(keys("漢字"),
            (std::vector<std::string>{"2010-6-1_0:日記：かな、カタカナ、ｶﾀｶﾅ、漢字。表示ソ"}));
  EXPECT_EQ(keys("CAFÉ"), (std::vector<std::string>{"2011-6-1_2:café au lait"}));
  EXPECT_TRUE(keys("\"second line\" christmas").size() == 1);
  // The text on screen stands for its entry, saved or not, even where no folder is yet.
  const UnsavedEntry typed{{2004, 3, 7, 0}, QStringLiteral("a walk\nby the river")};
  EXPECT_EQ(keys("river", &typed), (std::vector<std::string>{"2004-3-7_0*:by the river"}));
  EXPECT_EQ(keys("park", &typed), std::vector<std::string>{});
  const UnsavedEntry fresh{{2030, 1, 1, 2}, QStringLiteral("river")};
  EXPECT_EQ(keys("river", &fresh), (std::vector<std::string>{"2030-1-1_2*:river"}));
  std::atomic<bool> cancelled{false};
  int hits = 0;

  // Many months, scanned on several cores, still come newest first, each once; a search
  // cancelled from its own results ends there.
  std::vector<std::string> expected;
  for (int year = 1993; year >= 1990; --year) {
    for (int month = 12; month >= 1; --month) {
      const std::string day = std::to_string(year) + '-' + std::to_string(month) + "-9_0";
      entry(std::to_string(year) + '/' + std::to_string(month) + "/9_0.txt", "hike " + day);
      expected.push_back(day + ":hike " + day);
    }
  }
  EXPECT_EQ(keys("hike"), expected);
  const DiaryWalk walk(dir.path(), EveryEntry(3), cancelled);
  SearchDiary(walk, ParseQuery(QStringLiteral("hike")),
              [&](const SearchHit&) { cancelled = ++hits == 5; });
  EXPECT_EQ(hits, 5);
}

}  // namespace

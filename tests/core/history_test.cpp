// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/history.h"

#include <gtest/gtest.h>

#include <set>

#include "entries/drafts.h"
#include "testutil.h"

namespace {

using namespace marrowleaf;
using testutil::ReadFile;
using testutil::TempDir;
using testutil::WriteFile;

const EntryKey kKey{2004, 3, 7, 1};

std::vector<std::string> VersionBytes(const std::string& saveDir) {
  std::vector<std::string> out;
  for (const Version& v : ListVersions(saveDir, kKey)) out.push_back(ReadVersion(v.path));
  return out;
}

// Each row: the texts saved one after another over an entry that held `first`, and the versions
// kept afterwards, newest first (whole files, the NUL included).
TEST(History, ASaveKeepsTheBytesItReplacesWhenTheyDiffer) {
  const struct {
    const char* what;
    std::string first;
    std::vector<std::string> saves;
    std::vector<std::string> versions;
  } rows[] = {
      {"a changed save keeps the old bytes",
       std::string("old\0", 4),
       {"new"},
       {std::string("old\0", 4)}},
      {"an equal save keeps nothing", std::string("same\0", 5), {"same"}, {}},
      {"an empty entry has nothing to keep", "", {"first"}, {}},
      {"the remains after the NUL are kept too",
       std::string("ab\0cdef\0", 8),
       {"xyz"},
       {std::string("ab\0cdef\0", 8)}},
      {"each text in turn",
       "",
       {"one", "two", "three"},
       {std::string("two\0", 4), std::string("one\0", 4)}},
      {"back and forth keeps each replaced text",
       std::string("a\0", 2),
       {"b", "a"},
       {std::string("b\0", 2), std::string("a\0", 2)}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    TempDir dir;
    ASSERT_TRUE(CreateMissingEntry(dir.path(), kKey));
    WriteFile(EntryPath(dir.path(), kKey), row.first);
    for (const std::string& text : row.saves) {
      const EntrySave save = SaveEntryKeepingHistory(dir.path(), kKey, text);
      EXPECT_TRUE(save.entry.ok && save.version.ok) << save.entry.error << save.version.error;
    }
    EXPECT_EQ(VersionBytes(dir.path()), row.versions);
    EXPECT_EQ(ReadFile(EntryPath(dir.path(), kKey)), row.saves.back() + '\0');
  }
}

TEST(History, VersionsArePrivateAndTheNewestEqualIsNotKeptTwice) {
  TempDir dir;
  EXPECT_TRUE(KeepVersion(dir.path(), kKey, "x").ok);
  EXPECT_TRUE(KeepVersion(dir.path(), kKey, "x").ok);  // the bytes an editor is handed, twice
  ASSERT_EQ(ListVersions(dir.path(), kKey).size(), 1u);
  EXPECT_EQ(testutil::Mode(dir / ".history"), 0700u);
  EXPECT_EQ(testutil::Mode(HistoryFolder(dir.path(), kKey)), 0700u);
  EXPECT_EQ(testutil::Mode(ListVersions(dir.path(), kKey).front().path), 0600u);
  // Files that are no versions (a save under way, the user's own notes) are not listed.
  WriteFile(HistoryFolder(dir.path(), kKey) + "/.20261208-101530.000000Z-abcdefghij.txt.saving",
            "t");
  WriteFile(HistoryFolder(dir.path(), kKey) + "/notes.txt", "mine");
  EXPECT_EQ(ListVersions(dir.path(), kKey).size(), 1u);
}

TEST(History, The51stSaveRemovesTheOldest) {
  TempDir dir;
  CreateMissingEntry(dir.path(), kKey);
  ::chmod(EntryPath(dir.path(), kKey).c_str(), 0644);  // made by another program
  for (size_t i = 0; i <= kHistoryLimit + 1; ++i) {
    ASSERT_TRUE(SaveEntryKeepingHistory(dir.path(), kKey, "text " + std::to_string(i)).entry.ok);
  }
  const std::vector<std::string> kept = VersionBytes(dir.path());
  ASSERT_EQ(kept.size(), kHistoryLimit);
  EXPECT_EQ(kept.front(), "text " + std::to_string(kHistoryLimit) + '\0');
  EXPECT_EQ(kept.back(), std::string("text 1") + '\0');  // "text 0" was the oldest
  for (const Version& v : ListVersions(dir.path(), kKey)) EXPECT_EQ(testutil::Mode(v.path), 0600u);
  EXPECT_EQ(testutil::Mode(EntryPath(dir.path(), kKey)), 0644u);
}

TEST(History, NamesSortByTimeAndNeverCollide) {
  std::set<std::string> names;
  for (int i = 0; i < 20000; ++i) names.insert(VersionName(1796724930123456));  // one microsecond
  EXPECT_EQ(names.size(), 20000u);
  EXPECT_EQ(names.begin()->substr(0, 24), "20261208-101530.123456Z-");
  const int64_t times[] = {999999, 1000000, 86400000000, 1796724930123456, 253402300799999999};
  for (size_t i = 1; i < std::size(times); ++i) {
    EXPECT_LT(VersionName(times[i - 1]), VersionName(times[i])) << times[i];
  }
  TempDir dir;
  for (const int64_t t : times) {
    MakePrivateDirectories(HistoryFolder(dir.path(), kKey));
    WriteFile(HistoryFolder(dir.path(), kKey) + '/' + VersionName(t), "v");
  }
  const std::vector<Version> listed = ListVersions(dir.path(), kKey);
  ASSERT_EQ(listed.size(), std::size(times));
  for (size_t i = 0; i < listed.size(); ++i) {
    EXPECT_EQ(listed[i].microsUtc, times[std::size(times) - 1 - i]);
  }
}

// Drafts: one per entry, named from its path, whole or absent, found again by the entry.
TEST(Drafts, ADraftIsNamedFromItsEntryAndFoundAgainUntilRemoved) {
  TempDir dir;
  const std::string drafts = dir / "data/drafts";
  const struct {
    std::string entry;
    std::string bytes;
  } rows[] = {{"/home/a/diary/2026/12/8_0.txt", std::string("typed\r\ntext", 11)},
              {"/home/b/diary/2026/12/8_0.txt", "another diary, same day"},
              {"/d/\xe6\x97\xa5 \xff/2004/3/7_2.txt", std::string("bytes\0kept", 10)}};
  for (const auto& row : rows) {
    EXPECT_EQ(DraftName(row.entry).rfind(row.entry.substr(row.entry.rfind('/') + 1) + '-', 0), 0u);
    ASSERT_TRUE(WriteDraft(drafts, row.entry, row.bytes).ok);
  }
  EXPECT_NE(DraftName(rows[0].entry), DraftName(rows[1].entry));  // same day, other diaries
  EXPECT_EQ(testutil::Mode(drafts), 0700u);
  WriteFile(drafts + "/notes.draft", "/elsewhere/1_0.txt\nnot under its own name");
  // A draft an earlier version named by another hash of its path is still the entry's draft,
  // until the entry's next draft or save takes its place.
  const std::string older = "/home/c/diary/2026/12/9_0.txt";
  WriteFile(drafts + "/9_0.txt-6bf92c364fdc2fae.draft", older + "\nolder draft");
  EXPECT_EQ(FindDraft(drafts, older).bytes, "older draft");
  EXPECT_EQ(ListDrafts(drafts).size(), std::size(rows) + 1);
  ASSERT_TRUE(WriteDraft(drafts, older, "renamed").ok);
  EXPECT_EQ(ListDrafts(drafts).size(), std::size(rows) + 1);
  RemoveDraft(drafts, older);
  const std::vector<Draft> all = ListDrafts(drafts);
  ASSERT_EQ(all.size(), std::size(rows));
  for (const auto& row : rows) {
    const Draft found = FindDraft(drafts, row.entry);
    EXPECT_EQ(found.bytes, row.bytes);
    EXPECT_EQ(found.entryPath, row.entry);
    EXPECT_EQ(testutil::Mode(found.path), 0600u);
  }
  ASSERT_TRUE(WriteDraft(drafts, rows[0].entry, "newer").ok);  // replaced whole
  EXPECT_EQ(FindDraft(drafts, rows[0].entry).bytes, "newer");
  RemoveDraft(drafts, rows[0].entry);
  EXPECT_TRUE(FindDraft(drafts, rows[0].entry).path.empty());
  EXPECT_EQ(ListDrafts(drafts).size(), std::size(rows) - 1);
  // A changed text has its draft; typed back to what the entry holds, it has none.
  const std::string entry = rows[1].entry;
  ASSERT_TRUE(UpdateDraft(drafts, entry, "typed", HashBytes("saved")).ok);
  EXPECT_EQ(FindDraft(drafts, entry).bytes, "typed");
  ASSERT_TRUE(UpdateDraft(drafts, entry, "saved", HashBytes("saved")).ok);
  EXPECT_TRUE(FindDraft(drafts, entry).path.empty());
}

}  // namespace

// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/entryfiles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "entries/history.h"
#include "testutil.h"
#include "text/dates.h"

using namespace marrowleaf;
using testutil::ReadFile;
using testutil::TempDir;
using testutil::WriteFile;

namespace {

TEST(EntryReading, TextEndsAtTheFirstNul) {
  const struct {
    const char* what;
    std::string bytes;
    std::string text;
  } cases[] = {
      {"empty file", "", ""},
      {"no NUL", "whole\r\nfile", "whole\r\nfile"},
      {"NUL then remains", std::string("ab\0def\0", 7), "ab"},
      {"NUL first", std::string("\0abc", 4), ""},
      {"high bytes", "\x82\xa0\xff", "\x82\xa0\xff"},
  };
  TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(dir / "e.txt", c.bytes);
    const EntryRead r = ReadEntryFile(dir / "e.txt");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.text, c.text);
  }
}

TEST(EntryReading, WhatIsNotAnOpenableRegularFileDoesNotLoad) {
  TempDir dir;
  std::filesystem::create_directory(dir / "dir.txt");
  ASSERT_EQ(::mkfifo((dir / "fifo.txt").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", dir / "dev.txt");
  for (const char* name : {"missing.txt", "dir.txt", "fifo.txt", "dev.txt"}) {
    SCOPED_TRACE(name);
    const EntryRead r = ReadEntryFile(dir / name);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
  }
}

TEST(EntryLocking, AnEntryLockedByAnotherCopyNeitherLoadsNorSaves) {
  TempDir dir;
  WriteFile(dir / "e.txt", std::string("old\0", 4));
  const int other = ::open((dir / "e.txt").c_str(), O_RDWR);
  ASSERT_GE(other, 0);
  ASSERT_EQ(::flock(other, LOCK_EX), 0);
  EXPECT_FALSE(ReadEntryFile(dir / "e.txt").ok);
  const SaveOutcome saved = WriteEntryFile(dir / "e.txt", "new");
  EXPECT_FALSE(saved.ok);
  EXPECT_NE(saved.error.find("in use"), std::string::npos);
  ::close(other);
  EXPECT_EQ(ReadFile(dir / "e.txt"), std::string("old\0", 4));
  EXPECT_TRUE(ReadEntryFile(dir / "e.txt").ok);
}

TEST(EntryWriting, SaveWritesTextAndNulAndLoadShowsOnlyTheNewText) {
  TempDir dir;
  WriteFile(dir / "e.txt", std::string("abcdef\0", 7));
  ::chmod((dir / "e.txt").c_str(), 0604);
  const SaveOutcome saved = WriteEntryFile(dir / "e.txt", "ab");
  ASSERT_TRUE(saved.ok) << saved.error;
  // The file is replaced whole, so the remains of the longer text are gone.
  EXPECT_EQ(ReadFile(dir / "e.txt"), std::string("ab\0", 3));
  EXPECT_EQ(ReadEntryFile(dir / "e.txt").text, "ab");
  EXPECT_EQ(testutil::Mode(dir / "e.txt"), 0604u);
  EXPECT_EQ(testutil::EntryCount(dir.path()), 1u);
}

TEST(EntryWriting, SaveNeedsAnExistingRegularFile) {
  TempDir dir;
  std::filesystem::create_directory(dir / "dir.txt");
  ASSERT_EQ(::mkfifo((dir / "fifo.txt").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/null", dir / "dev.txt");
  for (const char* name : {"missing.txt", "dir.txt", "fifo.txt", "dev.txt"}) {
    SCOPED_TRACE(name);
    const SaveOutcome saved = WriteEntryFile(dir / name, "text");
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find(name), std::string::npos);
  }
  EXPECT_FALSE(testutil::Exists(dir / "missing.txt"));
  struct stat st {};
  ASSERT_EQ(::stat((dir / "fifo.txt").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  ASSERT_EQ(::stat("/dev/null", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));
  EXPECT_EQ(testutil::EntryCount(dir.path()), 3u);
}

TEST(EntryWriting, ASymlinkedEntryIsWrittenThroughToItsTargetOnlyInsideTheDiary) {
  TempDir dir;
  TempDir elsewhere;
  WriteFile(dir / "target.txt", std::string("old\0", 4));
  std::filesystem::create_symlink("target.txt", dir / "e.txt");
  ASSERT_TRUE(WriteEntryFile(dir / "e.txt", "new").ok);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "e.txt"));
  EXPECT_EQ(ReadFile(dir / "target.txt"), std::string("new\0", 4));
  // The diary reached through a link of its own: the same entries, none of them leaving it.
  std::filesystem::create_symlink(dir.path(), elsewhere / "diary");
  EXPECT_FALSE(EntryLeavesDiary(elsewhere / "diary", elsewhere / "diary/e.txt"));
  EXPECT_FALSE(EntryLeavesDiary(dir.path(), dir / "target.txt"));
  // An entry linked out of the diary is never saved through.
  const EntryKey key{2004, 3, 7, 0};
  WriteFile(elsewhere / "out.txt", std::string("outside\0", 8));
  ASSERT_TRUE(CreateMissingEntry(dir.path(), {2004, 3, 8, 0}));
  std::filesystem::create_symlink(elsewhere / "out.txt", EntryPath(dir.path(), key));
  EXPECT_TRUE(EntryLeavesDiary(elsewhere / "diary", EntryPath(elsewhere / "diary", key)));
  EXPECT_FALSE(SaveEntryKeepingHistory(dir.path(), key, "mine").entry.ok);
  EXPECT_EQ(ReadFile(elsewhere / "out.txt"), std::string("outside\0", 8));
}

class UmaskScope {
 public:
  explicit UmaskScope(mode_t mask) : oldMask(::umask(mask)) {}
  ~UmaskScope() { ::umask(oldMask); }

 private:
  mode_t oldMask;
};

TEST(EntryCreation, NewFoldersAndFilesArePrivateWhateverTheUmask) {
  for (const mode_t mask : {mode_t{0}, mode_t{022}, mode_t{0277}}) {
    SCOPED_TRACE(mask);
    TempDir dir;
    UmaskScope scope(mask);
    EXPECT_TRUE(CreateMissingEntry(dir.path(), {2004, 3, 7, 0}));
    EXPECT_FALSE(CreateMissingEntry(dir.path(), {2004, 3, 7, 0}));  // it exists now
    EXPECT_EQ(testutil::Mode(dir / "2004"), 0700u);
    EXPECT_EQ(testutil::Mode(dir / "2004/3"), 0700u);
    EXPECT_EQ(testutil::Mode(dir / "2004/3/7_0.txt"), 0600u);
    EXPECT_EQ(ReadFile(dir / "2004/3/7_0.txt"), "");
  }
}

TEST(EntryCreation, ExistingFilesAndFoldersKeepContentAndPermissions) {
  TempDir dir;
  std::filesystem::create_directory(dir / "y");
  ::chmod((dir / "y").c_str(), 0755);
  WriteFile(dir / "y/e.txt", "kept");
  ::chmod((dir / "y/e.txt").c_str(), 0644);
  MakePrivateDirectory(dir / "y");
  CreateEmptyEntryFile(dir / "y/e.txt");
  EXPECT_EQ(testutil::Mode(dir / "y"), 0755u);
  EXPECT_EQ(testutil::Mode(dir / "y/e.txt"), 0644u);
  EXPECT_EQ(ReadFile(dir / "y/e.txt"), "kept");
  CreateEmptyEntryFile(dir / "missing/e.txt");  // a missing folder is ignored
  EXPECT_FALSE(testutil::Exists(dir / "missing"));
  // A missing save folder: the entry is new to the window, but nothing is made.
  EXPECT_TRUE(CreateMissingEntry(dir / "missing", {2004, 3, 7, 0}));
  EXPECT_FALSE(testutil::Exists(dir / "missing"));
}

TEST(EntryRecovery, RecoveryFilesArePrivateNewFilesThatNeverOverwrite) {
  TempDir dir;
  const std::string folder = dir / "data/marrowleaf/recovered";
  ASSERT_TRUE(WriteRecoveryFile(folder, "2004-3-7_0.txt", "kept text").ok);
  EXPECT_EQ(ReadFile(folder + "/2004-3-7_0.txt"), "kept text");
  EXPECT_EQ(testutil::Mode(folder), 0700u);
  EXPECT_EQ(testutil::Mode(folder + "/2004-3-7_0.txt"), 0600u);
  const SaveOutcome again = WriteRecoveryFile(folder, "2004-3-7_0.txt", "other");
  EXPECT_FALSE(again.ok);
  EXPECT_EQ(ReadFile(folder + "/2004-3-7_0.txt"), "kept text");
  // Copies of one entry kept within the same second each get a name of their own.
  const RecoveryCopy first = KeepRecoveryCopy(folder, {2004, 3, 7, 2}, "one");
  const RecoveryCopy second = KeepRecoveryCopy(folder, {2004, 3, 7, 2}, "two");
  ASSERT_TRUE(first.outcome.ok && second.outcome.ok);
  EXPECT_NE(first.path, second.path);
  EXPECT_EQ(first.path.rfind(folder + "/2004-3-7_2_", 0), 0u) << first.path;
  EXPECT_EQ(ReadFile(first.path) + ReadFile(second.path), "onetwo");
}

TEST(UnprivilegedEntries, ReadOnlyEntriesAndFoldersAreNeverChanged) {
  REQUIRE_UNPRIVILEGED();
  TempDir dir;
  WriteFile(dir / "ro.txt", std::string("old\0", 4));
  ::chmod((dir / "ro.txt").c_str(), 0444);
  std::filesystem::create_directory(dir / "rodir");
  WriteFile(dir / "rodir/e.txt", std::string("old\0", 4));
  ::chmod((dir / "rodir").c_str(), 0555);

  const EntryRead shown = ReadEntryFile(dir / "ro.txt");  // shown, but never saved
  EXPECT_TRUE(shown.ok && shown.readOnly);
  EXPECT_EQ(shown.text, "old");
  EXPECT_FALSE(WriteEntryFile(dir / "ro.txt", "new").ok);
  EXPECT_EQ(ReadFile(dir / "ro.txt"), std::string("old\0", 4));

  EXPECT_TRUE(ReadEntryFile(dir / "rodir/e.txt").ok);
  EXPECT_FALSE(ReadEntryFile(dir / "rodir/e.txt").readOnly);
  const SaveOutcome saved = WriteEntryFile(dir / "rodir/e.txt", "new");
  EXPECT_FALSE(saved.ok);
  EXPECT_FALSE(saved.error.empty());
  EXPECT_EQ(ReadFile(dir / "rodir/e.txt"), std::string("old\0", 4));
  EXPECT_EQ(testutil::EntryCount(dir / "rodir"), 1u);

  MakePrivateDirectory(dir / "rodir/2004");
  EXPECT_FALSE(testutil::Exists(dir / "rodir/2004"));
}

// Whether another program wrote an entry since it was loaded: each row changes the file one way.
TEST(EntryChanges, TheStateCheckTellsTouchedFromChanged) {
  const auto setTime = [](const std::string& path, long sec, long nsec) {
    const timespec times[2] = {{sec, nsec}, {sec, nsec}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
  };
  const struct {
    const char* what;
    std::function<void(const std::string&)> change;
    EntryChange expected;
  } rows[] = {
      {"untouched", [](const std::string&) {}, EntryChange::kSame},
      {"touched, the same bytes", [&](const std::string& p) { setTime(p, 1700000000, 5); },
       EntryChange::kSame},
      {"replaced by a rename, the same bytes",
       [](const std::string& p) {
         WriteFile(p + ".new", std::string("text\0", 5));
         std::filesystem::rename(p + ".new", p);
       },
       EntryChange::kSame},
      {"replaced by a rename, other bytes",
       [](const std::string& p) {
         WriteFile(p + ".new", std::string("other\0", 6));
         std::filesystem::rename(p + ".new", p);
       },
       EntryChange::kChanged},
      {"deleted", [](const std::string& p) { std::filesystem::remove(p); }, EntryChange::kDeleted},
      // A file system that keeps whole seconds: same size, same time, other bytes.
      {"same size and whole-second time, other bytes",
       [&](const std::string& p) {
         WriteFile(p, std::string("TEXT\0", 5));
         setTime(p, 1700000000, 0);
       },
       EntryChange::kChanged},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    TempDir dir;
    const std::string path = dir / "7_0.txt";
    WriteFile(path, std::string("text\0", 5));
    if (std::string(row.what).find("whole-second") != std::string::npos) {
      setTime(path, 1700000000, 0);
    }
    const EntryRead loaded = ReadEntryFile(path);
    ASSERT_TRUE(loaded.ok);
    row.change(path);
    EXPECT_EQ(CheckEntry(path, loaded.state), row.expected);
  }
  // A large entry is read and hashed piece by piece: its text still ends at its NUL, and its
  // hash is that of its whole bytes however they are cut.
  TempDir dir;
  std::string big(600 * 1024 + 13, 'a');
  for (size_t i = 0; i < big.size(); i += 97) big[i] = static_cast<char>('b' + i % 23);
  big[300 * 1024 + 5] = '\0';
  WriteFile(dir / "8_0.txt", big);
  const EntryRead loaded = ReadEntryFile(dir / "8_0.txt");
  EXPECT_EQ(loaded.text, big.substr(0, 300 * 1024 + 5));
  EXPECT_EQ(loaded.state.hash, HashBytes(big));
  EXPECT_EQ(CheckEntry(dir / "8_0.txt", loaded.state), EntryChange::kSame);
  for (const size_t cut : {1, 7, 63, 64, 65, 1000}) {
    ByteHash pieces;
    for (size_t at = 0; at < big.size(); at += cut)
      pieces.Add(std::string_view(big).substr(at, cut));
    EXPECT_EQ(pieces.Value(), HashBytes(big)) << cut;
  }
  std::string other = big;
  other.back() = 'z';  // in the last, partial block
  EXPECT_NE(HashBytes(other), HashBytes(big));
  EXPECT_NE(HashBytes(std::string("a\0", 2)), HashBytes("a"));
  // Drafts are named by this hash: it is XXH3's 64 bits, on every machine and in every version.
  std::string known;
  for (int i = 0; i < 3000; ++i) known.push_back(static_cast<char>(i * 7 + i / 13));
  EXPECT_EQ(HashBytes(known), 0x5833B363CC6B0DA4ull);
  EXPECT_EQ(HashBytes(""), 0x2D06800538D394C2ull);
}

// Outside the main window's label a date is written in the locale's own forms, the year always
// in full, a moment to the second without its time zone.
TEST(Calendar, DatesAreWrittenAsTheLocaleWritesThem) {
  const QDate date(2026, 12, 9);
  const QDateTime moment(date, QTime(14, 5, 9));
  const struct {
    const char* locale;
    const char* longDate;
    const char* shortDate;
    const char* shortMoment;
  } rows[] = {
      {"C", "Wednesday, 9 December 2026", "9 Dec 2026", "9 Dec 2026 14:05:09"},
      {"en_US", "Wednesday, December 9, 2026", "12/9/2026", "12/9/2026 2:05:09 PM"},
      {"de_DE", "Mittwoch, 9. Dezember 2026", "09.12.2026", "09.12.2026 14:05:09"},
      {"ja_JP", "2026年12月9日水曜日", "2026/12/09", "2026/12/09 14時05分09秒"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.locale);
    const QLocale locale(QString::fromLatin1(row.locale));
    EXPECT_EQ(LongDate(date, locale).toStdString(), row.longDate);
    EXPECT_EQ(ShortDate(date, locale).toStdString(), row.shortDate);
    EXPECT_EQ(ShortDateTime(moment, locale).toStdString(), row.shortMoment);
  }
}

TEST(Calendar, WeekdaysAndMonthLengths) {
  EXPECT_EQ(DayOfWeek(2004, 2, 4), 3);
  EXPECT_STREQ(WeekdayName(DayOfWeek(2004, 2, 4)), "Wed");
  EXPECT_EQ(DayOfWeek(2000, 1, 1), 6);
  EXPECT_STREQ(WeekdayName(6), "Sat");
  EXPECT_EQ(DayOfWeek(1, 1, 1), 1);  // Monday, 1 January of year 1 (proleptic Gregorian)
  EXPECT_EQ(DayOfWeek(9999, 12, 31), 5);
  EXPECT_EQ(DayOfWeek(2026, 12, 8), 2);
  const struct {
    int year, month, days;
  } lengths[] = {{2003, 1, 31}, {2003, 2, 28}, {2004, 2, 29},  {2000, 2, 29}, {1900, 2, 28},
                 {2100, 2, 28}, {2004, 4, 30}, {2004, 12, 31}, {2004, 0, 0},  {2004, 13, 0}};
  for (const auto& c : lengths) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month));
    EXPECT_EQ(DaysInMonth(c.year, c.month), c.days);
  }
}

}  // namespace

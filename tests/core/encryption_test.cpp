// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An encrypted diary through the core's readers and writers: what each writes is sealed, what
// each reads opens, plain and damaged files are told apart, and a conversion leaves no text in
// plain, converts back to the same files, and can stop anywhere.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "crypto/keyfile.h"
#include "crypto/sealedfiles.h"
#include "crypto/unlocked.h"
#include "engines/encryption/conversion.h"
#include "engines/pictures/pictures.h"
#include "engines/tags/tagdiary.h"
#include "entries/bulkwrite.h"
#include "entries/diarywalk.h"
#include "entries/drafts.h"
#include "entries/entryfiles.h"
#include "entries/history.h"
#include "testutil.h"

namespace {

using namespace marrowleaf;
using testutil::ReadFile;
using testutil::TempDir;
using testutil::WriteFile;

constexpr std::string_view kOurs = "Marrowleaf golden key, test only";
constexpr std::string_view kTheirs = "another diary's key, 32 bytes...";
const EntryKey kDay{2004, 3, 7, 0};

SharedKeys KeysOf(std::vector<std::string_view> secrets) {
  auto keys = std::make_shared<DiaryKeys>();
  for (std::string_view secret : secrets) keys->Add(DiaryKey::FromBytes(secret));
  return keys;
}

// A diary folder held unlocked for the length of a test, as the diary object holds it.
class Unlocked {
 public:
  explicit Unlocked(const std::string& dir, SharedKeys keys = KeysOf({kOurs}), bool seal = true)
      : saveDir(dir) {
    HoldKeys(saveDir, std::move(keys), seal);
  }
  ~Unlocked() { ReleaseKeys(saveDir); }
  Unlocked(const Unlocked&) = delete;
  Unlocked& operator=(const Unlocked&) = delete;

 private:
  std::string saveDir;
};

// Every file under `dir` whose bytes hold `text`: what would leak it.
std::vector<std::string> FilesHolding(const std::string& dir, const std::string& text) {
  std::vector<std::string> found;
  for (const auto& item : std::filesystem::recursive_directory_iterator(dir)) {
    if (item.is_regular_file() && ReadFile(item.path()).find(text) != std::string::npos) {
      found.push_back(item.path().string());
    }
  }
  return found;
}

std::string Entry(const std::string& dir, const EntryKey& key = kDay) {
  return EntryPath(dir, key);
}

void PlainEntry(const std::string& dir, const EntryKey& key, const std::string& bytes) {
  CreateMissingEntry(dir, key);
  WriteFile(Entry(dir, key), bytes);
}

std::string WalkedText(const std::string& dir, int tabs = 1) {
  const std::atomic<bool> cancelled{false};
  const DiaryWalk walk(dir, EveryEntry(tabs, Order::kOldestFirst), cancelled);
  std::string texts;
  for (const Month& month : walk.Months()) {
    walk.ReadMonth(month, [&](const WalkedEntry& e) { texts += std::string(e.text) + '|'; });
  }
  return texts;
}

TEST(EncryptedDiary, EveryWriterSealsWhatItWritesAndEveryReaderOpensIt) {
  const struct Row {
    const char* writer;
    // Writes `text` into the diary at `dir`; returns what the reader of that file gives back.
    std::function<std::string(const std::string& dir, const std::string& text)> write;
  } rows[] = {
      {"the save step",
       [](const std::string& dir, const std::string& text) {
         CreateMissingEntry(dir, kDay);
         EXPECT_TRUE(SaveEntryKeepingHistory(dir, kDay, text).entry.ok);
         return ReadEntryFile(Entry(dir)).text;
       }},
      {"a new entry with its first text",
       [](const std::string& dir, const std::string& text) {
         EXPECT_TRUE(CreateEntryWithText(dir, kDay, text).text.ok);
         return std::string(ReadOneEntry(dir, kDay).Text());
       }},
      {"a bulk change",
       [](const std::string& dir, const std::string& text) {
         BulkChange change{kDay, false, 0, text};
         EXPECT_EQ(WriteInBulk(dir, change, {}).result, BulkResult::kCreated);
         return WalkedText(dir);
       }},
      {"a version kept before an editor",
       [](const std::string& dir, const std::string& text) {
         EXPECT_TRUE(KeepVersion(dir, kDay, text + '\0').ok);
         return ReadVersion(ListVersions(dir, kDay).front().path);
       }},
      {"a draft",
       [](const std::string& dir, const std::string& text) {
         EXPECT_TRUE(WriteDraft(dir + "/drafts", Entry(dir), text).ok);
         return FindDraft(dir + "/drafts", Entry(dir)).bytes;
       }},
      {"a picture",
       [](const std::string& dir, const std::string& text) {
         const AddedPicture added = AddPicture(dir, kDay, text, "png");
         EXPECT_TRUE(added.outcome.ok) << added.outcome.error;
         return std::string(ReadPictureFile(dir + '/' + added.path).Bytes());
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.writer);
    TempDir dir;
    const Unlocked unlocked(dir.path());
    const std::string text = std::string("a secret of ") + row.writer;
    const std::string read = row.write(dir.path(), text);
    EXPECT_NE(read.find(text), std::string::npos) << read;
    EXPECT_EQ(FilesHolding(dir.path(), "secret"), std::vector<std::string>());
  }
}

TEST(EncryptedDiary, SavingTheTextAFileHoldsWritesNothing) {
  TempDir dir;
  const Unlocked unlocked(dir.path());
  CreateMissingEntry(dir.path(), kDay);
  const EntrySave first = SaveEntryKeepingHistory(dir.path(), kDay, "the same words");
  ASSERT_TRUE(first.entry.ok);
  const std::string bytes = ReadFile(Entry(dir.path()));
  const EntrySave again = SaveEntryKeepingHistory(dir.path(), kDay, "the same words", &first.state);
  ASSERT_TRUE(again.entry.ok);
  EXPECT_FALSE(again.displaced);
  EXPECT_EQ(ReadFile(Entry(dir.path())), bytes) << "sealed anew: a sync tool would carry it";
  EXPECT_EQ(again.state.hash, HashBytes(bytes));
  EXPECT_EQ(CheckEntry(Entry(dir.path()), again.state), EntryChange::kSame);
  EXPECT_TRUE(ListVersions(dir.path(), kDay).empty());
}

TEST(EncryptedDiary, APlainFileIsReadAsItIsAndItsTextKeptSealedAtItsNextSave) {
  TempDir dir;
  const Unlocked unlocked(dir.path());
  PlainEntry(dir.path(), kDay, std::string("typed on a phone\0", 17));
  const EntryRead read = ReadEntryFile(Entry(dir.path()));
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.opening, Opening::kPlain);
  EXPECT_EQ(read.text, "typed on a phone");
  EXPECT_EQ(WalkedText(dir.path()), "typed on a phone|");

  ASSERT_TRUE(SaveEntryKeepingHistory(dir.path(), kDay, "then at the desk", &read.state).entry.ok);
  EXPECT_EQ(FilesHolding(dir.path(), "phone"), std::vector<std::string>());
  EXPECT_EQ(FilesHolding(dir.path(), "desk"), std::vector<std::string>());
  const std::vector<Version> versions = ListVersions(dir.path(), kDay);
  ASSERT_EQ(versions.size(), 1u);
  EXPECT_EQ(ReadVersion(versions[0].path), std::string("typed on a phone\0", 17));
}

TEST(EncryptedDiary, ADamagedFileSaysSoAndIsKeptWhenATextReplacesIt) {
  const std::string sealed = SealBytes(*KeysOf({kOurs})->Sealing(), std::string("words\0", 6));
  const struct {
    const char* damage;
    std::string bytes;
  } rows[] = {
      {"one byte changed in the text",
       [&] {
         std::string b = sealed;
         b[kSealedHeaderSize + 2] ^= 1;
         return b;
       }()},
      {"one byte changed in the header",
       [&] {
         std::string b = sealed;
         b[9] ^= 1;
         return b;
       }()},
      {"cut short by a byte", sealed.substr(0, sealed.size() - 1)},
      {"cut after the header", sealed.substr(0, kSealedHeaderSize)},
      {"a byte added", sealed + 'x'},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.damage);
    TempDir dir;
    const Unlocked unlocked(dir.path());
    PlainEntry(dir.path(), kDay, row.bytes);
    const EntryRead read = ReadEntryFile(Entry(dir.path()));
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.opening, Opening::kDamaged);
    EXPECT_TRUE(read.state.file.known) << "the file is there, and the window must know it";
    EXPECT_TRUE(read.text.empty());

    const std::atomic<bool> cancelled{false};
    const DiaryWalk walk(dir.path(), EveryEntry(1), cancelled);
    for (const Month& month : walk.Months()) {
      walk.ReadMonth(month, [](const WalkedEntry&) { ADD_FAILURE() << "a damaged entry read"; });
    }
    ASSERT_EQ(walk.Skips().size(), 1u);
    EXPECT_EQ(walk.Skips()[0].reason, Skipped::Reason::kDamaged);

    // A text restored from the history replaces it; the damaged bytes stay, in the history.
    ASSERT_TRUE(SaveEntryKeepingHistory(dir.path(), kDay, "restored", &read.state).entry.ok);
    const std::vector<Version> versions = ListVersions(dir.path(), kDay);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(ReadFile(versions[0].path), row.bytes);
  }
}

TEST(EncryptedDiary, AFileOfAnotherKeyOpensOnlyWhereThatKeyIsHeld) {
  TempDir dir;
  PlainEntry(dir.path(), kDay,
             SealBytes(*KeysOf({kTheirs})->Sealing(), std::string("their words\0", 12)));
  {
    const Unlocked unlocked(dir.path());
    EXPECT_EQ(ReadEntryFile(Entry(dir.path())).opening, Opening::kOtherKey);
    const std::atomic<bool> cancelled{false};
    const DiaryWalk walk(dir.path(), EveryEntry(1), cancelled);
    walk.ReadMonth(walk.Months().at(0), [](const WalkedEntry&) { ADD_FAILURE(); });
    ASSERT_EQ(walk.Skips().size(), 1u);
    EXPECT_EQ(walk.Skips()[0].reason, Skipped::Reason::kLocked);
  }
  const Unlocked both(dir.path(), KeysOf({kOurs, kTheirs}));
  EXPECT_EQ(ReadEntryFile(Entry(dir.path())).text, "their words");
  EXPECT_EQ(WalkedText(dir.path()), "their words|");
}

TEST(EncryptedDiary, ADiaryWithAKeyFileThatIsNotUnlockedIsNeverWrittenInPlain) {
  TempDir dir;
  ASSERT_TRUE(CreateKeyFile(dir.path(), QStringLiteral("a password"), {1, 8192}).outcome.ok);
  PlainEntry(dir.path(), kDay, "");
  const std::string before = ReadFile(Entry(dir.path()));
  EXPECT_FALSE(SaveEntryKeepingHistory(dir.path(), kDay, "plain words").entry.ok);
  EXPECT_FALSE(CreateEntryWithText(dir.path(), {2004, 3, 8, 0}, "plain words").text.ok);
  EXPECT_FALSE(KeepVersion(dir.path(), kDay, "plain words").ok);
  EXPECT_FALSE(AddPicture(dir.path(), kDay, "plain words", "png").outcome.ok);
  EXPECT_EQ(FilesHolding(dir.path(), "plain words"), std::vector<std::string>());
  EXPECT_EQ(ReadFile(Entry(dir.path())), before);
}

TEST(EncryptedDiary, ASyncToolsConflictCopyOpensLikeItsEntry) {
  TempDir dir;
  const Unlocked unlocked(dir.path());
  CreateMissingEntry(dir.path(), kDay);
  ASSERT_TRUE(SaveEntryKeepingHistory(dir.path(), kDay, "written here").entry.ok);
  const std::string copy =
      MonthDirectory(dir.path(), 2004, 3) + "/7_0.sync-conflict-20261208-101530-ABCDEFG.txt";
  WriteFile(copy, SealBytes(*KeysOf({kOurs})->Sealing(), std::string("written there\0", 14)));
  const std::vector<Version> versions = ListVersions(dir.path(), kDay);
  ASSERT_EQ(versions.size(), 1u);
  EXPECT_EQ(versions[0].kind, VersionKind::kSyncCopy);
  EXPECT_EQ(ReadVersion(versions[0].path), std::string("written there\0", 14));
  EXPECT_EQ(WalkedText(dir.path()), "written here|") << "a conflict copy is no entry";
}

TEST(KeyTable, APathSpeltOtherwiseFindsItsDiary) {
  TempDir dir;
  std::filesystem::create_directory(dir / "diary");
  std::filesystem::create_directory_symlink(dir / "diary", dir / "link");
  const Unlocked unlocked(dir / "diary/");
  const std::string cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  for (const std::string& path :
       {dir / "diary", dir / "diary/2004/3/7_0.txt", dir / "link/2004/3/7_0.txt",
        std::string("diary/2004/3/7_0.txt"), std::string("./diary/../diary/2004"),
        dir / "diary/./2004/3/7_0.txt"}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(SealingFor(path).keys->Size(), 1u);
  }
  for (const std::string& path : {dir / "diary-2", dir / "elsewhere/2004/3/7_0.txt"}) {
    SCOPED_TRACE(path);
    EXPECT_TRUE(SealingFor(path).keys->Empty());
  }
  std::filesystem::current_path(cwd);
}

// A diary with something of every kind of file that holds its text, each holding "secret".
struct MixedDiary {
  TempDir dir;
  std::vector<std::pair<std::string, std::string>> files;  // path and its plain bytes

  MixedDiary() {
    for (int day = 1; day <= 12; ++day) {
      const EntryKey key{2004, static_cast<uint16_t>(day % 2 + 3), static_cast<uint16_t>(day),
                         day % 3};
      CreateMissingEntry(dir.path(), key);
      Add(Entry(dir.path(), key), "secret of day " + std::to_string(day) + '\0');
      if (day % 4 == 0) {
        EXPECT_TRUE(SaveEntryKeepingHistory(dir.path(), key, "later secret").entry.ok);
        files.back().second = std::string("later secret\0", 13);
        const std::vector<Version> versions = ListVersions(dir.path(), key);
        files.emplace_back(versions.at(0).path, ReadFile(versions.at(0).path));
      }
    }
    Add(MonthDirectory(dir.path(), 2004, 3) + "/3_0.sync-conflict-20261208-101530-ABCDEFG.txt",
        std::string("secret of a copy\0", 17));
    std::filesystem::create_directories(dir / "attachments/2004/3/3_0");
    std::string picture(300000, 'p');
    picture.replace(100000, 6, "secret");
    Add(dir / "attachments/2004/3/3_0/photo.jpg", picture);
    WriteFile(MonthDirectory(dir.path(), 2004, 3) + "/.3_0.txt.saving", "secret, half saved");
    WriteFile(dir / "config.ini", "[GENERAL]\r\nN_TABS = 3\r\n");
  }
  void Add(const std::string& path, const std::string& bytes) {
    WriteFile(path, bytes);
    files.emplace_back(path, bytes);
  }
};

TEST(Conversion, EncryptingLeavesNoTextInPlainAndDecryptingGivesTheSameFilesBack) {
  MixedDiary diary;
  const std::string drafts = diary.dir / "device/drafts";
  const std::string dir = diary.dir / "";
  const std::atomic<bool> cancelled{false};
  {
    const Unlocked unlocked(diary.dir.path());
    ASSERT_TRUE(WriteDraft(drafts, Entry(diary.dir.path()) + "x", "secret draft").ok);
  }
  ASSERT_TRUE(CreateKeyFile(diary.dir.path(), QStringLiteral("pw"), {1, 8192}).outcome.ok);
  {
    const Unlocked unlocked(diary.dir.path());
    const ConversionReport report =
        ConvertDiary(diary.dir.path(), Conversion::kEncrypt, drafts, cancelled);
    EXPECT_TRUE(report.complete);
    EXPECT_TRUE(report.failures.empty());
    EXPECT_EQ(FilesHolding(diary.dir.path(), "secret"), std::vector<std::string>());
    for (const auto& [path, bytes] : diary.files) EXPECT_EQ(ReadDiaryFile(path).bytes, bytes);
    EXPECT_EQ(ReadFile(diary.dir / "config.ini"), "[GENERAL]\r\nN_TABS = 3\r\n");
    // Again: nothing to do, nothing written.
    const ConversionReport again =
        ConvertDiary(diary.dir.path(), Conversion::kEncrypt, drafts, cancelled);
    EXPECT_EQ(again.converted, 0u);
    EXPECT_EQ(CountDiaryFiles(diary.dir.path(), cancelled).plain, 0u);
  }
  const Unlocked decrypting(diary.dir.path(), KeysOf({kOurs}), false);
  const ConversionReport report =
      ConvertDiary(diary.dir.path(), Conversion::kDecrypt, drafts, cancelled);
  EXPECT_TRUE(report.complete);
  EXPECT_FALSE(testutil::Exists(KeyFilePath(diary.dir.path())));
  for (const auto& [path, bytes] : diary.files) EXPECT_EQ(ReadFile(path), bytes) << path;
  EXPECT_EQ(FindDraft(drafts, Entry(diary.dir.path()) + "x").bytes, "secret draft");
}

TEST(Conversion, AConversionStoppedAnywhereLeavesAReadableDiaryThatTheNextRunFinishes) {
  for (const size_t stopAfter : {size_t{1}, size_t{7}, size_t{15}}) {
    SCOPED_TRACE(stopAfter);
    MixedDiary diary;
    const Unlocked unlocked(diary.dir.path());
    const std::string notes = diary.dir / "device";
    ASSERT_TRUE(NoteConversion(notes, diary.dir.path(), Conversion::kEncrypt).ok);
    std::atomic<bool> cancelled{false};
    const ConversionReport stopped =
        ConvertDiary(diary.dir.path(), Conversion::kEncrypt, {}, cancelled,
                     [&](size_t done, size_t) { cancelled.store(done >= stopAfter); });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.complete);
    for (const auto& [path, bytes] : diary.files) EXPECT_EQ(ReadDiaryFile(path).bytes, bytes);
    EXPECT_EQ(PendingConversion(notes, diary.dir.path()), Conversion::kEncrypt);

    cancelled.store(false);
    EXPECT_TRUE(ConvertDiary(diary.dir.path(), Conversion::kEncrypt, {}, cancelled).complete);
    ClearConversion(notes, diary.dir.path());
    EXPECT_EQ(PendingConversion(notes, diary.dir.path()), std::nullopt);
    EXPECT_EQ(FilesHolding(diary.dir.path(), "secret"), std::vector<std::string>());
  }
}

TEST(Conversion, AFileThatDoesNotOpenIsNamedAndLeftAsItIs) {
  std::string damaged = SealBytes(*KeysOf({kOurs})->Sealing(), "x");
  damaged.back() ^= 1;
  const struct {
    Conversion way;
    std::string bytes;
  } rows[] = {
      // Encrypting takes a file sealed under the diary's key as it is: it needs no conversion.
      {Conversion::kEncrypt, SealBytes(*KeysOf({kTheirs})->Sealing(), "x")},
      {Conversion::kDecrypt, damaged},
      {Conversion::kDecrypt, SealBytes(*KeysOf({kTheirs})->Sealing(), "x")},
  };
  for (const auto& row : rows) {
    TempDir dir;
    ASSERT_TRUE(CreateKeyFile(dir.path(), QStringLiteral("pw"), {1, 8192}).outcome.ok);
    PlainEntry(dir.path(), kDay, row.bytes);
    PlainEntry(dir.path(), {2004, 3, 8, 0}, std::string("fine\0", 5));
    const Unlocked unlocked(dir.path(), KeysOf({kOurs}), row.way == Conversion::kEncrypt);
    const std::atomic<bool> cancelled{false};
    const ConversionReport report = ConvertDiary(dir.path(), row.way, {}, cancelled);
    EXPECT_FALSE(report.complete);
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].path, Entry(dir.path()));
    EXPECT_EQ(ReadFile(Entry(dir.path())), row.bytes);
    EXPECT_EQ(ReadDiaryFile(EntryPath(dir.path(), {2004, 3, 8, 0})).bytes,
              std::string("fine\0", 5));
    EXPECT_TRUE(testutil::Exists(KeyFilePath(dir.path()))) << "the key opens what is left";
  }
}

TEST(Conversion, AFileOfTheOtherDevicesKeyIsSealedAnewUnderTheDiarysKey) {
  TempDir dir;
  PlainEntry(dir.path(), kDay,
             SealBytes(*KeysOf({kTheirs})->Sealing(), std::string("their words\0", 12)));
  const Unlocked unlocked(dir.path(), KeysOf({kOurs, kTheirs}));
  const std::atomic<bool> cancelled{false};
  EXPECT_EQ(ConvertDiary(dir.path(), Conversion::kEncrypt, {}, cancelled).converted, 1u);
  EXPECT_EQ(SealedKeyId(ReadFile(Entry(dir.path()))), KeysOf({kOurs})->Sealing()->Id());
  EXPECT_EQ(ReadEntryFile(Entry(dir.path())).text, "their words");
}

TEST(EncryptedDiary, ATagRenamedInEveryEntryStaysSealed) {
  TempDir dir;
  const Unlocked unlocked(dir.path());
  for (uint16_t day = 1; day <= 3; ++day) {
    ASSERT_TRUE(CreateEntryWithText(dir.path(), {2004, 3, day, 0}, "went #out secretly").text.ok);
  }
  const std::atomic<bool> cancelled{false};
  const TagRenamePlan plan =
      PlanTagRename(DiaryWalk(dir.path(), EveryEntry(1), cancelled), QStringLiteral("out"),
                    QStringLiteral("out"), QStringLiteral("in"));
  ASSERT_EQ(plan.entries.size(), 3u);
  for (const BulkChange& change : plan.entries) {
    EXPECT_EQ(WriteInBulk(dir.path(), change, {}).result, BulkResult::kChanged);
  }
  EXPECT_EQ(WalkedText(dir.path()), "went #in secretly|went #in secretly|went #in secretly|");
  EXPECT_EQ(FilesHolding(dir.path(), "secretly"), std::vector<std::string>());
}

}  // namespace

// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/keyfile.h"

#include <gtest/gtest.h>
#include <sodium.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "crypto/sealing.h"
#include "testutil.h"

namespace {

using namespace marrowleaf;
using testutil::ReadFile;
using testutil::TempDir;
using testutil::WriteFile;

// Argon2id at its smallest, so that the tests derive in microseconds; the real cost is measured
// by bench/crypto_bench.
const KeyCost kCheap{1, 8192};
const QString kPassword = QStringLiteral("correct horse battery staple");

// Every file under the folder with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const auto& item : std::filesystem::recursive_directory_iterator(dir)) {
    if (item.is_regular_file()) files[item.path().string()] = ReadFile(item.path().string());
  }
  return files;
}

TEST(KeyFile, UnlocksWithItsPasswordAndTheCostItStores) {
  // Two passwords a keyboard may type differently: é composed, and e with its accent apart.
  const struct {
    KeyCost cost;
    QString written;
    QString typed;
  } rows[] = {{kCheap, kPassword, kPassword},
              {{2, 16384}, QStringLiteral("caf\u00e9"), QStringLiteral("cafe\u0301")},
              {{3, 65536}, QStringLiteral("\u65e5\u8a18"), QStringLiteral("\u65e5\u8a18")}};
  for (const auto& row : rows) {
    TempDir dir;
    const NewKeyFile created = CreateKeyFile(dir.path(), row.written, row.cost);
    ASSERT_TRUE(created.outcome.ok) << created.outcome.error;
    EXPECT_EQ(testutil::Mode(KeyFilePath(dir.path())), 0600u);
    UnlockedKey unlocked = UnlockKeyFile(KeyFilePath(dir.path()), row.typed);
    ASSERT_EQ(unlocked.result, Unlocking::kUnlocked);
    EXPECT_EQ(unlocked.key.Id(), created.key.Id());
    DiaryKeys keys;
    keys.Add(std::move(unlocked.key));
    EXPECT_EQ(OpenBytes(keys, SealBytes(created.key, "text")).bytes, "text");
    EXPECT_EQ(UnlockKeyFile(KeyFilePath(dir.path()), row.typed + QLatin1Char(' ')).result,
              Unlocking::kWrongPassword);
  }
  // A key file kept from the first version unlocks to the key its sealed files were sealed with.
  const UnlockedKey golden =
      UnlockKeyFile(MARROWLEAF_TEST_DATA "/crypto/marrowleaf.key", kPassword);
  ASSERT_EQ(golden.result, Unlocking::kUnlocked);
  EXPECT_EQ(SealedKeyId(ReadFile(MARROWLEAF_TEST_DATA "/crypto/entry.sealed")), golden.key.Id());
}

// Each row changes a whole key file; `sum` puts its checksum right again afterwards, as someone
// who meant it would, to prove what the password's key itself binds.
TEST(KeyFile, AChangedKeyFileNeverUnlocksAndSaysWhy) {
  const std::string good = WrapKey(DiaryKey::Generate(), kPassword, kCheap);
  const auto at = [&](size_t offset, char value) {
    std::string bytes = good;
    bytes[offset] = value;
    return bytes;
  };
  const struct {
    const char* what;
    std::string bytes;
    bool sum;
    Unlocking result;
  } rows[] = {
      {"more passes", at(26, 2), false, Unlocking::kDamaged},
      {"more passes, checksum mended", at(26, 2), true, Unlocking::kWrongPassword},
      {"more memory, checksum mended", at(35, 0x40), true, Unlocking::kWrongPassword},
      {"less memory than Argon2id takes", at(35, 0x10), true, Unlocking::kDamaged},
      {"another key id, checksum mended", at(12, 'x'), true, Unlocking::kWrongPassword},
      {"another salt, checksum mended", at(50, 'x'), true, Unlocking::kWrongPassword},
      {"a wrapped key byte, checksum mended", at(100, 'x'), true, Unlocking::kWrongPassword},
      {"four gigabytes of memory asked", at(38, 1), true, Unlocking::kDamaged},
      {"another password hash", at(9, 1), true, Unlocking::kDamaged},
      {"a newer format", at(8, 2), false, Unlocking::kUnknownVersion},
      {"not a key file", "A day by the river.", false, Unlocking::kNotAKeyFile},
      {"cut short", good.substr(0, 145), false, Unlocking::kDamaged},
      {"a byte added", good + '\n', false, Unlocking::kDamaged},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    std::string bytes = row.bytes;
    if (row.sum) {
      crypto_generichash(reinterpret_cast<unsigned char*>(bytes.data() + 130), 16,
                         reinterpret_cast<const unsigned char*>(bytes.data()), 130, nullptr, 0);
    }
    EXPECT_EQ(UnwrapKey(bytes, kPassword).result, row.result);
  }
  for (size_t offset = 0; offset < good.size(); ++offset) {
    const Unlocking result =
        UnwrapKey(at(offset, static_cast<char>(good[offset] ^ 4)), kPassword).result;
    EXPECT_NE(result, Unlocking::kUnlocked) << offset;
    EXPECT_NE(result, Unlocking::kWrongPassword) << offset;
  }
}

TEST(KeyFile, ChangingThePasswordRewritesOnlyTheKeyFileAndEveryFileStillOpens) {
  TempDir dir;
  NewKeyFile created = CreateKeyFile(dir.path(), kPassword, kCheap);
  ASSERT_TRUE(created.outcome.ok);
  MakePrivateDirectories(dir / "2004/3");
  MakePrivateDirectories(dir / ".history/2004/3/7_0");
  WriteFile(dir / "2004/3/7_0.txt", SealBytes(created.key, "today\0"));
  WriteFile(dir / ".history/2004/3/7_0/20040307-120000.000000Z-a.txt",
            SealBytes(created.key, "yesterday\0"));
  WriteFile(dir / "config.ini", "[GENERAL]\n");
  const std::string keyFile = KeyFilePath(dir.path());
  std::map<std::string, std::string> before = Snapshot(dir.path());

  const QString fresh = QStringLiteral("a new one");
  PasswordChange change = ChangePassword(keyFile, fresh, kPassword, kCheap);
  EXPECT_EQ(change.unlocking, Unlocking::kWrongPassword);
  EXPECT_FALSE(change.outcome.ok);
  EXPECT_EQ(Snapshot(dir.path()), before);

  change = ChangePassword(keyFile, kPassword, fresh, kCheap);
  ASSERT_TRUE(change.outcome.ok) << change.outcome.error;
  std::map<std::string, std::string> after = Snapshot(dir.path());
  EXPECT_NE(after[keyFile], before[keyFile]);
  EXPECT_EQ(testutil::Mode(keyFile), 0600u);
  after.erase(keyFile);
  before.erase(keyFile);
  EXPECT_EQ(after, before);
  EXPECT_EQ(UnlockKeyFile(keyFile, kPassword).result, Unlocking::kWrongPassword);
  const DiaryUnlock unlocked = UnlockDiary(dir.path(), fresh);
  ASSERT_EQ(unlocked.result, DiaryUnlocking::kUnlocked);
  for (const auto& [path, bytes] : before) {
    if (path.size() > 4 && path.substr(path.size() - 4) == ".txt") {
      EXPECT_EQ(OpenBytes(unlocked.keys, bytes).result, Opening::kOpened) << path;
    }
  }
}

TEST(KeyFile, ADiaryIsNeverGivenASecondKey) {
  for (const char* existing :
       {"marrowleaf.key", "marrowleaf.sync-conflict-20261208-101530-AB.key"}) {
    TempDir dir;
    WriteFile(dir / existing, "there already");
    const NewKeyFile created = CreateKeyFile(dir.path(), kPassword, kCheap);
    EXPECT_FALSE(created.outcome.ok) << existing;
    EXPECT_FALSE(created.key);
    EXPECT_EQ(ReadFile(dir / existing), "there already");
    EXPECT_EQ(testutil::EntryCount(dir.path()), 1u);
  }
}

// Two devices, a sync tool and the key file: each row lays out the save folder's key files
// (name, password or "" for damaged bytes, and which of three keys) and tries passwords in turn.
TEST(KeyFiles, EveryKeyFileIsTriedAndTheOutcomeSaysWhatIsMissing) {
  struct File {
    const char* name;
    const char* password;
    int key;
  };
  struct Try {
    const char* password;
    DiaryUnlocking result;
    size_t keys;
  };
  const char* conflict = "marrowleaf.sync-conflict-20261208-101530-ABCDEFG.key";
  const struct {
    const char* what;
    std::vector<File> files;
    std::vector<Try> tries;
    int sealingKey;  // the key that seals after the last try
  } rows[] = {
      {"a plain diary", {}, {{"a", DiaryUnlocking::kNoKeyFile, 0}}, -1},
      {"one key file",
       {{"marrowleaf.key", "a", 0}},
       {{"b", DiaryUnlocking::kWrongPassword, 0}, {"a", DiaryUnlocking::kUnlocked, 1}},
       0},
      {"a password changed on one device: one key, either password",
       {{"marrowleaf.key", "new", 0}, {conflict, "old", 0}},
       {{"old", DiaryUnlocking::kUnlocked, 1}},
       0},
      {"two devices, two keys, two passwords",
       {{"marrowleaf.key", "b", 1}, {conflict, "a", 0}},
       {{"a", DiaryUnlocking::kAnotherKeyLocked, 1}, {"b", DiaryUnlocking::kUnlocked, 2}},
       1},
      {"two devices, two keys, one password",
       {{"marrowleaf.key", "a", 1},
        {"marrowleaf (conflicted copy 2026-12-08 101530).key", "a", 0},
        {"marrowleaf (Host's conflicted copy 2026-12-08).key", "a", 2}},
       {{"a", DiaryUnlocking::kUnlocked, 3}},
       1},
      {"the key file damaged, its copy whole",
       {{"marrowleaf.key", "", 0}, {conflict, "a", 0}},
       {{"a", DiaryUnlocking::kUnlocked, 1}},
       0},
      {"nothing usable",
       {{"marrowleaf.key", "", 0}, {"marrowleaf-notes.key", nullptr, 0}},
       {{"a", DiaryUnlocking::kNoUsableKeyFile, 0}},
       -1},
  };
  const DiaryKey keys[] = {DiaryKey::Generate(), DiaryKey::Generate(), DiaryKey::Generate()};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    TempDir dir;
    for (const File& file : row.files) {
      const std::string bytes =
          file.password == nullptr ? "notes"
          : *file.password == '\0'
              ? WrapKey(keys[file.key], kPassword, kCheap).substr(0, 100)
              : WrapKey(keys[file.key], QString::fromUtf8(file.password), kCheap);
      WriteFile(dir / file.name, bytes);
    }
    // Never candidates: a save of the key file under way, the diary's other files.
    WriteFile(dir / ".marrowleaf.key.saving", "half");
    WriteFile(dir / "config.ini", "[GENERAL]\n");
    EXPECT_EQ(FindKeyFiles(dir.path()).size(), row.files.size());
    DiaryUnlock unlock;
    for (const Try& attempt : row.tries) {
      unlock = UnlockDiary(dir.path(), QString::fromUtf8(attempt.password), std::move(unlock.keys));
      EXPECT_EQ(unlock.result, attempt.result) << attempt.password;
      EXPECT_EQ(unlock.keys.Size(), attempt.keys) << attempt.password;
      EXPECT_EQ(unlock.tried.size(), row.files.size());
    }
    if (row.sealingKey >= 0) {
      ASSERT_NE(unlock.keys.Sealing(), nullptr);
      EXPECT_EQ(unlock.keys.Sealing()->Id(), keys[row.sealingKey].Id());
      for (const File& file : row.files) {
        EXPECT_EQ(OpenBytes(unlock.keys, SealBytes(keys[file.key], "t")).result, Opening::kOpened);
      }
    }
  }
}

}  // namespace

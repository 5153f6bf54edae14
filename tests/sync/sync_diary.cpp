// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The diary's core from a shell, for scripts/sync-experiment.sh: encrypts a diary as File,
// Encryption… does, saves an entry through the window's save step, and lists an entry's history
// as the History window reads it. Every command that finds a key file unlocks the diary with the
// password first, as the start of the program does, and holds its keys while it works.
//   sync_diary encrypt DIR PASSWORD
//   sync_diary write DIR PASSWORD YEAR-MONTH-DAY TAB TEXT
//   sync_diary history DIR PASSWORD YEAR-MONTH-DAY TAB
// `history` prints the entry, then each version, newest first, one line each, tab-separated:
//   entry   OPENING  -          TEXT
//   KIND    OPENING  COPYNAME   TEXT      (KIND: saved, elsewhere, sync-copy)
// where OPENING is how the file read (sealed-opened, plain, or why it did not open) and TEXT is
// what the History window shows (the bytes up to the NUL).
#include <QString>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>

#include "crypto/keyfile.h"
#include "crypto/sealedfiles.h"
#include "crypto/unlocked.h"
#include "engines/encryption/conversion.h"
#include "entries/entryfiles.h"
#include "entries/history.h"

namespace {

using namespace marrowleaf;

int Fail(const std::string& why) {
  std::fprintf(stderr, "sync_diary: %s\n", why.c_str());
  return 1;
}

// Unlocks the diary where it has a key file; false (said on standard error) where it does not
// open.
bool Unlock(const std::string& dir, const char* password) {
  if (FindKeyFiles(dir).empty()) return true;
  DiaryUnlock unlock = UnlockDiary(dir, QString::fromUtf8(password));
  if (unlock.result != DiaryUnlocking::kUnlocked) {
    Fail("the diary does not unlock with this password");
    return false;
  }
  HoldKeys(dir, std::make_shared<DiaryKeys>(std::move(unlock.keys)));
  return true;
}

bool ParseKey(const char* date, const char* tab, EntryKey* key) {
  unsigned year = 0, month = 0, day = 0;
  int tabNumber = -1;
  if (std::sscanf(date, "%u-%u-%u", &year, &month, &day) != 3 ||
      std::sscanf(tab, "%d", &tabNumber) != 1 || tabNumber < 0 || year > 9999 || month > 12 ||
      day > 31) {
    return false;
  }
  *key = {static_cast<uint16_t>(year), static_cast<uint16_t>(month), static_cast<uint16_t>(day),
          tabNumber};
  return true;
}

std::string TextOf(std::string bytes) {
  const size_t nul = bytes.find('\0');
  if (nul != std::string::npos) bytes.resize(nul);
  return bytes;
}

const char* OpeningName(const DiaryFileRead& read) {
  if (!read.read) return "unreadable";
  switch (read.result) {
    case Opening::kOpened:
      return "sealed-opened";
    case Opening::kPlain:
      return "plain";
    case Opening::kNeedsKey:
      return "needs-key";
    case Opening::kOtherKey:
      return "other-key";
    case Opening::kDamaged:
      return "damaged";
    case Opening::kUnknownVersion:
      return "unknown-version";
  }
  return "?";
}

const char* KindName(VersionKind kind) {
  switch (kind) {
    case VersionKind::kSaved:
      return "saved";
    case VersionKind::kElsewhere:
      return "elsewhere";
    case VersionKind::kSyncCopy:
      return "sync-copy";
  }
  return "?";
}

int Encrypt(const std::string& dir, const char* password) {
  const NewKeyFile created = CreateKeyFile(dir, QString::fromUtf8(password), MeasureKeyCost());
  if (!created.outcome.ok) return Fail("no key file: " + created.outcome.error);
  if (!Unlock(dir, password)) return 1;
  const std::atomic<bool> cancelled{false};
  const ConversionReport report = ConvertDiary(dir, Conversion::kEncrypt, {}, cancelled);
  for (const ConversionReport::Failure& failure : report.failures) {
    Fail(failure.path + ": " + failure.error);
  }
  std::printf("%zu of %zu files sealed\n", report.converted, report.total);
  return report.complete ? 0 : 1;
}

int Write(const std::string& dir, const EntryKey& key, const std::string& text) {
  CreateMissingEntry(dir, key);
  const EntryRead loaded = ReadEntryFile(EntryPath(dir, key));
  if (!loaded.ok) return Fail("the entry does not load: " + loaded.error);
  const EntrySave save = SaveEntryKeepingHistory(dir, key, text, &loaded.state);
  if (!save.entry.ok) return Fail("not saved: " + save.entry.error);
  if (!save.version.ok) return Fail("the replaced text was not kept: " + save.version.error);
  return 0;
}

int History(const std::string& dir, const EntryKey& key) {
  const DiaryFileRead entry = ReadDiaryFile(EntryPath(dir, key));
  std::printf("entry\t%s\t-\t%s\n", OpeningName(entry), TextOf(entry.bytes).c_str());
  for (const Version& version : ListVersions(dir, key)) {
    const DiaryFileRead read = ReadDiaryFile(version.path);
    std::printf("%s\t%s\t%s\t%s\n", KindName(version.kind), OpeningName(read),
                version.copyName.empty() ? "-" : version.copyName.c_str(),
                TextOf(ReadVersion(version.path)).c_str());
  }
  return entry.read ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  EntryKey key;
  if (command == "encrypt" && argc == 4) return Encrypt(argv[2], argv[3]);
  if (command == "write" && argc == 7 && ParseKey(argv[4], argv[5], &key)) {
    return Unlock(argv[2], argv[3]) ? Write(argv[2], key, argv[6]) : 1;
  }
  if (command == "history" && argc == 6 && ParseKey(argv[4], argv[5], &key)) {
    return Unlock(argv[2], argv[3]) ? History(argv[2], key) : 1;
  }
  std::fputs(
      "usage: sync_diary encrypt DIR PASSWORD\n"
      "       sync_diary write DIR PASSWORD YEAR-MONTH-DAY TAB TEXT\n"
      "       sync_diary history DIR PASSWORD YEAR-MONTH-DAY TAB\n",
      stderr);
  return 2;
}

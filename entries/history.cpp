// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/history.h"

#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>

#include "crypto/sealedfiles.h"

namespace marrowleaf {
namespace {

// "20261208-101530.123456Z-k3f9q2m7xa.txt": fixed width up to the random part, so that names sort
// by time.
constexpr size_t kStampLength = 23;   // "20261208-101530.123456Z"
constexpr size_t kRandomLength = 10;  // 36^10 names a microsecond: no two alike in practice
constexpr std::string_view kSuffix = ".txt";
constexpr std::string_view kElsewhereTag = "-elsewhere";

bool Digits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int64_t Number(std::string_view digits) {
  int64_t value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

// Days since 1970-01-01 of a proleptic Gregorian date (the civil-from-days inverse).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2 ? 1 : 0;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

// The time of a version's name, or -1 for a name that is no version. Parsed by hand: every
// save lists the folder, and a date library per name would cost more than the save.
int64_t VersionTime(std::string_view name, VersionKind* kind = nullptr) {
  const size_t plain = kStampLength + 1 + kRandomLength + kSuffix.size();
  const bool elsewhere =
      name.size() == plain + kElsewhereTag.size() &&
      name.substr(kStampLength + 1 + kRandomLength, kElsewhereTag.size()) == kElsewhereTag;
  if (name.size() != plain && !elsewhere) return -1;
  if (kind != nullptr) *kind = elsewhere ? VersionKind::kElsewhere : VersionKind::kSaved;
  if (name.substr(name.size() - kSuffix.size()) != kSuffix || name[8] != '-' || name[15] != '.' ||
      name[22] != 'Z' || name[23] != '-' || !Digits(name.substr(0, 8)) ||
      !Digits(name.substr(9, 6)) || !Digits(name.substr(16, 6))) {
    return -1;
  }
  const int64_t month = Number(name.substr(4, 2));
  const int64_t day = Number(name.substr(6, 2));
  const int64_t hour = Number(name.substr(9, 2));
  const int64_t minute = Number(name.substr(11, 2));
  const int64_t second = Number(name.substr(13, 2));
  if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60) {
    return -1;
  }
  const int64_t days = DaysFromCivil(Number(name.substr(0, 4)), month, day);
  return ((days * 24 + hour) * 60 + minute) * 60000000 + second * 1000000 +
         Number(name.substr(16, 6));
}

// Whether `name` is the temporary file of a version write (".NAME.saving").
bool VersionTemporary(std::string_view name) {
  constexpr std::string_view kSaving = ".saving";
  return name.size() > kSaving.size() + 1 && name.front() == '.' &&
         name.substr(name.size() - kSaving.size()) == kSaving &&
         VersionTime(name.substr(1, name.size() - kSaving.size() - 1)) >= 0;
}

struct Listing {
  bool folderExists = false;
  std::vector<Version> versions;  // newest first, sizes unknown
  std::vector<std::string> temporaries;
};

Listing ListFolderOf(const std::string& folder) {
  Listing listing;
  int64_t when = -1;
  bool temporary = false;
  VersionKind kind = VersionKind::kSaved;
  listing.folderExists = ListFolder(
      folder,
      [&](std::string_view name) {
        when = VersionTime(name, &kind);
        temporary = when < 0 && VersionTemporary(name);
        return when >= 0 || temporary;
      },
      [&](std::string_view name, bool regular) {
        if (!regular) return;
        const std::string path = folder + '/' + std::string(name);
        if (temporary) {
          listing.temporaries.push_back(path);
        } else {
          listing.versions.push_back({path, when, -1, kind, {}});
        }
      });
  // Newest first; within one microsecond the names decide, as they would for anyone sorting.
  std::sort(listing.versions.begin(), listing.versions.end(),
            [](const Version& a, const Version& b) {
              return a.microsUtc != b.microsUtc ? a.microsUtc > b.microsUtc : a.path > b.path;
            });
  return listing;
}

int64_t NowMicros() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// Whether the newest version of `listing` holds the text of `raw` (an entry file's bytes, whose
// text is `plain`; null where they do not open): the same bytes, or sealed, the same text.
bool NewestHolds(const Listing& listing, std::string_view raw, const std::string_view* plain,
                 const DiaryKeys& keys) {
  if (listing.versions.empty()) return false;
  const std::string& newest = listing.versions.front().path;
  // A plain diary's versions are compared by size first: most saves differ there.
  if (keys.Empty() && static_cast<size_t>(RegularFileState(newest).size) != raw.size()) {
    return false;
  }
  const WholeFile file = ReadWholeFile(newest);
  if (!file.complete) return false;
  const std::string_view bytes(file.bytes.get(), file.size);
  if (bytes == raw) return true;
  if (plain == nullptr || (!LooksSealed(bytes) && !LooksSealed(raw))) return false;
  const Opened opened = OpenBytes(keys, bytes);
  return (opened.result == Opening::kOpened || opened.result == Opening::kPlain) &&
         opened.bytes == *plain;
}

// Keeps an entry file's bytes `raw` (whose text is `plain`; null where they do not open) unless
// empty or held by the newest of `listing`; adds the new version to it. A version is kept in the
// form the diary writes now: an encrypted diary never keeps a text in plain, and one being
// decrypted keeps it plain; bytes that do not open are kept as they are.
SaveOutcome KeepIn(const std::string& folder, Listing& listing, std::string_view raw,
                   const std::string_view* plain, const DiarySealing& sealing,
                   VersionKind kind = VersionKind::kSaved) {
  if (raw.empty() || (plain != nullptr && plain->empty())) return {true, {}};
  if (NewestHolds(listing, raw, plain, *sealing.keys)) return {true, {}};
  if (!listing.folderExists && !MakePrivateDirectories(folder)) {
    return {false, "cannot make the history folder \"" + folder + "\""};
  }
  listing.folderExists = true;
  const int64_t now = NowMicros();
  const std::string path = folder + '/' + VersionName(now, kind);
  const DiaryKey* key = sealing.Sealing();
  const bool sealed = LooksSealed(raw);
  std::string converted;
  if (key != nullptr && !sealed) converted = SealBytes(*key, raw);
  if (key == nullptr && sealed && plain != nullptr) converted.assign(*plain);
  const bool asItIs = converted.empty() && (key == nullptr ? !sealed || plain == nullptr : sealed);
  SaveOutcome kept = ReplaceFileContents(path, asItIs ? raw : std::string_view(converted),
                                         NewFileAccess::kPrivate);
  if (kept.ok) listing.versions.insert(listing.versions.begin(), {path, now, -1, kind, {}});
  return kept;
}

// Removes all but the newest `limit` versions, and what killed version writes left.
void PruneIn(Listing& listing, size_t limit) {
  for (size_t i = limit; i < listing.versions.size(); ++i) RemoveFile(listing.versions[i].path);
  if (listing.versions.size() > limit) listing.versions.resize(limit);
  for (const std::string& path : listing.temporaries) RemoveFile(path);
  listing.temporaries.clear();
}

std::string RandomCharacters() {
  static const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, sizeof kAlphabet - 2);
  std::string out(kRandomLength, 'a');
  for (char& c : out) c = kAlphabet[pick(random)];
  return out;
}

}  // namespace

std::string HistoryFolder(const std::string& saveDir, const EntryKey& key) {
  return saveDir + "/.history/" + EntryStem(key);
}

std::string VersionName(int64_t microsUtc, VersionKind kind) {
  const QDateTime when = QDateTime::fromMSecsSinceEpoch(microsUtc / 1000, QTimeZone::utc());
  char micros[8];
  std::snprintf(micros, sizeof micros, "%06lld", static_cast<long long>(microsUtc % 1000000));
  return when.toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString() + '.' + micros + "Z-" +
         RandomCharacters() +
         (kind == VersionKind::kElsewhere ? std::string(kElsewhereTag) : std::string()) +
         std::string(kSuffix);
}

std::vector<Version> ListVersions(const std::string& saveDir, const EntryKey& key) {
  std::vector<Version> versions = ListFolderOf(HistoryFolder(saveDir, key)).versions;
  // A sync tool's conflict copy beside the entry is a version too, as old as its last write.
  const std::string month = MonthDirectory(saveDir, key.year, key.month);
  ListMonthEntries(
      saveDir, key.year, key.month, key.tab + 1, [&](const EntryName& name, bool regular) {
        if (!regular || !name.conflict || name.day != key.day || name.tab != key.tab) {
          return;
        }
        const std::string path = month + '/' + std::string(name.file);
        const FileState state = RegularFileState(path);
        if (!state.known) return;
        versions.push_back({path, state.mtimeSec * 1000000 + state.mtimeNsec / 1000, state.size,
                            VersionKind::kSyncCopy, std::string(name.tail)});
      });
  for (Version& v : versions) v.size = RegularFileState(v.path).size;
  std::sort(versions.begin(), versions.end(), [](const Version& a, const Version& b) {
    return a.microsUtc != b.microsUtc ? a.microsUtc > b.microsUtc : a.path > b.path;
  });
  return versions;
}

std::string ReadVersion(const std::string& path) {
  DiaryFileRead read = ReadDiaryFile(path);
  if (!read.read || (read.result != Opening::kOpened && read.result != Opening::kPlain)) return {};
  return std::move(read.bytes);
}

SaveOutcome KeepVersion(const std::string& saveDir, const EntryKey& key, std::string_view bytes) {
  const std::string folder = HistoryFolder(saveDir, key);
  const DiarySealing sealing = SealingOfDiary(saveDir);
  if (sealing.locked) return {false, "the diary is encrypted and not unlocked"};
  Listing listing = ListFolderOf(folder);
  const bool sealed = LooksSealed(bytes);
  const Opened opened = sealed ? OpenBytes(*sealing.keys, bytes) : Opened{Opening::kPlain, {}};
  const std::string_view text = sealed ? std::string_view(opened.bytes) : bytes;
  const bool readable = !sealed || opened.result == Opening::kOpened;
  return KeepIn(folder, listing, bytes, readable ? &text : nullptr, sealing);
}

void PruneVersions(const std::string& saveDir, const EntryKey& key, size_t limit) {
  Listing listing = ListFolderOf(HistoryFolder(saveDir, key));
  PruneIn(listing, limit);
}

EntrySave SaveEntryKeepingHistory(const std::string& saveDir, const EntryKey& key,
                                  std::string_view text, const EntryState* loaded,
                                  const InPlace* inPlace) {
  EntrySave save{{}, {true, {}}, false, {}};
  const std::string path = EntryPath(saveDir, key);
  if (EntryLeavesDiary(saveDir, path)) {
    save.entry = {false, "\"" + path + "\" is a link to a file outside the diary"};
    return save;
  }
  const DiarySealing sealing = SealingOfDiary(saveDir);
  if (sealing.locked) {
    save.entry = {false, "the diary is encrypted and not unlocked"};
    return save;
  }
  const DiaryKeys& keys = *sealing.keys;
  const DiaryKey* sealWith = sealing.Sealing();
  const std::string_view end = inPlace != nullptr ? inPlace->end : std::string_view("\0", 1);
  std::string plain;
  plain.reserve(text.size() + end.size());
  plain.append(text).append(end);
  std::string written;    // what the entry file holds after the save
  bool holdsIt = false;   // it held the text sealed already: nothing was written
  uint64_t heldHash = 0;  // of the bytes it held then
  std::string target;     // where the bytes went, links followed
  std::string linked;     // a version that is the replaced file itself, under a second name
  const std::string folder = HistoryFolder(saveDir, key);
  const SaveOutcome changedElsewhere{false, "\"" + path + "\" was changed by another program"};
  save.entry = WithEntryHeld(path, [&](const std::string& to) -> SaveOutcome {
    target = to;
    const WholeFile old = ReadWholeFile(target);
    if (!old.complete) {
      save.version = {false, "cannot read the text it replaces: " + old.error};
      if (inPlace != nullptr) return changedElsewhere;
      written = sealWith != nullptr ? SealBytes(*sealWith, plain) : plain;
      return ReplaceFileContents(target, written);
    }
    const std::string_view held(old.bytes.get(), old.size);
    if (inPlace != nullptr && loaded != nullptr && HashBytes(held) != loaded->hash) {
      save.displaced = true;
      return changedElsewhere;
    }
    // What the file held, as text: a sealed file opened (a damaged one has none), a plain one as
    // it is.
    const bool sealedBefore = LooksSealed(held);
    const Opened opened = sealedBefore ? OpenBytes(keys, held) : Opened{Opening::kPlain, {}};
    const bool readable = !sealedBefore || opened.result == Opening::kOpened;
    const std::string_view heldText = sealedBefore ? std::string_view(opened.bytes) : held;
    const bool same = readable && heldText == plain;
    // Sealing the same text again would give other bytes, which a sync tool carries to every
    // device for nothing.
    if (same && sealWith != nullptr && SealedKeyId(held) == sealWith->Id()) {
      holdsIt = true;
      heldHash = HashBytes(held);
      return {true, {}};
    }
    // One listing of the history folder serves the comparison, the keeping and the pruning,
    // all while the entry is held, so no other save of it is under way.
    Listing listing = ListFolderOf(folder);
    const FileState entryState = RegularFileState(target);
    if (!listing.versions.empty() && entryState.known &&
        RegularFileState(listing.versions.front().path).inode == entryState.inode &&
        RegularFileState(listing.versions.front().path).device == entryState.device) {
      // A save killed between keeping its version and replacing the entry: that "version"
      // is the entry itself, and is made again below.
      RemoveFile(listing.versions.front().path);
      listing.versions.erase(listing.versions.begin());
    }
    save.displaced = loaded != nullptr && !held.empty() && !same && HashBytes(held) != loaded->hash;
    const VersionKind kind = save.displaced ? VersionKind::kElsewhere : VersionKind::kSaved;
    if (!same && !held.empty() &&
        !NewestHolds(listing, held, readable ? &heldText : nullptr, keys)) {
      // The replaced file becomes the version: the save's rename leaves its bytes to the
      // second name, so keeping them costs a link and a flush of the folder, no copy. Where
      // links cannot be made, the bytes are copied with the atomic writer; and an encrypted
      // diary never links a plain file into its history: its text is kept sealed.
      const bool mayLink = sealedBefore == (sealWith != nullptr);
      if (mayLink && (listing.folderExists || MakePrivateDirectories(folder))) {
        listing.folderExists = true;
        const int64_t now = NowMicros();
        const std::string version = folder + '/' + VersionName(now, kind);
        if (LinkFile(target, version)) {
          if (SyncFolder(folder)) {
            linked = version;
            listing.versions.insert(listing.versions.begin(), {version, now, -1, kind, {}});
          } else {
            RemoveFile(version);
          }
        }
      }
      if (linked.empty()) {
        save.version = KeepIn(folder, listing, held, readable ? &heldText : nullptr, sealing, kind);
      }
    }
    PruneIn(listing, kHistoryLimit);
    written = sealWith != nullptr ? SealBytes(*sealWith, plain) : std::move(plain);
    return ReplaceFileContents(target, written);
  });
  if (save.entry.ok) {
    save.state = {RegularFileState(target), holdsIt ? heldHash : HashBytes(written)};
  }
  if (!linked.empty()) {
    if (save.entry.ok) {
      MakeFilePrivate(linked);  // the entry's old file now lives on as the version alone
    } else {
      RemoveFile(linked);  // the entry still holds these bytes: no version of them is needed
    }
  }
  return save;
}

}  // namespace marrowleaf

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

// Keeps `bytes` unless empty or equal to the newest of `listing`; adds the new version to it.
SaveOutcome KeepIn(const std::string& folder, Listing& listing, std::string_view bytes,
                   VersionKind kind = VersionKind::kSaved) {
  if (bytes.empty()) return {true, {}};
  if (!listing.versions.empty()) {
    const Version& newest = listing.versions.front();
    if (static_cast<size_t>(RegularFileState(newest.path).size) == bytes.size() &&
        ReadVersion(newest.path) == bytes) {
      return {true, {}};  // the newest version holds these bytes already
    }
  }
  if (!listing.folderExists && !MakePrivateDirectories(folder)) {
    return {false, "cannot make the history folder \"" + folder + "\""};
  }
  listing.folderExists = true;
  const int64_t now = NowMicros();
  const std::string path = folder + '/' + VersionName(now, kind);
  SaveOutcome kept = ReplaceFileContents(path, bytes, NewFileAccess::kPrivate);
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
  WholeFile file = ReadWholeFile(path);
  if (!file.complete) return {};
  return std::string(file.bytes.get(), file.size);
}

SaveOutcome KeepVersion(const std::string& saveDir, const EntryKey& key, std::string_view bytes) {
  const std::string folder = HistoryFolder(saveDir, key);
  Listing listing = ListFolderOf(folder);
  return KeepIn(folder, listing, bytes);
}

void PruneVersions(const std::string& saveDir, const EntryKey& key, size_t limit) {
  Listing listing = ListFolderOf(HistoryFolder(saveDir, key));
  PruneIn(listing, limit);
}

EntrySave SaveEntryKeepingHistory(const std::string& saveDir, const EntryKey& key,
                                  std::string_view text, const EntryState* loaded,
                                  const InPlace* inPlace) {
  EntrySave save{{}, {true, {}}, false, {}};
  if (EntryLeavesDiary(saveDir, EntryPath(saveDir, key))) {
    save.entry = {false,
                  "\"" + EntryPath(saveDir, key) + "\" is a link to a file outside the diary"};
    return save;
  }
  std::string linked;  // a version that is the replaced file itself, under a second name
  const std::string folder = HistoryFolder(saveDir, key);
  save.entry = WriteEntryFile(
      EntryPath(saveDir, key), text,
      [&](const std::string& target, std::string_view bytes) {
        const WholeFile old = ReadWholeFile(target);
        if (!old.complete) {
          save.version = {false, "cannot read the text it replaces: " + old.error};
          return inPlace == nullptr;
        }
        if (inPlace != nullptr && loaded != nullptr &&
            HashBytes(std::string_view(old.bytes.get(), old.size)) != loaded->hash) {
          save.displaced = true;
          return false;
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
        const std::string_view held(old.bytes.get(), old.size);
        save.displaced =
            loaded != nullptr && !held.empty() && held != bytes && HashBytes(held) != loaded->hash;
        const VersionKind kind = save.displaced ? VersionKind::kElsewhere : VersionKind::kSaved;
        if (held != bytes && !held.empty()) {
          const bool sameAsNewest =
              !listing.versions.empty() &&
              static_cast<size_t>(RegularFileState(listing.versions.front().path).size) ==
                  held.size() &&
              ReadVersion(listing.versions.front().path) == held;
          if (!sameAsNewest) {
            // The replaced file becomes the version: the save's rename leaves its bytes to the
            // second name, so keeping them costs a link and a flush of the folder, no copy.
            // Where links cannot be made, the bytes are copied with the atomic writer.
            if (listing.folderExists || MakePrivateDirectories(folder)) {
              listing.folderExists = true;
              const int64_t now = NowMicros();
              const std::string path = folder + '/' + VersionName(now, kind);
              if (LinkFile(target, path)) {
                if (SyncFolder(folder)) {
                  linked = path;
                  listing.versions.insert(listing.versions.begin(), {path, now, -1, kind, {}});
                } else {
                  RemoveFile(path);
                }
              }
            }
            if (linked.empty()) save.version = KeepIn(folder, listing, held, kind);
          }
        }
        PruneIn(listing, kHistoryLimit);
        return true;
      },
      inPlace != nullptr ? inPlace->end : std::string_view("\0", 1));
  if (save.entry.ok) {
    const std::string target = ResolveSymlinks(EntryPath(saveDir, key));
    ByteHash written;  // the text and its NUL, as the save wrote them, without a copy of both
    written.Add(text);
    written.Add(inPlace != nullptr ? inPlace->end : std::string_view("\0", 1));
    save.state = {RegularFileState(target), written.Value()};
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

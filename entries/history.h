// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "entries/entryfiles.h"

// Earlier versions of an entry: plain files in the entry format, inside the save directory so
// that they travel with the diary, at saveDir/.history/YEAR/MONTH/DAY_TAB/. Each is named by the
// UTC time it was kept, to the microsecond, and a few random characters, so that names sort by
// time and two machines syncing one diary never make the same name.
namespace marrowleaf {

// The newest versions kept of each entry; older ones are removed after a save of that entry.
inline constexpr size_t kHistoryLimit = 50;

std::string HistoryFolder(const std::string& saveDir, const EntryKey& key);

// Where a version came from.
enum class VersionKind {
  kSaved,      // the text a save of this program replaced
  kElsewhere,  // text another program wrote, found on disk when this program saved over it
  kSyncCopy,   // a sync tool's conflict copy beside the entry
};

// A new version's file name for the time `microsUtc` (microseconds since 1970, UTC); a version
// written elsewhere says so in its name ("...-elsewhere.txt").
std::string VersionName(int64_t microsUtc, VersionKind kind = VersionKind::kSaved);

struct Version {
  std::string path;
  int64_t microsUtc = 0;  // when it was kept (a sync copy: when it was last written)
  int64_t size = 0;       // bytes on disk, the NUL and what follows it included
  VersionKind kind = VersionKind::kSaved;
  // A sync copy's name after the entry's own ("7_0" + ".sync-conflict-20261208-...-ABCDEFG.txt"),
  // which tells the copies of several devices apart.
  std::string copyName;
};

// The versions of the entry, newest first, with the sync tools' conflict copies beside the entry.
// Anything in the folder not named as a version (a temporary file of a save under way, a user's
// own file) is no version.
std::vector<Version> ListVersions(const std::string& saveDir, const EntryKey& key);

// Keeps `bytes` (an entry file's whole content) as the newest version, unless they are empty or
// equal to the newest version already kept. Written private and atomically: a version is whole
// or absent.
SaveOutcome KeepVersion(const std::string& saveDir, const EntryKey& key, std::string_view bytes);

// Removes all but the newest `limit` versions of the entry, and what killed version writes left.
void PruneVersions(const std::string& saveDir, const EntryKey& key, size_t limit = kHistoryLimit);

// A version's whole bytes; empty when it cannot be read.
std::string ReadVersion(const std::string& path);

struct EntrySave {
  SaveOutcome entry;       // the save of the text itself
  SaveOutcome version;     // keeping the bytes it replaced; ok when there was nothing to keep
  bool displaced = false;  // the file was not what `loaded` said: another program wrote it
  EntryState state;        // the entry file after a successful save
};

// The save step's write: the entry's text and its NUL over the existing entry, as WriteEntryFile
// does, after keeping the bytes it replaces (when they differ) as a version. When `loaded` is
// given and the file no longer is what it describes, the bytes on disk are kept as written
// elsewhere. A version that cannot be kept does not stop the save; the caller hears of both.
//
// A rewrite of an entry that changes a part of its text and nothing else (a tag's rename) says
// `inPlace`: an entry that is no longer what `loaded` says is left as it is (`displaced`, and
// the save not ok), and what followed the text in the file (its NUL and any remains of an older
// text after it, or nothing) stays.
struct InPlace {
  std::string_view end;  // what followed the text
};
EntrySave SaveEntryKeepingHistory(const std::string& saveDir, const EntryKey& key,
                                  std::string_view text, const EntryState* loaded = nullptr,
                                  const InPlace* inPlace = nullptr);

}  // namespace marrowleaf

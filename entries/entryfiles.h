#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "config/savefile.h"

// Entry files as bytes: where an entry lives, whether it exists, creating it, reading it up to its
// first NUL and writing it back. Every path starts at the save directory the caller gives.
namespace marrowleaf {

struct EntryKey {
  uint16_t year = 0;
  uint16_t month = 0;
  uint16_t day = 0;
  int tab = 0;
};

std::string YearDirectory(const std::string& saveDir, uint16_t year);
std::string MonthDirectory(const std::string& saveDir, uint16_t year, uint16_t month);
// saveDir/year/month/day_tab.txt, numbers in decimal without leading zeros; not normalised.
std::string EntryPath(const std::string& saveDir, const EntryKey& key);

bool IsFile(const std::string& path);  // a regular file; directories and devices do not count
bool IsDirectory(const std::string& path);

// One level, private to the user (0700 whatever the umask); failures are ignored.
void MakePrivateDirectory(const std::string& path);
// Creates an empty entry file (0600 whatever the umask). Never replaces an existing name: a file
// that appeared since the caller looked is left alone. Failures are ignored.
void CreateEmptyEntryFile(const std::string& path);

struct EntryRead {
  bool ok = false;
  std::string text;   // the bytes up to the first NUL, or the whole file if it has none
  std::string error;  // why the entry could not be read
};

// Opens the entry for reading and writing, exclusively: a file that is read-only, not a regular
// file, or locked by another copy of the program does not load.
EntryRead ReadEntryFile(const std::string& path);

// Writes text and its terminating NUL over the existing entry, atomically. The entry must exist,
// be a regular file writable by us and not be locked by another copy; otherwise nothing changes.
SaveOutcome WriteEntryFile(const std::string& path, std::string_view text);

// Keeps a text whose save failed: a new private file `name` in `dir` (created if missing).
SaveOutcome WriteRecoveryFile(const std::string& dir, const std::string& name,
                              std::string_view text);

}  // namespace marrowleaf

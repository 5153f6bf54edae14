// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/entryfiles.h"

#include <QDateTime>
#include <algorithm>
#include <cstring>

namespace marrowleaf {

std::string YearDirectory(const std::string& saveDir, uint16_t year) {
  return saveDir + '/' + std::to_string(year);
}

std::string MonthDirectory(const std::string& saveDir, uint16_t year, uint16_t month) {
  return YearDirectory(saveDir, year) + '/' + std::to_string(month);
}

std::string EntryPath(const std::string& saveDir, const EntryKey& key) {
  return MonthDirectory(saveDir, key.year, key.month) + '/' + std::to_string(key.day) + '_' +
         std::to_string(key.tab) + ".txt";
}

void CreateEmptyEntryFile(const std::string& path) { CreateEmptyPrivateFile(path); }

bool CreateMissingEntry(const std::string& saveDir, const EntryKey& key) {
  const std::string yearDir = YearDirectory(saveDir, key.year);
  if (!IsDirectory(yearDir)) MakePrivateDirectory(yearDir);
  const std::string monthDir = MonthDirectory(saveDir, key.year, key.month);
  if (!IsDirectory(monthDir)) MakePrivateDirectory(monthDir);
  const std::string path = EntryPath(saveDir, key);
  if (IsFile(path)) return false;
  CreateEmptyEntryFile(path);
  return true;
}

uint64_t HashBytes(std::string_view bytes) {
  // Four lanes of eight bytes, each multiplied and mixed, so that the multiplications do not
  // wait on one another: every load hashes the whole entry, and a byte loop would cost a 10 MiB
  // entry more than reading it. Enough to tell one text of an entry from another.
  constexpr uint64_t kPrime = 0x9E3779B97F4A7C15ull;
  uint64_t lanes[4] = {0xCBF29CE484222325ull, 0x84222325CBF29CE4ull, 0x100000001B3ull,
                       bytes.size() * kPrime};
  const auto mix = [](uint64_t hash, uint64_t word) {
    hash = (hash ^ word) * kPrime;
    return hash ^ (hash >> 29);
  };
  size_t at = 0;
  for (; at + 32 <= bytes.size(); at += 32) {
    for (int lane = 0; lane < 4; ++lane) {
      uint64_t word = 0;
      std::memcpy(&word, bytes.data() + at + 8 * lane, 8);
      lanes[lane] = mix(lanes[lane], word);
    }
  }
  uint64_t hash = mix(mix(mix(lanes[0], lanes[1]), lanes[2]), lanes[3]);
  for (; at < bytes.size(); at += 8) {
    uint64_t word = 0;
    std::memcpy(&word, bytes.data() + at, std::min<size_t>(8, bytes.size() - at));
    hash = mix(hash, word);
  }
  return hash ^ (hash >> 32);
}

EntryChange CheckEntry(const std::string& path, const EntryState& known) {
  const FileState now = RegularFileState(path);
  if (!now.known) return known.file.known ? EntryChange::kDeleted : EntryChange::kSame;
  if (!known.file.known) return EntryChange::kChanged;  // a file where there was none
  if (now == known.file && now.mtimeNsec != 0) return EntryChange::kSame;
  const WholeFile file = ReadWholeFile(path);
  if (!file.complete) return EntryChange::kChanged;
  return HashBytes(std::string_view(file.bytes.get(), file.size)) == known.hash
             ? EntryChange::kSame
             : EntryChange::kChanged;
}

EntryRead ReadEntryFile(const std::string& path) {
  EntryRead result;
  auto file = std::make_unique<ExclusiveFile>(path, ExclusiveFile::Access::kReadWrite);
  if (!file->IsOpen() && file->Refused()) {
    // A file without write permission or on a read-only disk is still the user's text.
    file = std::make_unique<ExclusiveFile>(path, ExclusiveFile::Access::kRead);
    result.readOnly = true;
  }
  if (!file->IsOpen() || !file->ReadAll(result.text)) {
    result.error = file->Error();
    result.text.clear();
    result.readOnly = false;
    return result;
  }
  result.state = {file->State(), HashBytes(result.text)};
  // The text ends at the first NUL: bytes after it are remains of an older, longer text.
  if (const void* nul = std::memchr(result.text.data(), '\0', result.text.size())) {
    result.text.resize(static_cast<size_t>(static_cast<const char*>(nul) - result.text.data()));
  }
  result.ok = true;
  return result;
}

SaveOutcome WriteEntryFile(
    const std::string& path, std::string_view text,
    const std::function<void(const std::string& target, std::string_view bytes)>& beforeReplace) {
  const std::string target = ResolveSymlinks(path);
  // The entry must already exist and be writable by us: the lock is held on the old file while
  // the new content replaces it.
  ExclusiveFile held(target, ExclusiveFile::Access::kWrite);
  if (!held.IsOpen()) return {false, "cannot write \"" + path + "\": " + held.Error()};
  std::string bytes;
  bytes.reserve(text.size() + 1);
  bytes.append(text);
  bytes.push_back('\0');
  if (beforeReplace) beforeReplace(target, bytes);
  SaveOutcome outcome = ReplaceFileContents(target, bytes);
  // Closing releases the lock; like every call of a save, its failure is not kept quiet.
  if (!held.Close() && outcome.ok) {
    outcome = {false, "cannot write \"" + path + "\": closing the entry failed: " + held.Error()};
  }
  return outcome;
}

SaveOutcome WriteRecoveryFile(const std::string& dir, const std::string& name,
                              std::string_view text) {
  MakePrivateDirectories(dir);
  return WriteNewPrivateFile(dir + '/' + name, text);
}

RecoveryCopy KeepRecoveryCopy(const std::string& dir, const EntryKey& key, std::string_view bytes) {
  const std::string stamp =
      QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
  const std::string base = std::to_string(key.year) + '-' + std::to_string(key.month) + '-' +
                           std::to_string(key.day) + '_' + std::to_string(key.tab) + '_' + stamp;
  RecoveryCopy copy{{false, "no file name was free"}, {}};
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name =
        base + (attempt == 0 ? std::string() : '-' + std::to_string(attempt)) + ".txt";
    copy.path = dir + '/' + name;
    copy.outcome = WriteRecoveryFile(dir, name, bytes);
    // A name already taken (a second failure within the same second) moves on to the next.
    if (copy.outcome.ok || !IsFile(copy.path)) break;
  }
  return copy;
}

}  // namespace marrowleaf

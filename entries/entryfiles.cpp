// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/entryfiles.h"

#include <xxhash.h>

#include <QDateTime>
#include <cstring>
#include <new>

#include "crypto/sealedfiles.h"

namespace marrowleaf {

void CreateEmptyEntryFile(const std::string& path) { CreateEmptyPrivateFile(path); }

namespace {

// The year and the month folder where missing, one level each, private; failures are ignored.
void MakeEntryFolders(const std::string& saveDir, const EntryKey& key) {
  const std::string yearDir = YearDirectory(saveDir, key.year);
  if (!IsDirectory(yearDir)) MakePrivateDirectory(yearDir);
  const std::string monthDir = MonthDirectory(saveDir, key.year, key.month);
  if (!IsDirectory(monthDir)) MakePrivateDirectory(monthDir);
}

}  // namespace

bool CreateMissingEntry(const std::string& saveDir, const EntryKey& key) {
  MakeEntryFolders(saveDir, key);
  const std::string path = EntryPath(saveDir, key);
  if (IsFile(path)) return false;
  CreateEmptyEntryFile(path);
  return true;
}

NewEntry CreateEntryWithText(const std::string& saveDir, const EntryKey& key,
                             std::string_view text) {
  MakeEntryFolders(saveDir, key);
  const std::string path = EntryPath(saveDir, key);
  NewEntry made;
  if (IsFile(path)) return made;
  if (!CreateEmptyPrivateFile(path)) {
    made.created = !IsFile(path);  // else another program made the entry a moment ago
    made.text = {false, "cannot create \"" + path + "\""};
    return made;
  }
  made.created = true;
  const DiarySealing sealing = SealingOfDiary(saveDir);
  if (sealing.locked) {
    made.text = {false, "the diary is encrypted and not unlocked"};
    return made;
  }
  // The empty file is ours until its text is in: held, and checked to be the same empty file.
  const FileState empty = RegularFileState(path);
  ExclusiveFile held(path, ExclusiveFile::Access::kWrite);
  if (!held.IsOpen()) {
    made.text = {false, "cannot write \"" + path + "\": " + held.Error()};
    return made;
  }
  const FileState now = held.State();
  if (!empty.known || now.device != empty.device || now.inode != empty.inode || now.size != 0) {
    made.text = {false, "another program wrote \"" + path + "\" meanwhile"};
    return made;
  }
  std::string bytes;
  bytes.reserve(text.size() + 1);
  bytes.append(text);
  bytes.push_back('\0');
  // The file exists, so the writer keeps its private permissions.
  const DiaryKey* sealWith = sealing.Sealing();
  made.text = ReplaceFileContents(path, sealWith != nullptr ? SealBytes(*sealWith, bytes) : bytes);
  if (!held.Close() && made.text.ok) {
    made.text = {false, "cannot write \"" + path + "\": closing the entry failed: " + held.Error()};
  }
  return made;
}

// XXH3 takes its state on the heap: it is 576 bytes, aligned to 64.
struct ByteHash::State {
  XXH3_state_t* xxh = XXH3_createState();
  State() {
    if (xxh == nullptr) throw std::bad_alloc();
    XXH3_64bits_reset(xxh);
  }
  ~State() { XXH3_freeState(xxh); }
  State(const State&) = delete;
  State& operator=(const State&) = delete;
};

ByteHash::ByteHash() : state(std::make_unique<State>()) {}
ByteHash::~ByteHash() = default;

void ByteHash::Add(std::string_view bytes) {
  XXH3_64bits_update(state->xxh, bytes.data(), bytes.size());
}

uint64_t ByteHash::Value() const { return XXH3_64bits_digest(state->xxh); }

uint64_t HashBytes(std::string_view bytes) { return XXH3_64bits(bytes.data(), bytes.size()); }

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

std::string_view EntryTextOf(std::string_view file) {
  const void* nul = std::memchr(file.data(), '\0', file.size());
  return nul == nullptr
             ? file
             : file.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - file.data()));
}

EntryRead ReadEntryFile(const std::string& path) {
  EntryRead result;
  auto file = std::make_unique<ExclusiveFile>(path, ExclusiveFile::Access::kReadWrite);
  if (!file->IsOpen() && file->Refused()) {
    // A file without write permission or on a read-only disk is still the user's text.
    file = std::make_unique<ExclusiveFile>(path, ExclusiveFile::Access::kRead);
    result.readOnly = true;
  }
  // The hash and the look for the NUL take each piece as it is read, while it is still in the
  // processor's cache: a second pass over a large entry would cost as much as the read.
  ByteHash hash;
  size_t read = 0;
  size_t textEnd = std::string::npos;
  const auto each = [&](std::string_view piece) {
    hash.Add(piece);
    if (textEnd == std::string::npos) {
      const size_t text = EntryTextOf(piece).size();
      if (text < piece.size()) textEnd = read + text;
    }
    read += piece.size();
  };
  if (!file->IsOpen() || !file->ReadAll(result.text, each)) {
    result.error = file->Error();
    result.text.clear();
    result.readOnly = false;
    return result;
  }
  result.state = {file->State(), hash.Value()};
  if (LooksSealed(result.text)) {
    // Opened first, then cut at its NUL: the NUL and what follows it are sealed with the text.
    Opened opened = OpenBytes(*SealingFor(path).keys, result.text);
    result.opening = opened.result;
    if (opened.result != Opening::kOpened) {
      result.error = WhyNotOpened(opened.result);
      result.text.clear();
      result.readOnly = false;
      return result;
    }
    result.text = std::move(opened.bytes);
    textEnd = EntryTextOf(result.text).size();
  }
  // The text ends at the first NUL: bytes after it are remains of an older, longer text.
  if (textEnd < result.text.size()) result.text.resize(textEnd);
  result.ok = true;
  return result;
}

SaveOutcome WithEntryHeld(const std::string& path,
                          const std::function<SaveOutcome(const std::string& target)>& write) {
  const std::string target = ResolveSymlinks(path);
  // The entry must already exist and be writable by us: the lock is held on the old file while
  // the new content replaces it.
  ExclusiveFile held(target, ExclusiveFile::Access::kWrite);
  if (!held.IsOpen()) return {false, "cannot write \"" + path + "\": " + held.Error()};
  SaveOutcome outcome = write(target);
  // Closing releases the lock; like every call of a save, its failure is not kept quiet.
  if (!held.Close() && outcome.ok) {
    outcome = {false, "cannot write \"" + path + "\": closing the entry failed: " + held.Error()};
  }
  return outcome;
}

SaveOutcome WriteEntryFile(const std::string& path, std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() + 1);
  bytes.append(text);
  bytes.push_back('\0');
  const DiarySealing sealing = SealingFor(path);
  const DiaryKey* key = sealing.Sealing();
  return WithEntryHeld(path, [&](const std::string& target) {
    return ReplaceFileContents(target, key != nullptr ? SealBytes(*key, bytes) : bytes);
  });
}

bool EntryLeavesDiary(const std::string& saveDir, const std::string& path) {
  if (!IsSymlink(path)) return false;
  const std::string diary = CanonicalPath(saveDir);
  const std::string target = CanonicalPath(path);
  return diary.empty() || target.compare(0, diary.size() + 1, diary + '/') != 0;
}

SaveOutcome HandEntryToEditor(const std::string& path) {
  const std::string target = ResolveSymlinks(path);
  ExclusiveFile held(target, ExclusiveFile::Access::kReadWrite);
  std::string bytes;
  if (!held.IsOpen() || !held.ReadAll(bytes)) {
    return {false, "cannot read \"" + path + "\": " + held.Error()};
  }
  // Sealed bytes are no text: cut at a NUL they would never open again.
  if (LooksSealed(bytes)) return {false, "\"" + path + "\" is encrypted"};
  const std::string_view text = EntryTextOf(bytes);
  if (text.size() == bytes.size()) return {true, {}};
  SaveOutcome outcome = ReplaceFileContents(target, text);
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
  const std::string base = EntryFlatName(key) + '_' + stamp;
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

// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "crypto/sealing.h"
#include "entries/entrykey.h"
#include "platform/files.h"

// Entry files as bytes: whether an entry exists, creating it, reading it up to its first NUL and
// writing it back. Every path starts at the save directory the caller gives; the names are
// entrykey.h's. In an encrypted diary an entry file is its bytes sealed (crypto/sealing.h): the
// readers here open it first and then cut its text at the NUL, and the writers seal what they
// write, with the keys the process holds for the diary (crypto/unlocked.h); a plain file there is
// read as it is.
namespace marrowleaf {

// Creates an empty entry file (0600 whatever the umask). Never replaces an existing name: a file
// that appeared since the caller looked is left alone. Failures are ignored.
void CreateEmptyEntryFile(const std::string& path);

// "create": the year and the month folder where missing (one level each, private), then an empty
// entry file where none is. True when no entry file was there before, which the window then shows
// as a new, empty entry whether or not the file could be made.
bool CreateMissingEntry(const std::string& saveDir, const EntryKey& key);

// "create" with a first text (a filled template): as CreateMissingEntry, then the text and its
// NUL (sealed in an encrypted diary) replace the empty file through the atomic writer, while it
// is held and only if it is still the empty file made here. A kill in between leaves the empty
// entry that "create" makes without a text; an entry that appeared meanwhile is never touched.
struct NewEntry {
  bool created = false;  // no entry file was there: the window shows a new entry
  SaveOutcome text;      // whether the file holds the text
};
NewEntry CreateEntryWithText(const std::string& saveDir, const EntryKey& key,
                             std::string_view text);

// Whether the entry file is a symbolic link to a file outside the save directory (both resolved,
// as the save directory may be a link itself). Such an entry is shown, never written: a synced
// folder can carry links from another device, and a save would land wherever they point.
bool EntryLeavesDiary(const std::string& saveDir, const std::string& path);

// Before an external editor gets the entry: editors take the entry's NUL for binary data, so the
// file is rewritten (atomically, while held) as its text alone, which reads back the same. An
// entry without a NUL is left as it is.
SaveOutcome HandEntryToEditor(const std::string& path);

// What an entry file was when the window last loaded or saved it, to tell later whether another
// program (a sync tool, an editor, a second copy of the diary) has written it since.
struct EntryState {
  FileState file;     // unknown: there was no file
  uint64_t hash = 0;  // of the whole file, so that a touched but unchanged file is no change
};

// A hash of bytes that may come in pieces (as a file is read): the same bytes give the same
// value however they are cut (XXH3, 64 bits). Enough to tell one text of an entry from another.
class ByteHash {
 public:
  ByteHash();
  ~ByteHash();
  ByteHash(const ByteHash&) = delete;
  ByteHash& operator=(const ByteHash&) = delete;
  void Add(std::string_view bytes);
  uint64_t Value() const;

 private:
  struct State;
  std::unique_ptr<State> state;
};

uint64_t HashBytes(std::string_view bytes);

enum class EntryChange { kSame, kChanged, kDeleted };

// Compares the entry file with what was known of it. One look at the file's state decides when
// nothing about it moved; otherwise, and where the file system keeps times in whole seconds (so
// that two writes within one second look alike), the bytes are read and their hash decides.
EntryChange CheckEntry(const std::string& path, const EntryState& known);

// An entry file's text: its bytes up to the first NUL, or all of them where there is none. What
// follows the NUL is the remains of an older, longer text, never shown.
std::string_view EntryTextOf(std::string_view file);

struct EntryRead {
  bool ok = false;
  // kPlain or kOpened when read; a sealed file that did not open says why here, with `ok` false
  // and `state` set (the file is there: damaged, or of a key that is not held).
  Opening opening = Opening::kPlain;
  EntryState state;
  bool readOnly = false;  // the file may be read but not written: it is shown, never saved
  std::string text;       // the bytes up to the first NUL, or the whole file if it has none
  std::string error;      // why the entry could not be read
};

// Opens the entry exclusively, for reading and writing where allowed, else for reading alone. A
// file that is not a regular file, or that another copy of the program holds, does not load.
EntryRead ReadEntryFile(const std::string& path);

// Writes text and its terminating NUL over the existing entry, atomically (sealed where its diary
// is held sealing). The entry must exist, be a regular file writable by us and not be held by
// another copy; otherwise nothing changes.
SaveOutcome WriteEntryFile(const std::string& path, std::string_view text);

// Runs `write` while the existing entry at `path` is held against the program's other copies,
// with the path its bytes really go to (links followed); a failed close counts as a failed write.
SaveOutcome WithEntryHeld(const std::string& path,
                          const std::function<SaveOutcome(const std::string& target)>& write);

// Keeps a text whose save failed: a new private file `name` in `dir` (created if missing). Plain:
// the user opens it by hand. (An encrypted diary keeps such a text in the entry's draft instead.)
SaveOutcome WriteRecoveryFile(const std::string& dir, const std::string& name,
                              std::string_view text);

struct RecoveryCopy {
  SaveOutcome outcome;
  std::string path;  // where the text was kept
};
// Keeps the bytes of the entry `key` in `dir` under a name that says which entry they belong to
// and when they were kept ("2004-3-7_0_20040307-120000.txt", "-1", "-2" ... when taken).
RecoveryCopy KeepRecoveryCopy(const std::string& dir, const EntryKey& key, std::string_view bytes);

}  // namespace marrowleaf

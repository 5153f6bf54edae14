// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "crypto/diarykey.h"
#include "crypto/sealing.h"
#include "crypto/unlocked.h"
#include "platform/files.h"

// The files of a diary that may be encrypted, on disk: read whatever they hold (sealed or plain),
// write them sealed only when their text changes, and seal or open large files in pieces.
namespace marrowleaf {

struct DiaryFileRead {
  bool read = false;     // the whole file was read; `result` tells the rest
  bool missing = false;  // there was no such file
  Opening result = Opening::kDamaged;
  std::string bytes;  // as OpenBytes gives them
  FileState state;    // the file as read
  std::string error;  // why it could not be read
};
// Reads a file of the diary, sealed or plain alike; with no keys (a plain or locked diary) a
// sealed file says kNeedsKey.
DiaryFileRead ReadDiaryFile(const std::string& path, const DiaryKeys& keys);

// The same with the keys this process holds for the diary that `path` lies in (SealingFor).
DiaryFileRead ReadDiaryFile(const std::string& path);

// Why a file did not open, in words for a message (kOpened and kPlain: empty).
std::string WhyNotOpened(Opening result);

// Writes `plain` as the file `path` of the diary at `saveDir` (an attachment, a version) through
// the atomic writer: sealed where the diary seals, plain in a plain diary, and nothing at all in
// an encrypted diary that is not unlocked here.
SaveOutcome WriteDiaryFile(const std::string& saveDir, const std::string& path,
                           std::string_view plain, NewFileAccess access = NewFileAccess::kPrivate);

// Whether a file's bytes are `plain` sealed under the key that seals: then saving `plain` again
// writes nothing, so a sync tool sees no change. Plain bytes, or a file sealed under another of
// the keys, are written anew (sealed under the one key).
bool HoldsSealed(const DiaryKeys& keys, std::string_view fileBytes, std::string_view plain);

struct SealedSave {
  SaveOutcome outcome;
  bool written = false;  // false when the file held the text already (or the save failed)
};
// Replaces the file atomically with `plain` sealed, unless HoldsSealed says it holds it. Nothing
// is written with no key to seal with, nor over a sealed file that the keys cannot open (damaged,
// another key's, a newer format's): whoever means to replace one keeps its bytes first (in the
// history) and then writes with ReplaceFileContents.
SealedSave SaveSealed(const std::string& path, const DiaryKeys& keys, std::string_view plain,
                      NewFileAccess access = NewFileAccess::kDefault);

// Seals a whole file (an attachment) into `target` in pieces, never holding it whole; the
// target is replaced atomically, or left as it was.
SaveOutcome SealFile(const DiaryKey& key, const std::string& source, const std::string& target,
                     NewFileAccess access = NewFileAccess::kPrivate);

// Opens a sealed (or plain) file into `target` in pieces (an attachment for a viewer, an entry
// for an external editor): the target is put in place only once the whole source opened.
struct FileOpening {
  Opening result = Opening::kDamaged;
  SaveOutcome outcome;  // fails also when the source did not open (see `result`)
};
FileOpening OpenFileTo(const DiaryKeys& keys, const std::string& source, const std::string& target,
                       NewFileAccess access = NewFileAccess::kPrivate);

}  // namespace marrowleaf

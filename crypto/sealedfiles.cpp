// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/sealedfiles.h"

#include <sodium.h>

namespace marrowleaf {
namespace {

void Wipe(std::string& bytes) {
  sodium_memzero(bytes.data(), bytes.size());
  bytes.clear();
}

}  // namespace

DiaryFileRead ReadDiaryFile(const std::string& path, const DiaryKeys& keys) {
  DiaryFileRead read;
  const WholeFile file = ReadWholeFile(path);
  read.missing = file.missing;
  read.state = file.state;
  read.error = file.error;
  if (!file.opened || !file.complete) return read;
  read.read = true;
  Opened opened = OpenBytes(keys, std::string_view(file.bytes.get(), file.size));
  read.result = opened.result;
  read.bytes = std::move(opened.bytes);
  return read;
}

DiaryFileRead ReadDiaryFile(const std::string& path) {
  return ReadDiaryFile(path, *SealingFor(path).keys);
}

std::string WhyNotOpened(Opening result) {
  switch (result) {
    case Opening::kOpened:
    case Opening::kPlain:
      return {};
    case Opening::kNeedsKey:
      return "it is encrypted, and the diary is not unlocked";
    case Opening::kOtherKey:
      return "it is encrypted with a key the diary's password does not open";
    case Opening::kDamaged:
      return "it is encrypted and damaged: changed or cut short since it was written";
    case Opening::kUnknownVersion:
      return "it is encrypted in a format of a newer version of the program";
  }
  return {};
}

SaveOutcome WriteDiaryFile(const std::string& saveDir, const std::string& path,
                           std::string_view plain, NewFileAccess access) {
  const DiarySealing sealing = SealingOfDiary(saveDir);
  if (sealing.locked) return {false, "the diary is encrypted and not unlocked"};
  const DiaryKey* key = sealing.Sealing();
  if (key == nullptr) return ReplaceFileContents(path, plain, access);
  return ReplaceFileContents(path, SealBytes(*key, plain), access);
}

bool HoldsSealed(const DiaryKeys& keys, std::string_view fileBytes, std::string_view plain) {
  const DiaryKey* sealing = keys.Sealing();
  const std::optional<KeyId> id = SealedKeyId(fileBytes);
  if (sealing == nullptr || !id || *id != sealing->Id()) return false;
  Opened opened = OpenBytes(keys, fileBytes);
  const bool same = opened.result == Opening::kOpened && opened.bytes == plain;
  Wipe(opened.bytes);
  return same;
}

SealedSave SaveSealed(const std::string& path, const DiaryKeys& keys, std::string_view plain,
                      NewFileAccess access) {
  SealedSave save;
  const DiaryKey* sealing = keys.Sealing();
  if (sealing == nullptr) {
    save.outcome.error = "the diary is locked";
    return save;
  }
  const WholeFile current = ReadWholeFile(path);
  if (current.opened && current.complete) {
    const std::string_view bytes(current.bytes.get(), current.size);
    if (HoldsSealed(keys, bytes, plain)) {
      save.outcome.ok = true;
      return save;
    }
    if (LooksSealed(bytes)) {
      Opened before = OpenBytes(keys, bytes);
      Wipe(before.bytes);
      if (before.result != Opening::kOpened) {
        save.outcome.error = "the file holds what the diary's keys cannot open";
        return save;
      }
    }
  }
  save.outcome = ReplaceFileContents(path, SealBytes(*sealing, plain), access);
  save.written = save.outcome.ok;
  return save;
}

SaveOutcome SealFile(const DiaryKey& key, const std::string& source, const std::string& target,
                     NewFileAccess access) {
  ExclusiveFile in(source, ExclusiveFile::Access::kRead);
  if (!in.IsOpen()) return {false, in.Error()};
  ReplacingFile out(target, access);
  SealingStream stream(key);
  std::string sealed;
  const bool whole = in.ReadPieces([&](std::string_view piece) {
    sealed.clear();
    stream.Add(piece, sealed);
    return out.Write(sealed);
  });
  if (!whole && !out.Ok()) return out.Commit();  // the write's own reason
  if (!whole) return {false, in.Error()};
  sealed.clear();
  stream.Finish(sealed);
  out.Write(sealed);
  return out.Commit();
}

FileOpening OpenFileTo(const DiaryKeys& keys, const std::string& source, const std::string& target,
                       NewFileAccess access) {
  FileOpening opening;
  ExclusiveFile in(source, ExclusiveFile::Access::kRead);
  if (!in.IsOpen()) {
    opening.outcome.error = in.Error();
    return opening;
  }
  ReplacingFile out(target, access);
  OpeningStream stream(keys);
  std::string plain;
  bool opens = true;
  const bool whole = in.ReadPieces([&](std::string_view piece) {
    opens = stream.Add(piece, plain);
    const bool written = out.Write(plain);
    Wipe(plain);
    return opens && written;
  });
  if (!whole && opens && !out.Ok()) {
    opening.outcome = out.Commit();
    return opening;
  }
  if (!whole && opens) {
    opening.outcome.error = in.Error();
    return opening;
  }
  opening.result = stream.Finish(plain);
  if (opening.result != Opening::kOpened && opening.result != Opening::kPlain) {
    Wipe(plain);
    opening.outcome.error = "the file is not readable with the diary's keys";
    return opening;  // the target stays as it was; the temporary file goes with `out`
  }
  out.Write(plain);
  Wipe(plain);
  opening.outcome = out.Commit();
  return opening;
}

}  // namespace marrowleaf

// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads any bytes as a file of an encrypted diary and as its key file. Besides not crashing: the
// bytes opened whole, in pieces of any size, or from disk into a file give the same outcome and
// the same text; plain bytes come back as they are; only a file sealed under the key opens, and
// nothing of one that does not open is written anywhere.
#include <cstdint>
#include <string>

#include "crypto/keyfile.h"
#include "crypto/sealedfiles.h"
#include "crypto/sealing.h"
#include "fuzzfile.h"

namespace {

// The key of the seeds in fuzz/corpus/crypto (and of the tests' golden files).
const marrowleaf::DiaryKeys& Keys() {
  static const marrowleaf::DiaryKeys keys = [] {
    marrowleaf::DiaryKeys k;
    k.Add(marrowleaf::DiaryKey::FromBytes("Marrowleaf golden key, test only"));
    return k;
  }();
  return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using marrowleaf::Opening;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const marrowleaf::Opened whole = marrowleaf::OpenBytes(Keys(), bytes);
  const bool readable = whole.result == Opening::kOpened || whole.result == Opening::kPlain;
  FUZZ_CHECK(readable || whole.bytes.empty());
  FUZZ_CHECK(whole.result != Opening::kPlain || whole.bytes == bytes);
  FUZZ_CHECK(whole.result != Opening::kNeedsKey);
  if (whole.result == Opening::kOpened) {
    FUZZ_CHECK(marrowleaf::SealedKeyId(bytes) == Keys().Sealing()->Id());
    const std::string again = marrowleaf::SealBytes(*Keys().Sealing(), whole.bytes);
    FUZZ_CHECK(marrowleaf::OpenBytes(Keys(), again).bytes == whole.bytes);
  }

  marrowleaf::Opened pieces;
  marrowleaf::OpeningStream stream(Keys());
  const size_t piece = size == 0 ? 1 : data[0] % 61 + 1;
  for (size_t at = 0; at < size && stream.Add(bytes.substr(at, piece), pieces.bytes);) at += piece;
  pieces.result = stream.Finish(pieces.bytes);
  FUZZ_CHECK(pieces.result == whole.result);
  FUZZ_CHECK(!readable || pieces.bytes == whole.bytes);

  // Locked, a sealed file only says that it needs a key; plain bytes stay plain.
  const marrowleaf::Opened locked = marrowleaf::OpenBytes(marrowleaf::DiaryKeys(), bytes);
  FUZZ_CHECK(locked.result != Opening::kOpened && locked.result != Opening::kOtherKey);
  FUZZ_CHECK(whole.result != Opening::kPlain || locked.result == Opening::kPlain);

  const std::string source = FuzzDir() + "/sealed";
  const std::string target = FuzzDir() + "/opened";
  WriteFuzzFile(source, data, size);
  marrowleaf::RemoveFile(target);
  const marrowleaf::FileOpening opening = marrowleaf::OpenFileTo(Keys(), source, target);
  FUZZ_CHECK(opening.result == whole.result);
  FUZZ_CHECK(opening.outcome.ok == readable);
  FUZZ_CHECK(readable ? ReadFuzzFile(target) == whole.bytes : !marrowleaf::IsFile(target));

  // As a key file: only a whole one is inspected, and it unlocks only to the key it names. (The
  // cheap ones only: a key file may ask for a gigabyte.)
  const auto info = marrowleaf::InspectKeyFile(bytes);
  if (info && info->cost.memoryBytes <= 65536 && info->cost.passes <= 3) {
    const marrowleaf::UnlockedKey unlocked =
        marrowleaf::UnwrapKey(bytes, QStringLiteral("correct horse battery staple"));
    FUZZ_CHECK(unlocked.result != marrowleaf::Unlocking::kUnlocked ||
               unlocked.key.Id() == info->id);
  }
  return 0;
}

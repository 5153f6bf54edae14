// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "crypto/diarykey.h"

// Sealed files: how every file of an encrypted diary (an entry, a version in its history, a draft,
// a sync tool's conflict copy, an attachment) holds its bytes. Each file is sealed on its own,
// under the diary's key, so that names, history, sync tools and conflict copies work as for plain
// files; a file that does not begin as a sealed file does is plain, and is read as it is.
//
// A sealed file, byte by byte:
//   0  8  magic 89 4D 4C 45 0D 0A 1A 0A ("\x89MLE\r\n\x1a\n": never the start of a text, and a
//         transfer that changes line ends or drops the eighth bit shows in it)
//   8  1  format version, 1
//   9  1  chunk size as a power of two (16: 64 KiB of plain bytes; 10 to 24 are read)
//  10 16  key id of the diary key that sealed it
//  26 24  header of the XChaCha20-Poly1305 secret stream (libsodium's secretstream)
//  50     the chunks: each seals a chunk of plain bytes and adds 17; every chunk but the last is
//         full and tagged MESSAGE, the last (empty for an empty text) is tagged FINAL and ends
//         the file. The first chunk binds bytes 0 to 49 as associated data.
// So a changed byte anywhere, chunks reordered, dropped or cut off, or bytes added after the end
// all fail to open, and nothing of a damaged file is taken for its text.
namespace marrowleaf {

inline constexpr size_t kSealedHeaderSize = 50;
inline constexpr int kChunkBits = 16;

// Whether the bytes begin as a sealed file does (its magic); says nothing of the rest.
bool LooksSealed(std::string_view bytes);
// The key id a sealed file names; nothing when the bytes are too short to hold one or are not
// sealed.
std::optional<KeyId> SealedKeyId(std::string_view bytes);

enum class Opening {
  kOpened,          // sealed, and opened with one of the keys
  kPlain,           // not sealed: the bytes are the text, as in a plain diary
  kNeedsKey,        // sealed, and no key was given: the diary is locked
  kOtherKey,        // sealed with a key that is not among the keys (another diary, another device)
  kDamaged,         // sealed and changed or cut short since: nothing of it can be trusted
  kUnknownVersion,  // sealed in a format this program does not know (a newer version's)
};

struct Opened {
  Opening result = Opening::kDamaged;
  std::string bytes;  // the plain bytes (kOpened), the bytes as they are (kPlain), else empty
};

// Reads what a file of the diary holds, sealed or plain: the one way every reader opens bytes.
Opened OpenBytes(const DiaryKeys& keys, std::string_view fileBytes);
// The sealed file of `plain` under `key` (chunkBits: see the layout; only tests and fuzzing
// choose other sizes). Each call seals anew, so sealing one text twice gives different bytes.
// `key` must hold a key: sealing without one is a fault of the caller, and ends the program
// rather than write a file that never opens.
std::string SealBytes(const DiaryKey& key, std::string_view plain, int chunkBits = kChunkBits);

// The same sealing for content that comes in pieces (a large attachment), never held whole.
// The sealed bytes are appended to `out` as they are ready; the header at the first call.
class SealingStream {
 public:
  explicit SealingStream(const DiaryKey& key, int chunkBits = kChunkBits);
  ~SealingStream();
  SealingStream(const SealingStream&) = delete;
  SealingStream& operator=(const SealingStream&) = delete;
  void Add(std::string_view plain, std::string& out);
  void Finish(std::string& out);  // seals what is left; nothing may be added afterwards

 private:
  struct State;
  std::unique_ptr<State> state;
};

// Opening in pieces. Plain bytes come out of each chunk as soon as it proves to be whole, but a
// file can still turn out cut short or damaged at its end: only Finish() says whether the whole
// file opened, and until it says kOpened, nothing that came out may be kept (write it to a
// temporary file and put it in place only then).
class OpeningStream {
 public:
  explicit OpeningStream(const DiaryKeys& keys);
  ~OpeningStream();
  OpeningStream(const OpeningStream&) = delete;
  OpeningStream& operator=(const OpeningStream&) = delete;
  // Appends the plain bytes of `sealed` to `plain` as far as they are known; false once the
  // file is known not to open (Finish() then says why).
  bool Add(std::string_view sealed, std::string& plain);
  Opening Finish(std::string& plain);

 private:
  struct State;
  std::unique_ptr<State> state;
};

}  // namespace marrowleaf

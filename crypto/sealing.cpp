// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/sealing.h"

#include <sodium.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace marrowleaf {
namespace {

constexpr unsigned char kMagic[8] = {0x89, 'M', 'L', 'E', '\r', '\n', 0x1a, '\n'};
constexpr unsigned char kVersion = 1;
constexpr size_t kVersionAt = 8;
constexpr size_t kChunkBitsAt = 9;
constexpr size_t kIdAt = 10;
constexpr size_t kStreamAt = kIdAt + sizeof(KeyId);
constexpr int kMinChunkBits = 10;
constexpr int kMaxChunkBits = 24;
constexpr size_t kChunkOverhead = crypto_secretstream_xchacha20poly1305_ABYTES;
static_assert(kStreamAt + crypto_secretstream_xchacha20poly1305_HEADERBYTES == kSealedHeaderSize);

const unsigned char* Bytes(const char* p) { return reinterpret_cast<const unsigned char*>(p); }
unsigned char* Bytes(char* p) { return reinterpret_cast<unsigned char*>(p); }

bool HasMagic(std::string_view bytes) {
  return bytes.size() >= sizeof kMagic && std::memcmp(bytes.data(), kMagic, sizeof kMagic) == 0;
}

KeyId IdAt(std::string_view bytes) {
  KeyId id{};
  std::memcpy(id.data(), bytes.data() + kIdAt, id.size());
  return id;
}

}  // namespace

bool LooksSealed(std::string_view bytes) { return HasMagic(bytes); }

std::optional<KeyId> SealedKeyId(std::string_view bytes) {
  if (!HasMagic(bytes) || bytes.size() < kStreamAt) return std::nullopt;
  return IdAt(bytes);
}

struct SealingStream::State {
  const DiaryKey& key;
  size_t chunk;
  int chunkBits;
  crypto_secretstream_xchacha20poly1305_state stream{};
  unsigned char header[kSealedHeaderSize] = {};
  std::string pending;  // plain bytes of the chunk being filled
  bool started = false;
  bool first = true;

  State(const DiaryKey& k, int bits) : key(k), chunk(size_t{1} << bits), chunkBits(bits) {}
  ~State() {
    sodium_memzero(&stream, sizeof stream);
    if (!pending.empty()) sodium_memzero(pending.data(), pending.size());
  }

  void Start(std::string& out) {
    if (started) return;
    started = true;
    std::memcpy(header, kMagic, sizeof kMagic);
    header[kVersionAt] = kVersion;
    header[kChunkBitsAt] = static_cast<unsigned char>(chunkBits);
    std::memcpy(header + kIdAt, key.Id().data(), sizeof(KeyId));
    crypto_secretstream_xchacha20poly1305_init_push(&stream, header + kStreamAt, key.FileKey());
    out.append(reinterpret_cast<const char*>(header), sizeof header);
  }

  void Push(std::string_view plain, unsigned char tag, std::string& out) {
    const size_t at = out.size();
    out.resize(at + plain.size() + kChunkOverhead);
    unsigned long long written = 0;
    crypto_secretstream_xchacha20poly1305_push(
        &stream, Bytes(out.data() + at), &written, Bytes(plain.data()), plain.size(),
        first ? header : nullptr, first ? sizeof header : 0, tag);
    first = false;
    out.resize(at + written);
  }
};

SealingStream::SealingStream(const DiaryKey& key, int chunkBits) {
  // Sealing without a key, or in chunks no reader takes, would write a file that never opens:
  // a fault of the caller that must not cost the user a text.
  if (!key || chunkBits < kMinChunkBits || chunkBits > kMaxChunkBits) std::abort();
  state = std::make_unique<State>(key, chunkBits);
}

SealingStream::~SealingStream() = default;

void SealingStream::Add(std::string_view plain, std::string& out) {
  State& s = *state;
  s.Start(out);
  // A full chunk waits until more follows, so that the last chunk, the one tagged FINAL, holds
  // the end of the text and is empty only for an empty text.
  while (!plain.empty()) {
    if (s.pending.size() == s.chunk) {
      s.Push(s.pending, crypto_secretstream_xchacha20poly1305_TAG_MESSAGE, out);
      s.pending.clear();
    }
    if (s.pending.empty() && plain.size() > s.chunk) {
      s.Push(plain.substr(0, s.chunk), crypto_secretstream_xchacha20poly1305_TAG_MESSAGE, out);
      plain.remove_prefix(s.chunk);
      continue;
    }
    const size_t take = std::min(s.chunk - s.pending.size(), plain.size());
    s.pending.append(plain.substr(0, take));
    plain.remove_prefix(take);
  }
}

void SealingStream::Finish(std::string& out) {
  State& s = *state;
  s.Start(out);
  s.Push(s.pending, crypto_secretstream_xchacha20poly1305_TAG_FINAL, out);
  sodium_memzero(s.pending.data(), s.pending.size());
  s.pending.clear();
}

std::string SealBytes(const DiaryKey& key, std::string_view plain, int chunkBits) {
  std::string out;
  const size_t chunks = plain.size() / (size_t{1} << std::clamp(chunkBits, 0, 30)) + 1;
  out.reserve(kSealedHeaderSize + plain.size() + chunks * kChunkOverhead);
  SealingStream stream(key, chunkBits);
  stream.Add(plain, out);
  stream.Finish(out);
  return out;
}

struct OpeningStream::State {
  enum class Phase { kHeader, kTrial, kChunks, kPlain, kDone, kFailed };
  const DiaryKeys& keys;
  Phase phase = Phase::kHeader;
  Opening verdict = Opening::kDamaged;
  std::string pending;  // sealed bytes of the header or chunk being gathered
  unsigned char header[kSealedHeaderSize] = {};
  size_t chunkSealed = 0;
  crypto_secretstream_xchacha20poly1305_state stream{};
  bool first = true;

  explicit State(const DiaryKeys& k) : keys(k) {}
  ~State() { sodium_memzero(&stream, sizeof stream); }

  void Fail(Opening why) {
    phase = Phase::kFailed;
    verdict = why;
  }

  // How many sealed bytes the next step takes whole.
  size_t Needed() const { return phase == Phase::kHeader ? kSealedHeaderSize : chunkSealed; }

  void Header(std::string_view h, std::string& plain) {
    const DiaryKey* key = keys.Find(IdAt(h));
    if (!HasMagic(h)) {
      // Sixteen bytes of this diary's key id in their place tell a sealed file whose magic was
      // damaged from a plain one.
      if (key != nullptr) return Fail(Opening::kDamaged);
      phase = Phase::kPlain;
      plain.append(h);
      return;
    }
    if (static_cast<unsigned char>(h[kVersionAt]) != kVersion) {
      return Fail(Opening::kUnknownVersion);
    }
    const int bits = static_cast<unsigned char>(h[kChunkBitsAt]);
    if (bits < kMinChunkBits || bits > kMaxChunkBits) return Fail(Opening::kDamaged);
    if (keys.Empty()) return Fail(Opening::kNeedsKey);
    std::memcpy(header, h.data(), sizeof header);
    chunkSealed = (size_t{1} << bits) + kChunkOverhead;
    if (key == nullptr) {
      phase = Phase::kTrial;
      return;
    }
    crypto_secretstream_xchacha20poly1305_init_pull(&stream, header + kStreamAt, key->FileKey());
    phase = Phase::kChunks;
  }

  // A key id that names none of the keys: the file is another key's, unless one of the keys opens
  // its first chunk once the id is put back, which makes it one of ours with a damaged id.
  void Trial(std::string_view chunk) {
    std::string scratch(chunk.size(), '\0');
    for (const DiaryKey& key : keys.All()) {
      unsigned char ad[kSealedHeaderSize];
      std::memcpy(ad, header, sizeof ad);
      std::memcpy(ad + kIdAt, key.Id().data(), sizeof(KeyId));
      crypto_secretstream_xchacha20poly1305_state trial;
      crypto_secretstream_xchacha20poly1305_init_pull(&trial, header + kStreamAt, key.FileKey());
      unsigned long long size = 0;
      unsigned char tag = 0;
      const int rc = crypto_secretstream_xchacha20poly1305_pull(&trial, Bytes(scratch.data()),
                                                                &size, &tag, Bytes(chunk.data()),
                                                                chunk.size(), ad, sizeof ad);
      sodium_memzero(&trial, sizeof trial);
      if (rc == 0) {
        sodium_memzero(scratch.data(), scratch.size());
        return Fail(Opening::kDamaged);
      }
    }
    Fail(Opening::kOtherKey);
  }

  void Chunk(std::string_view chunk, std::string& plain) {
    if (phase == Phase::kTrial) return Trial(chunk);
    if (chunk.size() < kChunkOverhead) return Fail(Opening::kDamaged);
    const size_t at = plain.size();
    plain.resize(at + chunk.size() - kChunkOverhead);
    unsigned long long size = 0;
    unsigned char tag = 0;
    const int rc = crypto_secretstream_xchacha20poly1305_pull(
        &stream, Bytes(plain.data() + at), &size, &tag, Bytes(chunk.data()), chunk.size(),
        first ? header : nullptr, first ? sizeof header : 0);
    first = false;
    if (rc != 0) {
      plain.resize(at);
      return Fail(Opening::kDamaged);
    }
    plain.resize(at + size);
    if (tag == crypto_secretstream_xchacha20poly1305_TAG_FINAL) {
      phase = Phase::kDone;
    } else if (tag != crypto_secretstream_xchacha20poly1305_TAG_MESSAGE) {
      Fail(Opening::kDamaged);  // never written: a rekey or push tag is no part of the format
    }
  }

  void Step(std::string_view bytes, std::string& plain) {
    if (phase == Phase::kHeader) {
      Header(bytes, plain);
    } else {
      Chunk(bytes, plain);
    }
  }
};

OpeningStream::OpeningStream(const DiaryKeys& keys) : state(std::make_unique<State>(keys)) {}

OpeningStream::~OpeningStream() = default;

bool OpeningStream::Add(std::string_view sealed, std::string& plain) {
  using Phase = State::Phase;
  State& s = *state;
  for (;;) {
    if (s.phase == Phase::kFailed) return false;
    if (s.phase == Phase::kPlain) {
      plain.append(sealed);
      return true;
    }
    if (s.phase == Phase::kDone) {
      if (!sealed.empty()) s.Fail(Opening::kDamaged);  // bytes after the final chunk
      return s.phase != Phase::kFailed;
    }
    const size_t needed = s.Needed();
    if (s.pending.empty() && sealed.size() >= needed) {
      s.Step(sealed.substr(0, needed), plain);
      sealed.remove_prefix(needed);
      continue;
    }
    const size_t take = std::min(needed - s.pending.size(), sealed.size());
    s.pending.append(sealed.substr(0, take));
    sealed.remove_prefix(take);
    if (s.pending.size() < needed) return true;
    s.Step(s.pending, plain);
    s.pending.clear();
  }
}

Opening OpeningStream::Finish(std::string& plain) {
  using Phase = State::Phase;
  State& s = *state;
  switch (s.phase) {
    case Phase::kFailed:
      return s.verdict;
    case Phase::kPlain:
      return Opening::kPlain;
    case Phase::kDone:
      return Opening::kOpened;
    case Phase::kHeader: {
      // Shorter than a header: plain, unless it begins as a sealed file does.
      const std::string_view h = s.pending;
      if (!HasMagic(h)) {
        if (h.size() >= kStreamAt && s.keys.Find(IdAt(h)) != nullptr) return Opening::kDamaged;
        plain.append(h);
        return Opening::kPlain;
      }
      if (h.size() > kVersionAt && static_cast<unsigned char>(h[kVersionAt]) != kVersion) {
        return Opening::kUnknownVersion;
      }
      return Opening::kDamaged;
    }
    case Phase::kTrial:
    case Phase::kChunks:
      // The last chunk is the one that is not full; with none left, the file was cut off after a
      // full chunk that did not say it was the last.
      if (s.pending.empty()) {
        return s.phase == Phase::kTrial ? Opening::kOtherKey : Opening::kDamaged;
      }
      s.Chunk(s.pending, plain);
      s.pending.clear();
      if (s.phase == Phase::kDone) return Opening::kOpened;
      return s.phase == Phase::kFailed ? s.verdict : Opening::kDamaged;
  }
  return Opening::kDamaged;
}

Opened OpenBytes(const DiaryKeys& keys, std::string_view fileBytes) {
  Opened opened;
  opened.bytes.reserve(fileBytes.size());
  OpeningStream stream(keys);
  stream.Add(fileBytes, opened.bytes);
  opened.result = stream.Finish(opened.bytes);
  if (opened.result != Opening::kOpened && opened.result != Opening::kPlain) {
    sodium_memzero(opened.bytes.data(), opened.bytes.size());
    opened.bytes.clear();
  }
  return opened;
}

}  // namespace marrowleaf

// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/entryfiles.h"

#include <QDateTime>
#include <algorithm>
#include <cstring>
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif

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

namespace {

constexpr uint64_t kPrime = 0x9E3779B97F4A7C15ull;

uint64_t Mix(uint64_t hash, uint64_t word) {
  hash = (hash ^ word) * kPrime;
  return hash ^ (hash >> 29);
}

constexpr uint64_t SplitMix(uint64_t x) {
  x += kPrime;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// Blocks in a round: each block of a round meets other keys, so that blocks swapped within a
// round hash apart, and the lanes are scrambled between rounds, so that rounds swapped do too.
constexpr size_t kRound = 16;
struct Keys {
  uint64_t word[8 + kRound];
};
constexpr Keys MakeKeys() {
  Keys keys{};
  for (size_t i = 0; i < 8 + kRound; ++i) keys.word[i] = SplitMix(i);
  return keys;
}
constexpr Keys kKeys = MakeKeys();

}  // namespace

// Eight lanes, each taking one word of a block by a 32 x 32-bit multiplication of the word with
// a key, plus its neighbour word: on x86-64 two lanes at a time in vector registers, elsewhere
// the same sums one by one. Every load hashes the whole entry, and that must cost less than
// reading it.
ByteHash::ByteHash() {
  for (size_t lane = 0; lane < 8; ++lane) lanes[lane] = kKeys.word[lane] ^ kPrime;
}

namespace {

// One round's blocks (up to kRound) into the eight lanes, `keys` the round's first block's.
// Three forms of the same sums: for processors with AVX2 (four lanes at a time), with SSE2 (two
// at a time), and one by one. They give equal values: drafts are named by this hash, and a
// diary moved to another machine must find its drafts.
void SumBlocks(uint64_t* lanes, const char* blocks, size_t count, const uint64_t* keys) {
#if defined(__SSE2__) || defined(_M_X64)
  __m128i sums[4];
  for (size_t pair = 0; pair < 4; ++pair) {
    sums[pair] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes + 2 * pair));
  }
  for (size_t block = 0; block < count; ++block) {
    const char* words = blocks + 64 * block;
    for (size_t pair = 0; pair < 4; ++pair) {
      const __m128i data = _mm_loadu_si128(reinterpret_cast<const __m128i*>(words + 16 * pair));
      const __m128i keyed = _mm_xor_si128(
          data, _mm_loadu_si128(reinterpret_cast<const __m128i*>(keys + block + 2 * pair)));
      const __m128i product = _mm_mul_epu32(keyed, _mm_srli_epi64(keyed, 32));
      const __m128i swapped = _mm_shuffle_epi32(data, _MM_SHUFFLE(1, 0, 3, 2));
      sums[pair] = _mm_add_epi64(sums[pair], _mm_add_epi64(product, swapped));
    }
  }
  for (size_t pair = 0; pair < 4; ++pair) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(lanes + 2 * pair), sums[pair]);
  }
#else
  for (size_t block = 0; block < count; ++block) {
    uint64_t words[8];
    std::memcpy(words, blocks + 64 * block, sizeof words);
    for (size_t lane = 0; lane < 8; ++lane) {
      const uint64_t keyed = words[lane] ^ keys[block + lane];
      lanes[lane] += (keyed & 0xFFFFFFFFu) * (keyed >> 32) + words[lane ^ 1];
    }
  }
#endif
}

#if defined(__GNUC__) && defined(__x86_64__)
#define MARROWLEAF_HASH_AVX2 1
__attribute__((target("avx2"))) void SumBlocksAvx2(uint64_t* lanes, const char* blocks,
                                                   size_t count, const uint64_t* keys) {
  __m256i sums[2];
  for (size_t half = 0; half < 2; ++half) {
    sums[half] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes + 4 * half));
  }
  for (size_t block = 0; block < count; ++block) {
    const char* words = blocks + 64 * block;
    for (size_t half = 0; half < 2; ++half) {
      const __m256i data = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(words + 32 * half));
      const __m256i keyed = _mm256_xor_si256(
          data, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(keys + block + 4 * half)));
      const __m256i product = _mm256_mul_epu32(keyed, _mm256_srli_epi64(keyed, 32));
      const __m256i swapped = _mm256_shuffle_epi32(data, _MM_SHUFFLE(1, 0, 3, 2));
      sums[half] = _mm256_add_epi64(sums[half], _mm256_add_epi64(product, swapped));
    }
  }
  for (size_t half = 0; half < 2; ++half) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(lanes + 4 * half), sums[half]);
  }
}
#endif

}  // namespace

void ByteHash::AddBlocks(const char* blocks, size_t count) {
#if MARROWLEAF_HASH_AVX2
  static const bool avx2 = __builtin_cpu_supports("avx2");
#endif
  while (count > 0) {
    const size_t inRound = std::min(count, kRound - round);
#if MARROWLEAF_HASH_AVX2
    if (avx2) {
      SumBlocksAvx2(lanes, blocks, inRound, kKeys.word + round);
    } else {
      SumBlocks(lanes, blocks, inRound, kKeys.word + round);
    }
#else
    SumBlocks(lanes, blocks, inRound, kKeys.word + round);
#endif
    blocks += kBlock * inRound;
    count -= inRound;
    round += inRound;
    if (round < kRound) return;
    round = 0;
    for (size_t lane = 0; lane < 8; ++lane) {
      lanes[lane] = (lanes[lane] ^ (lanes[lane] >> 47) ^ kKeys.word[lane + 3]) * 0x9E3779B1u;
    }
  }
}

void ByteHash::Add(std::string_view bytes) {
  total += bytes.size();
  if (pendingSize > 0) {
    const size_t taken = std::min(kBlock - pendingSize, bytes.size());
    std::memcpy(pending + pendingSize, bytes.data(), taken);
    pendingSize += taken;
    bytes.remove_prefix(taken);
    if (pendingSize < kBlock) return;
    AddBlocks(pending, 1);
    pendingSize = 0;
  }
  const size_t whole = bytes.size() / kBlock;
  AddBlocks(bytes.data(), whole);
  bytes.remove_prefix(whole * kBlock);
  std::memcpy(pending, bytes.data(), bytes.size());
  pendingSize = bytes.size();
}

uint64_t ByteHash::Value() const {
  uint64_t hash = total * kPrime;
  for (const uint64_t lane : lanes) hash = Mix(hash, lane);
  for (size_t at = 0; at < pendingSize; at += 8) {
    uint64_t word = 0;
    std::memcpy(&word, pending + at, std::min<size_t>(8, pendingSize - at));
    hash = Mix(hash, word);
  }
  return hash ^ (hash >> 32);
}

uint64_t HashBytes(std::string_view bytes) {
  ByteHash hash;
  hash.Add(bytes);
  return hash.Value();
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
  // The hash and the look for the NUL take each piece as it is read, while it is still in the
  // processor's cache: a second pass over a large entry would cost as much as the read.
  ByteHash hash;
  size_t read = 0;
  size_t textEnd = std::string::npos;
  const auto each = [&](std::string_view piece) {
    hash.Add(piece);
    if (textEnd == std::string::npos) {
      if (const void* nul = std::memchr(piece.data(), '\0', piece.size())) {
        textEnd = read + static_cast<size_t>(static_cast<const char*>(nul) - piece.data());
      }
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
  // The text ends at the first NUL: bytes after it are remains of an older, longer text.
  if (textEnd < result.text.size()) result.text.resize(textEnd);
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

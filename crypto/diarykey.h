// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

// The key of an encrypted diary while it is unlocked. The key lives in libsodium's guarded memory
// (its own pages, kept out of swap and core dumps where the system allows, between guard pages,
// wiped when freed) and is made read-only once set; the diary holds it, the crypto/ functions
// take it, and nothing else ever sees its bytes.
namespace marrowleaf {

// Names a key without revealing it: every sealed file and the key file carry it, so that a file
// of another diary or another device's key is told from a damaged one.
using KeyId = std::array<unsigned char, 16>;

// False only where libsodium cannot start (no source of randomness); every key operation fails
// then. Safe from any thread, any number of times.
bool CryptoReady();

class DiaryKey {
 public:
  static constexpr size_t kSize = 32;

  DiaryKey() = default;  // no key
  // A new random key for a diary that is being encrypted.
  static DiaryKey Generate();
  // The key that a key file held (`bytes` must be kSize long; anything else gives no key).
  static DiaryKey FromBytes(std::string_view bytes);

  ~DiaryKey();
  DiaryKey(DiaryKey&& other) noexcept;
  DiaryKey& operator=(DiaryKey&& other) noexcept;
  DiaryKey(const DiaryKey&) = delete;
  DiaryKey& operator=(const DiaryKey&) = delete;

  explicit operator bool() const { return guarded != nullptr; }
  const KeyId& Id() const { return id; }

  // For crypto/ alone: the key itself (what the key file wraps), and the key the files are
  // sealed with, derived from it so that no key serves two purposes.
  const unsigned char* Secret() const { return guarded; }
  const unsigned char* FileKey() const { return guarded + kSize; }

 private:
  unsigned char* guarded = nullptr;  // the key, then the file key
  KeyId id{};
};

// Every key the diary can open files with while it is unlocked: usually one; two after devices
// encrypted the same diary each with its own key and a sync tool kept both key files. The first
// one added seals what is written. Built once at unlocking, then only read, so that the walk's
// threads may share it (as a std::shared_ptr<const DiaryKeys>).
class DiaryKeys {
 public:
  // A key whose id is already held is dropped: two key files can wrap one key.
  void Add(DiaryKey key);
  // Makes the key of that id (where held) the one that seals.
  void PutFirst(const KeyId& id);
  bool Empty() const { return keys.empty(); }
  size_t Size() const { return keys.size(); }
  // The key new files are sealed with; null when there is none.
  const DiaryKey* Sealing() const { return keys.empty() ? nullptr : &keys.front(); }
  const DiaryKey* Find(const KeyId& id) const;
  const std::vector<DiaryKey>& All() const { return keys; }

 private:
  std::vector<DiaryKey> keys;
};

}  // namespace marrowleaf

// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/diarykey.h"

#include <sodium.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace marrowleaf {
namespace {

// The subkeys of a diary's key (libsodium's crypto_kdf): one seals the files, one names the key.
constexpr char kContext[crypto_kdf_CONTEXTBYTES + 1] = "Marrowlf";
constexpr uint64_t kFileKeyNumber = 1;
constexpr uint64_t kIdNumber = 2;
static_assert(DiaryKey::kSize == crypto_kdf_KEYBYTES);
static_assert(sizeof(KeyId) >= crypto_kdf_BYTES_MIN);

}  // namespace

bool CryptoReady() {
  static const bool ready = sodium_init() >= 0;
  return ready;
}

DiaryKey DiaryKey::Generate() {
  if (!CryptoReady()) return {};
  unsigned char secret[kSize];
  randombytes_buf(secret, sizeof secret);
  DiaryKey key = FromBytes(std::string_view(reinterpret_cast<const char*>(secret), kSize));
  sodium_memzero(secret, sizeof secret);
  return key;
}

DiaryKey DiaryKey::FromBytes(std::string_view bytes) {
  if (bytes.size() != kSize || !CryptoReady()) return {};
  DiaryKey key;
  key.guarded = static_cast<unsigned char*>(sodium_malloc(2 * kSize));
  if (key.guarded == nullptr) return {};
  std::memcpy(key.guarded, bytes.data(), kSize);
  crypto_kdf_derive_from_key(key.guarded + kSize, kSize, kFileKeyNumber, kContext, key.guarded);
  crypto_kdf_derive_from_key(key.id.data(), key.id.size(), kIdNumber, kContext, key.guarded);
  // Nothing writes the key again: a stray write faults instead of changing it.
  sodium_mprotect_readonly(key.guarded);
  return key;
}

DiaryKey::~DiaryKey() {
  if (guarded != nullptr) sodium_free(guarded);  // wipes it first
}

DiaryKey::DiaryKey(DiaryKey&& other) noexcept
    : guarded(std::exchange(other.guarded, nullptr)), id(other.id) {}

DiaryKey& DiaryKey::operator=(DiaryKey&& other) noexcept {
  if (this != &other) {
    if (guarded != nullptr) sodium_free(guarded);
    guarded = std::exchange(other.guarded, nullptr);
    id = other.id;
  }
  return *this;
}

void DiaryKeys::Add(DiaryKey key) {
  if (!key || Find(key.Id()) != nullptr) return;
  keys.push_back(std::move(key));
}

void DiaryKeys::PutFirst(const KeyId& wanted) {
  const auto it = std::find_if(keys.begin(), keys.end(),
                               [&](const DiaryKey& key) { return key.Id() == wanted; });
  if (it != keys.end()) std::rotate(keys.begin(), it, it + 1);
}

const DiaryKey* DiaryKeys::Find(const KeyId& wanted) const {
  for (const DiaryKey& key : keys) {
    if (key.Id() == wanted) return &key;
  }
  return nullptr;
}

}  // namespace marrowleaf

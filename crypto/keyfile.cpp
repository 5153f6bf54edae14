// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/keyfile.h"

#include <sodium.h>

#include <QByteArray>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>

namespace marrowleaf {
namespace {

constexpr unsigned char kMagic[8] = {0x89, 'M', 'L', 'K', '\r', '\n', 0x1a, '\n'};
constexpr unsigned char kVersion = 1;
constexpr unsigned char kArgon2id = crypto_pwhash_ALG_ARGON2ID13;
constexpr size_t kVersionAt = 8;
constexpr size_t kAlgorithmAt = 9;
constexpr size_t kIdAt = 10;
constexpr size_t kPassesAt = kIdAt + sizeof(KeyId);
constexpr size_t kMemoryAt = kPassesAt + 8;
constexpr size_t kSaltAt = kMemoryAt + 8;
constexpr size_t kNonceAt = kSaltAt + crypto_pwhash_SALTBYTES;
constexpr size_t kWrappedAt = kNonceAt + crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr size_t kWrappedSize = DiaryKey::kSize + crypto_aead_xchacha20poly1305_ietf_ABYTES;
constexpr size_t kChecksumAt = kWrappedAt + kWrappedSize;
constexpr size_t kChecksumSize = crypto_generichash_BYTES_MIN;
constexpr size_t kKeyFileSize = kChecksumAt + kChecksumSize;
static_assert(kKeyFileSize == 146);
static_assert(crypto_aead_xchacha20poly1305_ietf_KEYBYTES == DiaryKey::kSize);

// What a key file may ask of a device before it counts as damaged: a hostile or broken one must
// not take minutes or gigabytes to refuse.
constexpr uint64_t kMinPasses = 3;
constexpr uint64_t kMaxMeasuredPasses = 64;
constexpr uint64_t kMaxPasses = 256;
constexpr uint64_t kMaxMemory = uint64_t{1} << 30;

unsigned char* Bytes(char* p) { return reinterpret_cast<unsigned char*>(p); }
const unsigned char* Bytes(const char* p) { return reinterpret_cast<const unsigned char*>(p); }

void PutNumber(char* at, uint64_t value) {
  for (int i = 0; i < 8; ++i) at[i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

uint64_t GetNumber(const char* at) {
  uint64_t value = 0;
  for (int i = 7; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(at[i]);
  return value;
}

void Checksum(const char* bytes, unsigned char* out) {
  crypto_generichash(out, kChecksumSize, Bytes(bytes), kChecksumAt, nullptr, 0);
}

// The password as the derivation takes it, wiped when done. (Qt's own copies of the text are
// beyond reach; this at least leaves none of ours.)
class PasswordBytes {
 public:
  explicit PasswordBytes(const QString& password)
      : bytes(password.normalized(QString::NormalizationForm_C).toUtf8()) {}
  ~PasswordBytes() { sodium_memzero(bytes.data(), static_cast<size_t>(bytes.size())); }
  PasswordBytes(const PasswordBytes&) = delete;
  PasswordBytes& operator=(const PasswordBytes&) = delete;
  const char* Data() const { return bytes.constData(); }
  unsigned long long Size() const { return static_cast<unsigned long long>(bytes.size()); }

 private:
  QByteArray bytes;
};

// The key derived from the password, in guarded memory for as long as it is needed.
class PasswordKey {
 public:
  PasswordKey(const QString& password, const unsigned char* salt, const KeyCost& cost)
      : key(static_cast<unsigned char*>(sodium_malloc(DiaryKey::kSize))) {
    const PasswordBytes text(password);
    derived = key != nullptr &&
              crypto_pwhash(key, DiaryKey::kSize, text.Data(), text.Size(), salt, cost.passes,
                            static_cast<size_t>(cost.memoryBytes), kArgon2id) == 0;
  }
  ~PasswordKey() {
    if (key != nullptr) sodium_free(key);
  }
  PasswordKey(const PasswordKey&) = delete;
  PasswordKey& operator=(const PasswordKey&) = delete;
  bool Derived() const { return derived; }
  const unsigned char* Get() const { return key; }

 private:
  unsigned char* key;
  bool derived = false;
};

// A key file's bytes; anything far larger than one is not read at all.
struct KeyFileBytes {
  Unlocking failure = Unlocking::kUnlocked;  // kUnlocked: read
  WholeFile file;
  std::string_view Bytes() const { return {file.bytes.get(), file.size}; }
};

KeyFileBytes ReadKeyFile(const std::string& path) {
  KeyFileBytes read;
  const FileState state = RegularFileState(path);
  if (state.known && state.size > 4096) {
    read.failure = Unlocking::kNotAKeyFile;
    return read;
  }
  read.file = ReadWholeFile(path);
  if (!read.file.opened || !read.file.complete) {
    read.failure = read.file.missing ? Unlocking::kMissing : Unlocking::kUnreadable;
  }
  return read;
}

}  // namespace

std::string KeyFilePath(const std::string& saveDir) { return saveDir + '/' + kKeyFileName; }

KeyCost MeasureKeyCost(std::chrono::milliseconds target) {
  KeyCost cost{kMinPasses, kKeyMemory};
  if (!CryptoReady()) return cost;
  unsigned char salt[crypto_pwhash_SALTBYTES];
  randombytes_buf(salt, sizeof salt);
  // Processor time, not the clock's: a machine busy with something else while the key file is
  // made would otherwise get a cost that is too low once it is idle again.
  const auto seconds = [&](uint64_t passes) {
    const std::clock_t start = std::clock();
    const PasswordKey key(QStringLiteral("measure"), salt, {passes, kKeyMemory});
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  };
  // Two points, since a large part of the time (touching the memory) does not grow with the
  // passes.
  const double one = seconds(1);
  const double three = seconds(3);
  const double perPass = (three - one) / 2;
  if (perPass <= 0) return cost;
  const double wanted = std::chrono::duration<double>(target).count();
  const double passes = std::round((wanted - (one - perPass)) / perPass);
  cost.passes = static_cast<uint64_t>(
      std::clamp(passes, static_cast<double>(kMinPasses), static_cast<double>(kMaxMeasuredPasses)));
  return cost;
}

std::optional<KeyFileInfo> InspectKeyFile(std::string_view bytes, Unlocking* why) {
  const auto fail = [why](Unlocking reason) -> std::optional<KeyFileInfo> {
    if (why != nullptr) *why = reason;
    return std::nullopt;
  };
  if (bytes.size() <= kVersionAt || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
    return fail(Unlocking::kNotAKeyFile);
  }
  if (static_cast<unsigned char>(bytes[kVersionAt]) != kVersion) {
    return fail(Unlocking::kUnknownVersion);
  }
  if (bytes.size() != kKeyFileSize || !CryptoReady()) return fail(Unlocking::kDamaged);
  unsigned char sum[kChecksumSize];
  Checksum(bytes.data(), sum);
  if (sodium_memcmp(sum, bytes.data() + kChecksumAt, kChecksumSize) != 0) {
    return fail(Unlocking::kDamaged);
  }
  KeyFileInfo info;
  std::memcpy(info.id.data(), bytes.data() + kIdAt, info.id.size());
  info.cost = {GetNumber(bytes.data() + kPassesAt), GetNumber(bytes.data() + kMemoryAt)};
  // Written whole (the checksum holds) with what no writer chooses: damaged all the same.
  if (static_cast<unsigned char>(bytes[kAlgorithmAt]) != kArgon2id ||
      info.cost.passes < crypto_pwhash_OPSLIMIT_MIN || info.cost.passes > kMaxPasses ||
      info.cost.memoryBytes < crypto_pwhash_MEMLIMIT_MIN || info.cost.memoryBytes > kMaxMemory) {
    return fail(Unlocking::kDamaged);
  }
  return info;
}

std::string WrapKey(const DiaryKey& key, const QString& password, const KeyCost& cost) {
  if (!key || !CryptoReady()) return {};
  std::string file(kKeyFileSize, '\0');
  std::memcpy(file.data(), kMagic, sizeof kMagic);
  file[kVersionAt] = static_cast<char>(kVersion);
  file[kAlgorithmAt] = static_cast<char>(kArgon2id);
  std::memcpy(file.data() + kIdAt, key.Id().data(), sizeof(KeyId));
  PutNumber(file.data() + kPassesAt, cost.passes);
  PutNumber(file.data() + kMemoryAt, cost.memoryBytes);
  randombytes_buf(file.data() + kSaltAt, crypto_pwhash_SALTBYTES);
  randombytes_buf(file.data() + kNonceAt, crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
  const PasswordKey wrapping(password, Bytes(file.data() + kSaltAt), cost);
  if (!wrapping.Derived()) return {};
  unsigned long long written = 0;
  crypto_aead_xchacha20poly1305_ietf_encrypt(
      Bytes(file.data() + kWrappedAt), &written, key.Secret(), DiaryKey::kSize, Bytes(file.data()),
      kWrappedAt, nullptr, Bytes(file.data() + kNonceAt), wrapping.Get());
  Checksum(file.data(), Bytes(file.data() + kChecksumAt));
  return file;
}

UnlockedKey UnwrapKey(std::string_view keyFile, const QString& password) {
  UnlockedKey unlocked;
  const std::optional<KeyFileInfo> info = InspectKeyFile(keyFile, &unlocked.result);
  if (!info) return unlocked;
  const PasswordKey wrapping(password, Bytes(keyFile.data() + kSaltAt), info->cost);
  if (!wrapping.Derived()) {
    unlocked.result = Unlocking::kOutOfMemory;
    return unlocked;
  }
  unsigned char* secret = static_cast<unsigned char*>(sodium_malloc(DiaryKey::kSize));
  if (secret == nullptr) {
    unlocked.result = Unlocking::kOutOfMemory;
    return unlocked;
  }
  unsigned long long size = 0;
  if (crypto_aead_xchacha20poly1305_ietf_decrypt(
          secret, &size, nullptr, Bytes(keyFile.data() + kWrappedAt), kWrappedSize,
          Bytes(keyFile.data()), kWrappedAt, Bytes(keyFile.data() + kNonceAt),
          wrapping.Get()) != 0) {
    unlocked.result = Unlocking::kWrongPassword;
  } else {
    unlocked.key =
        DiaryKey::FromBytes(std::string_view(reinterpret_cast<const char*>(secret), size));
    // The id is bound to the wrapped key, so only a faulty writer could have paired them wrongly.
    unlocked.result =
        unlocked.key && unlocked.key.Id() == info->id ? Unlocking::kUnlocked : Unlocking::kDamaged;
    if (unlocked.result != Unlocking::kUnlocked) unlocked.key = DiaryKey();
  }
  sodium_free(secret);
  return unlocked;
}

UnlockedKey UnlockKeyFile(const std::string& path, const QString& password) {
  const KeyFileBytes read = ReadKeyFile(path);
  if (read.failure != Unlocking::kUnlocked) {
    UnlockedKey failed;
    failed.result = read.failure;
    failed.error = read.file.error;
    return failed;
  }
  return UnwrapKey(read.Bytes(), password);
}

NewKeyFile CreateKeyFile(const std::string& saveDir, const QString& password, const KeyCost& cost) {
  NewKeyFile created;
  if (!FindKeyFiles(saveDir).empty()) {
    created.outcome.error = "the diary already has a key file";
    return created;
  }
  DiaryKey key = DiaryKey::Generate();
  if (!key) {
    created.outcome.error = "no source of random numbers for a key";
    return created;
  }
  const std::string bytes = WrapKey(key, password, cost);
  if (bytes.empty()) {
    created.outcome.error = "not enough memory to derive a key from the password";
    return created;
  }
  created.outcome = WriteNewPrivateFile(KeyFilePath(saveDir), bytes);
  if (created.outcome.ok) created.key = std::move(key);
  return created;
}

PasswordChange ChangePassword(const std::string& keyFile, const QString& oldPassword,
                              const QString& newPassword, const KeyCost& cost) {
  PasswordChange change;
  UnlockedKey unlocked = UnlockKeyFile(keyFile, oldPassword);
  change.unlocking = unlocked.result;
  if (unlocked.result != Unlocking::kUnlocked) {
    change.outcome.error = unlocked.error;
    return change;
  }
  const std::string bytes = WrapKey(unlocked.key, newPassword, cost);
  if (bytes.empty()) {
    change.outcome.error = "not enough memory to derive a key from the password";
    return change;
  }
  change.outcome = ReplaceFileContents(keyFile, bytes, NewFileAccess::kPrivate);
  return change;
}

std::vector<std::string> FindKeyFiles(const std::string& saveDir) {
  constexpr std::string_view kStem = "marrowleaf";
  constexpr std::string_view kExtension = ".key";
  std::vector<std::string> names;
  ListFolder(
      saveDir,
      [&](std::string_view name) {
        return name.size() >= kStem.size() + kExtension.size() &&
               name.substr(0, kStem.size()) == kStem &&
               name.substr(name.size() - kExtension.size()) == kExtension;
      },
      [&](std::string_view name, bool regular) {
        if (regular) names.emplace_back(name);
      });
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const bool aMain = a == kKeyFileName;
    const bool bMain = b == kKeyFileName;
    return aMain != bMain ? aMain : a < b;
  });
  std::vector<std::string> paths;
  for (const std::string& name : names) paths.push_back(saveDir + '/' + name);
  return paths;
}

DiaryUnlock UnlockDiary(const std::string& saveDir, const QString& password, DiaryKeys known) {
  DiaryUnlock unlock;
  unlock.keys = std::move(known);
  for (const std::string& path : FindKeyFiles(saveDir)) {
    KeyFileTry attempt;
    attempt.path = path;
    const KeyFileBytes read = ReadKeyFile(path);
    if (read.failure != Unlocking::kUnlocked) {
      attempt.result = read.failure;
      attempt.error = read.file.error;
      unlock.tried.push_back(std::move(attempt));
      continue;
    }
    const std::string_view bytes = read.Bytes();
    const std::optional<KeyFileInfo> info = InspectKeyFile(bytes, &attempt.result);
    if (info) {
      attempt.id = info->id;
      if (unlock.keys.Find(info->id) != nullptr) {
        attempt.result = Unlocking::kUnlocked;  // a copy of a key already held
      } else {
        UnlockedKey unlocked = UnwrapKey(bytes, password);
        attempt.result = unlocked.result;
        unlock.keys.Add(std::move(unlocked.key));
      }
    }
    unlock.tried.push_back(std::move(attempt));
  }
  bool locked = false;
  for (const KeyFileTry& attempt : unlock.tried) {
    if (attempt.path == KeyFilePath(saveDir) && attempt.id) unlock.keys.PutFirst(*attempt.id);
    locked = locked || (attempt.result == Unlocking::kWrongPassword &&
                        unlock.keys.Find(*attempt.id) == nullptr);
  }
  if (unlock.tried.empty()) {
    unlock.result = DiaryUnlocking::kNoKeyFile;
  } else if (locked) {
    unlock.result =
        unlock.keys.Empty() ? DiaryUnlocking::kWrongPassword : DiaryUnlocking::kAnotherKeyLocked;
  } else {
    unlock.result =
        unlock.keys.Empty() ? DiaryUnlocking::kNoUsableKeyFile : DiaryUnlocking::kUnlocked;
  }
  return unlock;
}

}  // namespace marrowleaf

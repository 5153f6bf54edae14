// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "crypto/diarykey.h"
#include "platform/files.h"

// The key file of an encrypted diary: one file at the top of the save directory that holds the
// diary's random key, wrapped under a key derived from the password. Its presence is what makes a
// diary encrypted, on every device the folder reaches; changing the password rewrites this file
// and nothing else.
//
// A key file, byte by byte (version 1, 146 bytes, numbers little-endian):
//    0  8  magic 89 4D 4C 4B 0D 0A 1A 0A ("\x89MLK\r\n\x1a\n")
//    8  1  format version, 1
//    9  1  password hash: 2, Argon2id 1.3 (libsodium's crypto_pwhash_ALG_ARGON2ID13)
//   10 16  key id of the wrapped key
//   26  8  Argon2id passes (crypto_pwhash's opslimit)
//   34  8  Argon2id memory in bytes (memlimit)
//   42 16  salt, random
//   58 24  nonce, random
//   82 48  the 32-byte key sealed with XChaCha20-Poly1305 (crypto_aead_xchacha20poly1305_ietf)
//          under the password's key, bytes 0 to 81 bound as associated data
//  130 16  BLAKE2b-128 of bytes 0 to 129: a damaged file is told from a wrong password
namespace marrowleaf {

// Visible and named after the program: a sync tool or a copy that leaves out hidden files would
// otherwise carry sealed entries without their key, and whoever tidies the folder should see
// what it is. Its own extension keeps sync tools' conflict copies of it recognisable
// ("marrowleaf.sync-conflict-20261208-101530-ABCDEFG.key").
inline constexpr char kKeyFileName[] = "marrowleaf.key";
std::string KeyFilePath(const std::string& saveDir);

// What deriving the password's key costs; stored in the key file, so every device unlocks with
// what the device that wrote it chose.
struct KeyCost {
  uint64_t passes = 0;       // crypto_pwhash's opslimit
  uint64_t memoryBytes = 0;  // its memlimit
};
// A key file travels to every device of the diary, the smallest included: memory stays at this,
// and the passes grow with the device's speed.
inline constexpr uint64_t kKeyMemory = uint64_t{64} << 20;
// The cost for a key file written on this device: kKeyMemory, and as many passes (at least 3) as
// take about `target` of processor time here, measured by deriving twice (about a second in
// all; run it off the window's thread).
KeyCost MeasureKeyCost(std::chrono::milliseconds target = std::chrono::milliseconds(500));

enum class Unlocking {
  kUnlocked,
  kWrongPassword,
  kMissing,         // no key file
  kUnreadable,      // there, but could not be read (permission, a folder, an I/O error)
  kNotAKeyFile,     // does not begin as a key file does
  kDamaged,         // a key file, changed or cut short since it was written
  kUnknownVersion,  // a key file of a format this program does not know (a newer version's)
  kOutOfMemory,     // the password could not be tried: its derivation's memory was refused
};

struct KeyFileInfo {
  KeyId id{};
  KeyCost cost;
};
// What a key file tells without its password; nothing, with the reason in `why`, when the bytes
// are no whole key file of a known version.
std::optional<KeyFileInfo> InspectKeyFile(std::string_view bytes, Unlocking* why = nullptr);

// The bytes of a key file holding `key` under `password` (the password's characters in Unicode
// composed form, so that every keyboard types the same password); empty when the derivation's
// memory was refused.
std::string WrapKey(const DiaryKey& key, const QString& password, const KeyCost& cost);

struct UnlockedKey {
  Unlocking result = Unlocking::kDamaged;
  DiaryKey key;       // the diary's key once unlocked
  std::string error;  // why a file could not be read
};
UnlockedKey UnwrapKey(std::string_view keyFile, const QString& password);
UnlockedKey UnlockKeyFile(const std::string& path, const QString& password);

// Encrypting a diary begins here: a new random key in a new private key file. A diary that has a
// key file (or a sync tool's copy of one) is never given a second key: nothing is written then.
struct NewKeyFile {
  SaveOutcome outcome;
  DiaryKey key;
};
NewKeyFile CreateKeyFile(const std::string& saveDir, const QString& password, const KeyCost& cost);

// Wraps the key anew (new salt, new nonce, `cost`) under the new password, replacing the key
// file atomically; with a wrong old password nothing is written.
struct PasswordChange {
  Unlocking unlocking = Unlocking::kDamaged;
  SaveOutcome outcome;
};
PasswordChange ChangePassword(const std::string& keyFile, const QString& oldPassword,
                              const QString& newPassword, const KeyCost& cost);

// The key file and every copy of it a sync tool made beside it ("marrowleaf.sync-conflict-...
// .key", "marrowleaf (conflicted copy ...).key"): every regular file of the save directory named
// "marrowleaf*.key". The key file first, then the others by name.
std::vector<std::string> FindKeyFiles(const std::string& saveDir);

struct KeyFileTry {
  std::string path;
  Unlocking result = Unlocking::kDamaged;
  std::optional<KeyId> id;  // where the file could be read as a key file
  std::string error;
};

enum class DiaryUnlocking {
  kNoKeyFile,         // a plain diary (or one whose key file is lost: its sealed files say so)
  kUnlocked,          // every key the key files hold is unlocked
  kWrongPassword,     // the password opens none of them
  kAnotherKeyLocked,  // some key is unlocked, but another key file holds a key that needs another
                      // password: two devices encrypted the diary each with its own key
  kNoUsableKeyFile,   // key files, none of them usable (`tried` says why)
};

struct DiaryUnlock {
  DiaryUnlocking result = DiaryUnlocking::kNoKeyFile;
  DiaryKeys keys;  // the keys unlocked, `known` included; the key file's key first
  std::vector<KeyFileTry> tried;
};
// Tries the password on every key file of FindKeyFiles. Keys already unlocked (`known`, from an
// earlier password) are kept, and key files that hold one of them are not derived again, so that
// a second call with the other device's password completes the keys.
DiaryUnlock UnlockDiary(const std::string& saveDir, const QString& password, DiaryKeys known = {});

}  // namespace marrowleaf

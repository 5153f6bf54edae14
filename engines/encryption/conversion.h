// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

// Encrypting a whole diary, or decrypting it back to plain files: file by file, each through the
// atomic writer, so that a kill or a crash at any moment leaves every file whole, sealed or plain,
// and the diary works as a mixed one (the readers open both). The device that began a conversion
// keeps a note of it outside the diary, and finishes it at its next start.
//
// What is converted: every file that holds the diary's text. The entries and the sync tools'
// conflict copies beside them (YEAR/MONTH/), their versions (.history/), the attachments
// (attachments/), and this device's drafts of the diary's entries; what a killed save left
// beside them (".NAME.saving") goes. The key file, config.ini and the templates stay as they are.
namespace marrowleaf {

enum class Conversion { kEncrypt, kDecrypt };

// The note a conversion under way keeps in `noteDir` (the device's own data folder, never the
// diary), named from the diary's folder.
SaveOutcome NoteConversion(const std::string& noteDir, const std::string& saveDir, Conversion way);
std::optional<Conversion> PendingConversion(const std::string& noteDir, const std::string& saveDir);
void ClearConversion(const std::string& noteDir, const std::string& saveDir);

struct ConversionReport {
  size_t total = 0;      // files looked at
  size_t converted = 0;  // rewritten
  size_t already = 0;    // in the form asked already, or empty (an empty file holds no text)
  struct Failure {
    std::string path;
    std::string error;
  };
  std::vector<Failure> failures;  // left as they were
  bool cancelled = false;
  // Decrypting: every file is plain and the key files are gone. Encrypting: every file is sealed.
  bool complete = false;
};

// Converts the diary at `saveDir` with the keys this process holds for it (crypto/unlocked.h):
// held sealing to encrypt, held without sealing to decrypt. Encrypting seals every plain file and
// seals anew, under the key that seals, a file of another key that the keys open (two devices'
// keys); decrypting opens every sealed file and, once all are plain, removes the key files.
// Nothing is written over a file that does not open (damaged, or of a key not held): it is
// named. `progress` hears how many files are done of how many; `cancelled` stops before the next
// file. `draftDir`: where this device keeps drafts (empty: none).
ConversionReport ConvertDiary(const std::string& saveDir, Conversion way,
                              const std::string& draftDir, const std::atomic<bool>& cancelled,
                              const std::function<void(size_t done, size_t total)>& progress = {});

// What the diary's files are, for the encryption window: how many plain ones an encrypted diary
// holds (written by another program, or before it was encrypted), and how many do not open.
struct DiaryCensus {
  size_t sealed = 0;
  size_t plain = 0;                                   // plain and not empty
  std::vector<ConversionReport::Failure> unreadable;  // sealed and not opened
  bool cancelled = false;
};
DiaryCensus CountDiaryFiles(const std::string& saveDir, const std::atomic<bool>& cancelled);

}  // namespace marrowleaf
